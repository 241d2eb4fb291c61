cmake_minimum_required(VERSION 3.25)

# Writes the SHA-256 sums of packages into the file SHA256SUMS beside them,
# as `sha256sum --check` reads them: a line "<sum>  <name>" per file, sorted
# by name. A file packed again gets its new sum; the lines of other files
# stay as long as those files are still there.
# Run by cpack after each package it makes (CPACK_POST_BUILD_SCRIPTS, which
# hands it CPACK_PACKAGE_FILES), or on its own:
#   cmake -DFILES="/path/a.zip;/path/b.zip" -P sha256sums.cmake

# cpack hands over its packages where it made them, before it copies them
# into the output folder.
if(DEFINED CPACK_PACKAGE_FILES)
    set(FILES "${CPACK_PACKAGE_FILES}")
    set(_output_dir "${CPACK_OUTPUT_FILE_PREFIX}")
endif()
foreach(_file IN LISTS FILES)
    get_filename_component(_dir "${_file}" DIRECTORY)
    get_filename_component(_name "${_file}" NAME)
    if(DEFINED _output_dir)
        set(_dir "${_output_dir}")
    endif()
    set(_sums "${_dir}/SHA256SUMS")
    set(_names)
    if(EXISTS "${_sums}")
        file(STRINGS "${_sums}" _lines)
        foreach(_line IN LISTS _lines)
            if(_line MATCHES "^[0-9a-f]+  (.+)$" AND EXISTS "${_dir}/${CMAKE_MATCH_1}")
                list(APPEND _names "${CMAKE_MATCH_1}")
                set("_line_${CMAKE_MATCH_1}" "${_line}")
            endif()
        endforeach()
    endif()
    file(SHA256 "${_file}" _sum)
    list(APPEND _names "${_name}")
    set("_line_${_name}" "${_sum}  ${_name}")
    list(REMOVE_DUPLICATES _names)
    list(SORT _names)
    set(_text "")
    foreach(_listed IN LISTS _names)
        string(APPEND _text "${_line_${_listed}}\n")
    endforeach()
    file(WRITE "${_sums}" "${_text}")
    message(STATUS "SHA256SUMS: ${_sum}  ${_name}")
endforeach()
