# The NSIS script template cpack fills in for the installer: CMake's own
# (Modules/Internal/CPack/NSIS.template.in) with additions its settings
# do not reach, written to PROJECT_BINARY_DIR/nsis/NSIS.template.in, where
# cpack finds it first (CPACK_MODULE_PATH):
#  - the installer's .onInit and the uninstaller's un.onInit first ask the
#    user to close a running calculator (ZephyrodCloseRunningCopy,
#    cmake/nsis/zephyrod.nsh.in), and the installer asks again as it starts
#    copying files: the calculator may have been started while the user went
#    through the pages;
#  - the uninstaller removes the vendor's key
#    HKLM\Software\<CPACK_PACKAGE_VENDOR> once it is empty; CMake's removes
#    only the key below it.
# Each addition goes after a line of CMake's template; a template without
# that line stops the configuration rather than make an installer without it.
set(_cmake_template "${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in")
file(READ "${_cmake_template}" _template)
foreach(_addition IN ITEMS
        "Function .onInit\n|  !insertmacro ZephyrodCloseRunningCopy install\n"
        "Function un.onInit\n|  !insertmacro ZephyrodCloseRunningCopy uninstall\n"
        "Section \"-Core installation\"\n|  !insertmacro ZephyrodCloseRunningCopy install\n"
        "  DeleteRegKey /ifempty SHCTX \"Software\\@CPACK_PACKAGE_VENDOR@\\@CPACK_PACKAGE_INSTALL_REGISTRY_KEY@\"\n|  DeleteRegKey /ifempty SHCTX \"Software\\@CPACK_PACKAGE_VENDOR@\"\n")
    string(REGEX REPLACE "\\|.*" "" _after "${_addition}")
    string(REGEX REPLACE "^[^|]*\\|" "" _line "${_addition}")
    string(FIND "${_template}" "${_after}" _at)
    if(_at EQUAL -1)
        message(FATAL_ERROR "${_cmake_template} has no line ${_after}")
    endif()
    string(REPLACE "${_after}" "${_after}${_line}" _template "${_template}")
endforeach()
# Its @CPACK_...@ values are cpack's to fill in.
zephyrod_write_when_changed("${PROJECT_BINARY_DIR}/nsis/NSIS.template.in" "${_template}")
set(CPACK_MODULE_PATH "${PROJECT_BINARY_DIR}/nsis")
