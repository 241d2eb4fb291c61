# The Windows installer (NSIS) and portable zip:
#   cd build/windows && cpack
# gives ZephyrodMetric-<version>-win64.exe and ZephyrodMetric-<version>-win64.zip.
# Both hold the two executables at the top of the folder, LICENSE.txt and
# README.txt; the installer adds a Start menu folder (the calculator and its
# uninstaller), an uninstaller, an entry in the installed-programs list and,
# when the user ticks it on the finish page, a desktop shortcut.

# Writes `content` to `path` byte for byte, only when it differs from what is
# there, so that what is made from the file is not made again at every
# configuration.
function(zephyrod_write_when_changed path content)
    set(_written "")
    if(EXISTS "${path}")
        file(READ "${path}" _written)
    endif()
    if(NOT _written STREQUAL content)
        file(WRITE "${path}" "${content}")
    endif()
endfunction()

# The window's program is installed from here, wherever its target is made.
if(TARGET ZephyrodMetric)
    install(TARGETS ZephyrodMetric RUNTIME DESTINATION .)
endif()
# The programs it packs carry the source date, not the time they were linked.
foreach(_program IN ITEMS ZephyrodMetric zephyrod-cli)
    if(TARGET ${_program})
        zephyrod_link_at_source_date(${_program})
    endif()
endforeach()
configure_file("${CMAKE_CURRENT_LIST_DIR}/windows-readme.txt.in"
    "${PROJECT_BINARY_DIR}/windows/README.txt" @ONLY NEWLINE_STYLE WIN32)
# The licence as the installer's licence page and Windows editors show it:
# each paragraph of LICENSE one line, for the box to wrap to its own width
# (LICENSE's own line breaks would break its lines again), and CR LF line ends.
file(READ "${PROJECT_SOURCE_DIR}/LICENSE" _licence)
string(STRIP "${_licence}" _licence)
string(REGEX REPLACE "\n[ \t]*\n[ \t\n]*" "@PARAGRAPH@" _licence "${_licence}")
string(REGEX REPLACE "[ \t]*\n[ \t]*" " " _licence "${_licence}")
string(REPLACE "@PARAGRAPH@" "\n\n" _licence "${_licence}")
# Written as it stands: no @VAR@ or ${VAR} in it is replaced.
string(REPLACE "\n" "\r\n" _licence "${_licence}\n")
zephyrod_write_when_changed("${PROJECT_BINARY_DIR}/windows/LICENSE.txt" "${_licence}")
install(FILES "${PROJECT_BINARY_DIR}/windows/README.txt" "${PROJECT_BINARY_DIR}/windows/LICENSE.txt"
    DESTINATION .)

set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_PACKAGE_NAME "ZephyrodMetric")
set(CPACK_PACKAGE_FILE_NAME "ZephyrodMetric-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_VENDOR "${ZEPHYROD_COMPANY}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Zephyrod antenna calculator in metric units")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "${ZEPHYROD_PRODUCT_NAME}")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "ZephyrodMetric")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_BINARY_DIR}/windows/LICENSE.txt")
set(CPACK_STRIP_FILES ON)
# The settings reach cpack as written here, quotes and backslashes included
# (the NSIS lines below have both).
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)

# A 64-bit Unicode installer, as the program it installs. It keeps no file
# times: cpack writes some of the files it packs (its page settings) while it
# packs them, and their times would make every build's installer different.
set(CPACK_NSIS_DEFINES "Target amd64-unicode\nSetDateSave off")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME "${ZEPHYROD_PRODUCT_NAME}")
set(CPACK_NSIS_DISPLAY_NAME "${ZEPHYROD_PRODUCT_NAME}")
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/resources/icons/zephyrod.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/resources/icons/zephyrod.ico")
set(CPACK_NSIS_URL_INFO_ABOUT "${PROJECT_HOMEPAGE_URL}")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY ".")
set(CPACK_NSIS_MODIFY_PATH OFF)
if(TARGET ZephyrodMetric)
    # The installed-programs entry shows the program's own icon.
    set(CPACK_NSIS_INSTALLED_ICON_NAME "ZephyrodMetric.exe")
    set(CPACK_PACKAGE_EXECUTABLES "ZephyrodMetric" "${ZEPHYROD_PRODUCT_NAME}")
    # The finish page's "Run Zephyrod Metric Calculator" box, and its desktop
    # shortcut box (cmake/nsis/zephyrod.nsh.in), whose shortcut the
    # uninstaller removes.
    set(CPACK_NSIS_MUI_FINISHPAGE_RUN "ZephyrodMetric.exe")
    string(APPEND CPACK_NSIS_DEFINES "\n!define ZEPHYROD_PROGRAM \"ZephyrodMetric.exe\"")
    set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "Delete \"$DESKTOP\\${ZEPHYROD_PRODUCT_NAME}.lnk\"")
endif()
# The installer's version record, its branding text and its check for a
# running calculator.
configure_file("${CMAKE_CURRENT_LIST_DIR}/nsis/zephyrod.nsh.in" "${PROJECT_BINARY_DIR}/nsis/zephyrod.nsh" @ONLY)
string(APPEND CPACK_NSIS_DEFINES "\n!include \"${PROJECT_BINARY_DIR}/nsis/zephyrod.nsh\"")
include("${CMAKE_CURRENT_LIST_DIR}/windows-nsis-template.cmake")
include("${CMAKE_CURRENT_LIST_DIR}/reproducible-packages.cmake")
include(CPack)
