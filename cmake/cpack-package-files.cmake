# Run by cpack after it has made a package (CPACK_POST_BUILD_SCRIPTS): takes
# out of the package what would differ between two builds of the same
# sources by different people.
# - A .deb's members get mode 644, as dpkg-deb gives them, instead of the
#   mode cpack's umask gave the files it packed. A .deb is an ar archive:
#   "!<arch>\n", then for each member a 60-byte header (name 16 bytes, time
#   12, owner 6, group 6, mode 8, size 10, "`\n") and its data, padded to an
#   even length.
# - A .zip is made again by reproducible-zip.cmake: cpack's own takes its
#   files in the folder's order, with the owner's ids and local times.
foreach(_package IN LISTS CPACK_PACKAGE_FILES)
    if(_package MATCHES "\\.deb$")
        set(_mode "${_package}.mode")
        file(WRITE "${_mode}" "100644  ")
        file(SIZE "${_package}" _end)
        set(_at 8)
        while(_at LESS _end)
            file(READ "${_package}" _header OFFSET ${_at} LIMIT 60)
            string(SUBSTRING "${_header}" 58 2 _magic)
            string(SUBSTRING "${_header}" 48 10 _length)
            string(STRIP "${_length}" _length)
            if(NOT _magic STREQUAL "`\n" OR NOT _length MATCHES "^[0-9]+$")
                message(FATAL_ERROR "${_package}: no ar member header at byte ${_at}")
            endif()
            math(EXPR _mode_at "${_at} + 40")
            execute_process(COMMAND dd "if=${_mode}" "of=${_package}" bs=1 "seek=${_mode_at}" count=8
                conv=notrunc status=none COMMAND_ERROR_IS_FATAL ANY)
            math(EXPR _at "${_at} + 60 + ${_length} + ${_length} % 2")
        endwhile()
        file(REMOVE "${_mode}")
    elseif(_package MATCHES "\\.zip$")
        set(FOLDER "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
        set(ZIP "${_package}")
        set(SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
        include("${CMAKE_CURRENT_LIST_DIR}/reproducible-zip.cmake")
    endif()
endforeach()
