# `cpack` turns the install rules into a Debian package.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wordsnarl)
set(CPACK_PACKAGE_VENDOR Brivak)
set(CPACK_PACKAGE_CONTACT "Brivak <support@brivak.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word puzzle game of double meanings")
# Lines of the package description stay under 80 characters, as Debian's tools expect.
set(CPACK_PACKAGE_DESCRIPTION "Each puzzle has five items, and each item shows two short definitions\n\
that share one answer. One letter of every answer is marked, and the five\n\
marked letters, rearranged, answer the final clue. Fifty puzzles are built in.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://www.brivak.example/")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# dpkg-shlibdeps declares the Qt libraries the programs link. What they load without
# linking is named here: the fonts the game draws with, and Chromium's helper process
# that Qt WebEngine starts for the instructions viewer.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
if(TARGET wordsnarl-instructions)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libqt6webenginecore6-bin")
endif()
# Metric twins of the fonts the boards were drawn for; DejaVu stands in without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")

include(CPack)
