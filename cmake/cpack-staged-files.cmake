# Run by cpack before it packs the staged files (CPACK_PRE_BUILD_SCRIPTS):
# every staged file and folder gets the source date (SOURCE_DATE_EPOCH, set
# by cpack-source-date.cmake) as its time, and every folder mode 755,
# whatever the umask it was made with.
set(_top "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
file(GLOB_RECURSE _staged LIST_DIRECTORIES true "${_top}/*")
set(_folders "${_top}")
foreach(_path IN LISTS _staged)
    if(IS_DIRECTORY "${_path}" AND NOT IS_SYMLINK "${_path}")
        list(APPEND _folders "${_path}")
    endif()
endforeach()
file(CHMOD ${_folders} DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
execute_process(COMMAND touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" "${_top}" ${_staged}
    COMMAND_ERROR_IS_FATAL ANY)
