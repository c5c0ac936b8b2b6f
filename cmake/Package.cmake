# `cpack` turns the install rules into two Debian packages: the game, and the
# instructions viewer, which alone needs Qt WebEngine and so Chromium. The game
# recommends the viewer, and shows its page in the desktop's browser without it.

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_PACKAGE_NAME wordsnarl)
set(CPACK_PACKAGE_VENDOR Brivak)
set(CPACK_PACKAGE_CONTACT "Brivak <support@brivak.example>")
# Each package's description starts with its own summary line.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "")
# Lines of the package descriptions stay under 80 characters, as Debian's tools expect.
set(CPACK_COMPONENT_GAME_DESCRIPTION "word puzzle game of double meanings\n\
Each puzzle has five items, and each item shows two short definitions\n\
that share one answer. One letter of every answer is marked, and the five\n\
marked letters, rearranged, answer the final clue. Fifty puzzles are built in.")
set(CPACK_COMPONENT_INSTRUCTIONS_DESCRIPTION "instructions viewer for the Wordsnarl word puzzle game\n\
Shows the game's instructions page in a window of its own, started from the\n\
game's How To Play. Without it, the game shows the page in the desktop's web\n\
browser.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_GAME_PACKAGE_NAME wordsnarl)
set(CPACK_DEBIAN_INSTRUCTIONS_PACKAGE_NAME wordsnarl-instructions)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://www.brivak.example/")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# dpkg-shlibdeps declares the Qt libraries the programs link. What they load without
# linking is named here: the fonts the game draws with, and Chromium's helper process
# that Qt WebEngine starts for the instructions viewer. The viewer uses the game's page.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_GAME_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_INSTRUCTIONS_PACKAGE_DEPENDS "libqt6webenginecore6-bin")
set(CPACK_COMPONENT_INSTRUCTIONS_DEPENDS game)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
# Metric twins of the fonts the boards were drawn for (DejaVu stands in without them),
# and the viewer, which a light install leaves out.
set(CPACK_DEBIAN_GAME_PACKAGE_RECOMMENDS "fonts-liberation, wordsnarl-instructions")

include(CPack)
