# Turning the SVG drawings of arte/ into the game's pictures, and letting a
# target use the scene pictures the build puts in graficos/.
set(ZW_ARTE_SVG ${PROJECT_SOURCE_DIR}/arte)
set(ZW_GRAFICOS ${PROJECT_BINARY_DIR}/graficos)

# A scene is its drawing arte/escenas/N.svg, its hotspots (src/logica/zonas.cpp)
# and its rules (src/logica/reglas_escenaN.cpp): the game has as many scenes
# as drawings, numbered from 1.
file(GLOB ZW_DIBUJOS_ESCENAS CONFIGURE_DEPENDS ${ZW_ARTE_SVG}/escenas/*.svg)
list(LENGTH ZW_DIBUJOS_ESCENAS ZW_ESCENAS)

# zw_pintar_svg(<drawing> <picture> <width> <height> [<times>]): renders one
# drawing again whenever it changes; the picture's extension chooses JPEG, BMP
# or, for an icon, PNG; <times> a denser picture of the same drawing.
# The painter needs no window system, and under the sanitizers it must not
# fail the build over the allocations Qt keeps until exit.
function(zw_pintar_svg svg salida ancho alto)
    add_custom_command(
        OUTPUT ${salida}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
                $<TARGET_FILE:zw_pintar> ${svg} ${salida} ${ancho} ${alto} ${ARGN}
        DEPENDS ${svg} zw_pintar
        COMMENT "Pintando ${salida}"
        VERBATIM)
endfunction()

# zw_usar_graficos(<target>): the target builds after the scenes and knows
# where they are (ZW_GRAFICOS) and where the drawings are (ZW_ARTE_SVG).
function(zw_usar_graficos destino)
    target_compile_definitions(${destino} PRIVATE
        ZW_GRAFICOS="${ZW_GRAFICOS}"
        ZW_ARTE_SVG="${ZW_ARTE_SVG}")
    add_dependencies(${destino} graficos)
endfunction()
