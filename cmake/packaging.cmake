# `make package`: a Debian package built by CPack from the install rules. Its library
# dependencies are computed by dpkg-shlibdeps; what the program loads at run time without
# linking it (Qt's X11 platform plugin, Qt's own Russian texts) is named outright.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME huebit)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Huebit team")
set(CPACK_PACKAGE_CONTACT "Huebit team <author@huebit.app>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour picker for screen design and code")
set(CPACK_PACKAGE_DESCRIPTION
  "Huebit finds a colour in palettes, with RGB and HSV bars, by typed text or by picking it off
the screen through a magnifier, and copies it as text in the notation you choose, as a bitmap
or as a vector sample.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}_${PROJECT_VERSION}_amd64")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://huebit.app)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
