# The Debian package, made by CPack from the installed tree (./scripts/package builds and checks it).
# Dependencies: dpkg-shlibdeps computes those of the linked libraries; the rest are what the
# program needs at run time and cannot be seen in its links.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gridlex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT ${GRIDLEX_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "build and solve Russian-language crosswords")
set(CPACK_PACKAGE_DESCRIPTION
"Gridlex builds crosswords from a dictionary: draw the shape of a grid with
the mouse or let the program generate a symmetric one, and Gridlex fills every
slot so that crossing words agree and attaches the clues. Solve the puzzle by
typing letters, save and load it, print it on one page or export it as a web
page with a picture of the grid. Dictionaries can be searched, corrected,
extended and created anew; a Russian dictionary is included.

The batch tool gridlex-cli builds and inspects crosswords and dictionaries
without the window.")
set(CPACK_STRIP_FILES ON)
# A plain strip keeps the compilers' .comment notes, which an archive package leaves out.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/PackageStaging.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Not "games": Debian keeps a game's programs in /usr/games, while these two, one of them a batch
# tool for scripts, stay in /usr/bin where `cmake --install` puts them for any prefix.
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${GRIDLEX_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts in Russian; the media back end that plays the WAV sound effects; the fonts the
# board, clue list and printout are drawn with (Arial is met by Liberation Sans).
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-translations-l10n, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, fonts-liberation")
# The MPEG films of the advertisement list; opening help and exported pages in the user's browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-libav, xdg-utils")
include(CPack)
