# cmake -DGRAFICOS=<folder> -DSALIDA=<file.cpp> -P huellas.cmake
# Writes the SHA-256 of each scene picture as just built, so the program can
# tell a picture the player has not replaced.
set(filas "")
foreach(n RANGE 1 7)
    file(SHA256 ${GRAFICOS}/${n}.jpg huella)
    string(APPEND filas "    \"${huella}\",\n")
endforeach()
file(WRITE ${SALIDA}.nuevo "// Written while building by arte/huellas.cmake.\n#include \"arte.h\"\n\nnamespace zw {\n\nextern const char *const huellasEscenas[7];\nconst char *const huellasEscenas[7] = {\n${filas}};\n\n} // namespace zw\n")
file(COPY_FILE ${SALIDA}.nuevo ${SALIDA} ONLY_IF_DIFFERENT)
