# Hardened programs: the protections Debian's own packages get on Linux
# (dpkg-buildflags with hardening=+all: stack protector, _FORTIFY_SOURCE,
# stack-clash and control-flow protection, position-independent executables,
# full RELRO), and on Windows what mingw-w64 offers: the stack protector and
# _FORTIFY_SOURCE (both from its libssp, linked in), with ASLR (high-entropy,
# relocatable) and DEP kept on explicitly.
# Off in the sanitizer builds, whose own checks these would get in the way
# of, and in WebAssembly, where these flags do not apply (its return
# addresses live outside the memory a program can write).
option(ZEPHYROD_HARDENING "Build with the platform's usual hardening" ON)
if(NOT ZEPHYROD_HARDENING OR MSVC OR EMSCRIPTEN)
    return()
endif()

include(CheckCXXCompilerFlag)
include(CheckPIESupported)

add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
# _FORTIFY_SOURCE works only on optimised code (glibc warns otherwise).
add_compile_definitions("$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>")

if(WIN32)
    # The flag at the link brings in libssp, which the checks call.
    add_link_options(-fstack-protector-strong
        LINKER:--dynamicbase LINKER:--high-entropy-va LINKER:--nxcompat)
    return()
endif()

foreach(_flag IN ITEMS -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "ZEPHYROD_HAS${_flag}" _known)
    check_cxx_compiler_flag(${_flag} ${_known})
    if(${_known})
        add_compile_options(${_flag})
    endif()
endforeach()

check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_link_options(LINKER:-z,relro LINKER:-z,now)
