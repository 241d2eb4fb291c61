# The version record (and icon) Windows shows in a file's properties, for each
# Windows executable of the project, from the one template
# resources/windows/version.rc.in:
#   zephyrod_version_record(RC_FILE NAME DESCRIPTION)
# writes NAME-version.rc into the current binary folder and sets RC_FILE to
# its path. NAME is the executable's name without ".exe"; DESCRIPTION is what
# Explorer and Task Manager show as the file's description. The company,
# copyright, product name and version are the project's, the same for every
# file (and for the installer, cmake/nsis/zephyrod.nsh.in).
function(zephyrod_version_record rc_file name description)
    set(ZEPHYROD_RC_NAME "${name}")
    set(ZEPHYROD_RC_DESCRIPTION "${description}")
    set(ZEPHYROD_ICO "${PROJECT_SOURCE_DIR}/resources/icons/zephyrod.ico")
    set(_out "${CMAKE_CURRENT_BINARY_DIR}/${name}-version.rc")
    configure_file("${PROJECT_SOURCE_DIR}/resources/windows/version.rc.in" "${_out}" @ONLY)
    set(${rc_file} "${_out}" PARENT_SCOPE)
endfunction()
