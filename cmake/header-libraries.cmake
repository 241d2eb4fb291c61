# The header-only libraries the number conversions use: fast_float (text to
# number) and {fmt} (number to digits), from Debian's packages. Their headers
# lie in /usr/include, which the Windows and web compilers must not search as
# a whole (it holds this machine's own C library): every build reads them
# through a folder of links to those two alone.
set(_headers "${PROJECT_BINARY_DIR}/header-libraries")
foreach(_library fmt fast_float)
    if(NOT EXISTS "/usr/include/${_library}")
        message(FATAL_ERROR "/usr/include/${_library} is missing: install libfmt-dev and "
                            "libfast-float-dev (scripts/setup.sh lists them)")
    endif()
    file(MAKE_DIRECTORY "${_headers}")
    file(CREATE_LINK "/usr/include/${_library}" "${_headers}/${_library}" SYMBOLIC)
endforeach()

add_library(zephyrod_header_libraries INTERFACE)
target_include_directories(zephyrod_header_libraries SYSTEM INTERFACE "${_headers}")
# {fmt} compiled into the program, without the C++ locale machinery that
# only its locale-aware ("L") formats need: the program never asks for them,
# and the web module stays small.
target_compile_definitions(zephyrod_header_libraries INTERFACE FMT_HEADER_ONLY
                                                               FMT_STATIC_THOUSANDS_SEPARATOR=0)
