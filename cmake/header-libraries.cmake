# The header-only libraries the number conversions use, from Debian's
# packages: fast_float (text to number) and Dragonbox (a number's shortest
# digits), and {fmt}, whose digits the differential run compares the core's
# with and whose shortest form the web module writes the sweep's values in.
# Their headers lie in /usr/include, which the Windows and web compilers must
# not search as a whole (it holds this machine's own C library): every build
# reads them through a folder of links to those libraries alone.
set(_headers "${PROJECT_BINARY_DIR}/header-libraries")
file(MAKE_DIRECTORY "${_headers}")
# link NAME FOLDER PACKAGE: ${_headers}/NAME -> FOLDER.
function(_zephyrod_header_link name folder package)
    if(NOT EXISTS "${folder}")
        message(FATAL_ERROR "${folder} is missing: install ${package} (scripts/setup.sh lists it)")
    endif()
    file(CREATE_LINK "${folder}" "${_headers}/${name}" SYMBOLIC)
endfunction()
_zephyrod_header_link(fast_float /usr/include/fast_float libfast-float-dev)
_zephyrod_header_link(dragonbox /usr/include/dragonbox-1.1.3/dragonbox libdragonbox-dev)

add_library(zephyrod_header_libraries INTERFACE)
target_include_directories(zephyrod_header_libraries SYSTEM INTERFACE "${_headers}")

if(ZEPHYROD_BUILD_TESTS OR EMSCRIPTEN)
    _zephyrod_header_link(fmt /usr/include/fmt libfmt-dev)
    # {fmt} compiled into what uses it (the tests, and the web module's JSON
    # for the sweep's values), without the C++ locale machinery that only its
    # locale-aware ("L") formats need.
    add_library(zephyrod_fmt INTERFACE)
    target_include_directories(zephyrod_fmt SYSTEM INTERFACE "${_headers}")
    target_compile_definitions(zephyrod_fmt INTERFACE FMT_HEADER_ONLY
                                                      FMT_STATIC_THOUSANDS_SEPARATOR=0)
endif()
