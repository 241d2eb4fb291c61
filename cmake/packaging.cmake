# A Debian package of the calculator: cpack --config build/default/CPackConfig.cmake
include(GNUInstallDirs)
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/zephyrod-metric" RENAME copyright)

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "zephyrod-metric")
set(CPACK_PACKAGE_VENDOR "The Zephyrod Metric Calculator authors")
set(CPACK_PACKAGE_CONTACT "Zephyrod Metric Calculator <zephyrod@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Zephyrod antenna calculator in metric units")
set(CPACK_PACKAGE_DESCRIPTION "Designs a Zephyrod, a short vertical antenna for radio \
amateurs made of a metal tube resonator, a single-layer loading coil and a counterpoise: from \
the centre frequency, the resonator and coil-form diameters and the wire's turns per \
centimetre it gives the lengths, the coil turns and a frequency sweep table for tuning.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "hamradio")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Qt libraries come from the shared-library dependencies; the platform
# plugins that open a window on X11 or Wayland are a package of their own.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)
