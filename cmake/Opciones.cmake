# zw_opciones: what every target of the game compiles and links with. Targets
# link it privately; nothing here leaks into the flags of the whole build
# (position-independent code aside, a property of every target anyway: Qt asks
# for it).
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

# The hardening distributions build their packages with (on Debian, what
# dpkg-buildflags gives with hardening=+all): checked libc calls, a stack
# protector, relocations read-only once loaded and bound at start, and a
# position-independent program. Plain GCC and Clang flags, so any system's
# build can take them; a packager's own CXXFLAGS and LDFLAGS come on top.
option(ZW_HARDENING "Build with fortified functions, stack protector, full RELRO and PIE" OFF)
if(ZW_HARDENING AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(zw_opciones INTERFACE
        -fstack-protector-strong -Wformat -Werror=format-security)
    # The checked calls need the optimiser: a build without it would only be warned.
    target_compile_definitions(zw_opciones INTERFACE $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    target_link_options(zw_opciones INTERFACE LINKER:-z,relro LINKER:-z,now)
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
endif()
