# The Debian package: `cpack -G DEB` in a Release build. Its dependencies are worked out by
# dpkg-shlibdeps from the shared libraries the programs link; the speech data and a font with
# Hebrew and Cyrillic letters and the windowing plugins are added by hand, since nothing links
# them.
set(CPACK_PACKAGE_NAME vocamir)
set(CPACK_PACKAGE_VENDOR "Vocamir developers")
set(CPACK_PACKAGE_CONTACT "Vocamir developers <vocamir@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "speaking dictionary and word drill for Russian, Hebrew and English")
set(CPACK_PACKAGE_DESCRIPTION
    "Vocamir keeps a dictionary in which every meaning is three linked words (Russian, Hebrew,
English), reads every word aloud with espeak-ng, carries the 28 conjugation forms of Hebrew
verbs, and drills the words in spoken lessons and a typing game.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "espeak-ng-data, fonts-dejavu-core, qt6-qpa-plugins")
include(CPack)
