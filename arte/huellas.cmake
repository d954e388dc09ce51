# cmake -DGRAFICOS=<folder> -DESCENAS=<count> -DSALIDA=<file.cpp> -P huellas.cmake
# Writes the SHA-256 of each scene picture as just built, at each density, so
# the program can tell a picture the player has not replaced.
set(filas "")
foreach(n RANGE 1 ${ESCENAS})
    set(fila "")
    foreach(nombre ${n}.jpg ${n}@2x.jpg ${n}@3x.jpg)
        file(SHA256 ${GRAFICOS}/${nombre} huella)
        string(APPEND fila " \"${huella}\",")
    endforeach()
    string(APPEND filas "    {${fila}},\n")
endforeach()
file(WRITE ${SALIDA}.nuevo "// Written while building by arte/huellas.cmake.\n#include \"arte.h\"\n\nnamespace zw {\n\nextern const char *const huellasEscenas[${ESCENAS}][3];\nconst char *const huellasEscenas[${ESCENAS}][3] = {\n${filas}};\n\n} // namespace zw\n")
file(COPY_FILE ${SALIDA}.nuevo ${SALIDA} ONLY_IF_DIFFERENT)
