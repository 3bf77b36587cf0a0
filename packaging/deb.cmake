# The Debian package, built with `cpack -G DEB` in a build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "The Velmora developers")
set(CPACK_PACKAGE_CONTACT "The Velmora developers <developers@velmora.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "trainer for spelling five-note ninth chords")
set(CPACK_PACKAGE_DESCRIPTION
  "Each puzzle is a star of 17 circles: four ninth chords on four lines that\n"
  "cross in one shared centre note. Drag spelled note names, double flats and\n"
  "double sharps included, onto the circles and check how many are right. A\n"
  "chord's name shows its interval formula and plays it through the built-in\n"
  "synthesizer or a MIDI port. Work sheets of six empty stars can be printed\n"
  "for practice on paper.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The practice history's SQLite driver is a plugin Qt loads at run time, which dpkg-shlibdeps
# cannot see in the binary.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
# A General MIDI soundfont gives the built-in synthesizer its voices; the Liberation fonts stand
# in for the fonts the window is laid out with; Qt's own translations put its dialogs into the
# program's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "timgm6mb-soundfont | fluid-soundfont-gm, fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
