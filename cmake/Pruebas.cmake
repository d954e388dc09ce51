# zw_test(<name> SOURCES ... LIBS ...): one Qt Test executable, run by CTest
# without a display.
function(zw_test nombre)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${nombre} ${T_SOURCES})
    target_link_libraries(${nombre} PRIVATE ${T_LIBS} Qt6::Test zw_opciones)
    add_test(NAME ${nombre} COMMAND ${nombre})
    set_tests_properties(${nombre} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
