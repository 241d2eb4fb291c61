# A Debian package of the calculator: cpack --config build/default/CPackConfig.cmake
include(GNUInstallDirs)
set(ZEPHYROD_DOC_DIR "${CMAKE_INSTALL_DATADIR}/doc/zephyrod-metric")
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION "${ZEPHYROD_DOC_DIR}" RENAME copyright)

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "zephyrod-metric")
set(CPACK_PACKAGE_VENDOR "${ZEPHYROD_COMPANY}")
set(CPACK_PACKAGE_CONTACT "${ZEPHYROD_PRODUCT_NAME} <${ZEPHYROD_CONTACT}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Zephyrod antenna calculator in metric units")
# One line of the package's long description per line here, none over 80
# characters; an empty line separates paragraphs.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Designs a Zephyrod, a short vertical antenna for radio amateurs: a metal"
    "tube as the resonator, a single-layer loading coil close-wound on a coil"
    "form, and a counterpoise wire."
    ""
    "You enter four values: the centre frequency (MHz), the resonator tube's"
    "diameter (mm), the coil form's diameter (mm) and the coil turns per"
    "centimetre of the chosen wire. The calculator gives the resonator and"
    "counterpoise lengths, the resonator capacitance, the required inductance,"
    "the coil turns and the coil length, plus a sweep table from 0.5 MHz below"
    "to 0.5 MHz above the centre frequency as a guide for tuning."
    ""
    "The package holds the calculator's window (ZephyrodMetric) and a"
    "command-line version (zephyrod-cli) that prints the same results, or the"
    "sweep as CSV, for scripts.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "hamradio")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Qt libraries come from the shared-library dependencies; the platform
# plugins that open a window on X11 or Wayland are a package of their own.
# The windows fall back to DejaVu Sans Condensed where "MS Sans Serif" is missing.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-extra")

if(UNIX AND NOT APPLE)
    # The Debian changelog of this native package, compressed as Debian's
    # tools do (-n: no name or time stamp, so the same text gives the same file).
    find_program(ZEPHYROD_GZIP gzip REQUIRED)
    set(_changelog "${PROJECT_BINARY_DIR}/debian/changelog")
    configure_file("${PROJECT_SOURCE_DIR}/resources/debian/changelog" "${_changelog}" COPYONLY)
    add_custom_command(OUTPUT "${_changelog}.gz"
        COMMAND "${ZEPHYROD_GZIP}" -9nkf "${_changelog}"
        DEPENDS "${_changelog}"
        COMMENT "Compressing the Debian changelog"
        VERBATIM)
    add_custom_target(debian-changelog ALL DEPENDS "${_changelog}.gz")
    install(FILES "${_changelog}.gz" DESTINATION "${ZEPHYROD_DOC_DIR}")

    # CPack strips the programs with plain strip; like dh_strip, also drop the
    # compiler's .comment and .note sections, which a package does not need.
    find_program(ZEPHYROD_OBJCOPY NAMES "${CMAKE_OBJCOPY}" objcopy)
    if(ZEPHYROD_OBJCOPY)
        set(_strip_script "${PROJECT_BINARY_DIR}/debian/strip-sections.cmake")
        file(CONFIGURE OUTPUT "${_strip_script}" CONTENT [[
file(GLOB _programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/@CPACK_PACKAGING_INSTALL_PREFIX@/@CMAKE_INSTALL_BINDIR@/*")
foreach(_program IN LISTS _programs)
    execute_process(COMMAND "@ZEPHYROD_OBJCOPY@" --remove-section=.comment --remove-section=.note
        "${_program}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
]] @ONLY)
        set(CPACK_PRE_BUILD_SCRIPTS "${_strip_script}")
    endif()
endif()
include("${CMAKE_CURRENT_LIST_DIR}/reproducible-packages.cmake")
include(CPack)
