# Where an installed Wordsnarl lives.
#
# The game finds its instructions viewer and "GameInstructions.htm" in its own folder,
# so the programs and the page share one private folder, and only the game is put on
# the PATH, as a link. Debian keeps such a mix of programs and data under
# /usr/lib/<package> (as Firefox does in /usr/lib/firefox-esr) and keeps web pages and
# helper programs nobody types out of the PATH. Qt reads the program's folder from
# /proc/self/exe, which resolves the link, so the game started from the PATH still
# looks in the private folder.
#
# Debian puts games on the PATH from /usr/games; pass -DCMAKE_INSTALL_BINDIR=bin where
# games/ is not on the PATH.
set(CMAKE_INSTALL_BINDIR games CACHE PATH "User executables (games)")
include(GNUInstallDirs)

set(WORDSNARL_INSTALL_PROGRAMDIR "${CMAKE_INSTALL_LIBDIR}/wordsnarl")

# One id for the menu entry, the icon and the software-centre entry: software centres
# lose the icon when they differ.
set(WORDSNARL_APP_ID "org.brivak.Wordsnarl")

# Everything installed belongs to the game's package but what is marked for the viewer's.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME game)

# Packages want world-readable folders whatever the builder's umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
