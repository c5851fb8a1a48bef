# `make package`: a Debian package built by CPack from the install rules. Its library
# dependencies are computed by dpkg-shlibdeps; what the program loads at run time without
# linking it (Qt's X11 platform plugin) is named outright, and Qt's own Russian texts, which
# it does without, are recommended.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME huebit)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Huebit team")
set(CPACK_PACKAGE_CONTACT "Huebit team <author@huebit.app>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour picker for screen design and code")
# Debian shows the long description as it is: lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
  "Huebit finds a colour in palettes, with RGB and HSV bars, by typed text or
by picking it off the screen through a magnifier, and copies it as text in
the notation you choose, as a bitmap or as a vector sample.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The package's first build of this version; data/debian/changelog names the same.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://huebit.app)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
# The Debian changelog and lintian's note on it, beside what the install rules put in.
set(CPACK_INSTALLED_DIRECTORIES "${HUEBIT_PACKAGE_EXTRA};.")
# cpack packs what the build made (`make package` builds the program first) rather than
# building every test and benchmark on the way.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

file(STRINGS ${PROJECT_SOURCE_DIR}/data/debian/changelog changelog_head LIMIT_COUNT 1)
set(package_version "${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")
if(NOT changelog_head MATCHES "^huebit \\(${package_version}\\) ")
  message(FATAL_ERROR "data/debian/changelog must begin with the entry for ${package_version}")
endif()
include(CPack)
