# zw_opciones: what every target of the game compiles and links with. Targets
# link it privately; nothing here leaks into the flags of the whole build.
add_library(zw_opciones INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(zw_opciones INTERFACE -Wall -Wextra -Wpedantic)
endif()
target_compile_definitions(zw_opciones INTERFACE QT_NO_CAST_FROM_BYTEARRAY QT_NO_URL_CAST_FROM_STRING)

# libFuzzer's coverage hooks in the logic library, for the saved-game fuzz
# target (fuzz/); never in a build that is shipped.
option(ZW_FUZZ "Build the saved-game fuzz target, with the logic library instrumented for it (Clang)" OFF)
if(ZW_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ZW_FUZZ needs Clang (libFuzzer)")
endif()

option(ZW_SANITIZERS "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(ZW_SANITIZERS)
    target_compile_options(zw_opciones INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(zw_opciones INTERFACE -fsanitize=address,undefined)
endif()
