# ZW_FECHA: the one date a build writes into what it makes, in seconds since
# 1970 (SOURCE_DATE_EPOCH): the newest entry of instalar/changelog, or the
# builder's own SOURCE_DATE_EPOCH (dpkg-buildpackage sets one). rcc stamps the
# pictures it puts into the program with it, not with the files' times, and
# cpack every file of the package (instalar/fecha.cmake): two builds of one
# source give the same package, byte for byte.
set(ZW_CHANGELOG ${PROJECT_SOURCE_DIR}/instalar/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZW_CHANGELOG})
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ZW_FECHA $ENV{SOURCE_DATE_EPOCH})
else()
    # Debian's own reader of the changelog; a build elsewhere keeps the times.
    find_program(ZW_DPKG_PARSECHANGELOG dpkg-parsechangelog)
    if(ZW_DPKG_PARSECHANGELOG)
        execute_process(COMMAND ${ZW_DPKG_PARSECHANGELOG} -l ${ZW_CHANGELOG} -S Timestamp
            OUTPUT_VARIABLE ZW_FECHA OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    endif()
endif()
# rcc reads the date from its environment only.
if(ZW_FECHA)
    set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${ZW_FECHA}")
endif()
# A new date does not change what rcc reads, so its earlier output would stay:
# it is removed, and made again with the new date.
if(DEFINED ZW_FECHA_DE_RCC AND NOT "${ZW_FECHA_DE_RCC}" STREQUAL "${ZW_FECHA}")
    file(GLOB_RECURSE hechos ${CMAKE_BINARY_DIR}/*/.rcc/qrc_*.cpp)
    file(REMOVE ${hechos})
endif()
set(ZW_FECHA_DE_RCC "${ZW_FECHA}" CACHE INTERNAL "The date rcc's output in this build bears")
