# `cpack -G DEB` in a build folder configured for the prefix /usr makes the Debian package
# (scripts/package does both). The program finds its help file at the configured prefix, so the
# package installs under that same prefix.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velunka)
set(CPACK_PACKAGE_VENDOR "The Velunka developers")
set(CPACK_PACKAGE_CONTACT "The Velunka developers <velunka@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://velunka.example.org/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ear training on a piano keyboard")
# Lines as Debian wants them: at most 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Velunka plays a single note, a sequence of notes or a chord, and you answer"
  "by clicking the keys you heard on a four-octave piano keyboard on the screen."
  "Each answer is marked right or wrong at once, and a table keeps the number of"
  "questions, the share answered right and the average for each kind of"
  "question."
  ""
  "The notes sound through the built-in FluidSynth synthesizer with the General"
  "MIDI soundfont of the system. Every text in the program is Japanese; its help"
  "explains the training.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
# The help file is installed to its absolute path: DESTDIR keeps it inside the package.
set(CPACK_SET_DESTDIR ON)
set(CPACK_VELUNKA_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/StripProgram.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The synthesizer's soundfont and the font of the Japanese texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fluid-soundfont-gm, fonts-ipafont-gothic")

include(CPack)
