# What `cmake --install` puts where (any prefix; DESTDIR is honoured): the two programs, the
# delivered program folder (read-only under share/gridlex; each user works in a copy), the desktop
# entry, icons, file types, AppStream data, manual pages and documentation.

set(GRIDLEX_APP_ID org.gridlex.Gridlex)
set(GRIDLEX_HOMEPAGE "https://gridlex.example.org" CACHE STRING "Home page named by the package and the AppStream data")
set(GRIDLEX_SCREENSHOT_URL "${GRIDLEX_HOMEPAGE}/screenshot.png" CACHE STRING "Where the screenshot docs/screenshot.png is published")
set(GRIDLEX_MAINTAINER "Gridlex developers <gridlex@example.org>" CACHE STRING "Package maintainer")
set(GRIDLEX_RELEASE_DATE "2026-12-08")
set(GRIDLEX_RELEASE_DATE_RFC2822 "Tue, 08 Dec 2026 00:00:00 +0000")

# The package is named gridlex in lower case, and so is its documentation folder.
set(CMAKE_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/gridlex)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(generated ${PROJECT_BINARY_DIR}/packaging)

install(TARGETS gridlex-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/dist/ DESTINATION ${CMAKE_INSTALL_DATADIR}/gridlex)

# The programs look for the delivered folder beside their own; in the build tree that place is a
# link to dist/, so a program run from the build behaves as an installed one.
get_filename_component(delivered_parent ${GRIDLEX_DELIVERED_FROM_BIN} DIRECTORY)
add_custom_target(gridlex_build_tree_share ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:gridlex-cli>/${delivered_parent}
  COMMAND ${CMAKE_COMMAND} -E create_symlink ${PROJECT_SOURCE_DIR}/dist
          $<TARGET_FILE_DIR:gridlex-cli>/${GRIDLEX_DELIVERED_FROM_BIN}
  VERBATIM)

# Manual pages from the programs' own --help and --version.
find_program(HELP2MAN help2man)
set(manual_programs gridlex-cli)
set(gridlex-cli_manual_name "build and inspect crosswords and dictionaries without the window")
if(GRIDLEX_GUI)
  list(APPEND manual_programs gridlex)
  set(gridlex_manual_name "build and solve Russian-language crosswords")
endif()
if(HELP2MAN)
  set(manual_pages)
  # The batch tool's page also explains each command, from the command's own --help.
  set(gridlex-cli_manual_include ${generated}/man/gridlex-cli-commands.h2m)
  add_custom_command(OUTPUT ${gridlex-cli_manual_include}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}/man
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:gridlex-cli> -DOUTPUT=${gridlex-cli_manual_include}
            -P ${PROJECT_SOURCE_DIR}/cmake/CliManualSections.cmake
    DEPENDS gridlex-cli ${PROJECT_SOURCE_DIR}/cmake/CliManualSections.cmake
    VERBATIM)
  foreach(program ${manual_programs})
    set(page ${generated}/man/${program}.1)
    set(include)
    if(${program}_manual_include)
      set(include --include=${${program}_manual_include})
    endif()
    add_custom_command(OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}/man
      COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 LC_ALL=C.UTF-8
              ${HELP2MAN} --no-info --no-discard-stderr --name=${${program}_manual_name} ${include}
              --output=${page} $<TARGET_FILE:${program}>
      COMMAND gzip -9nf ${page}
      DEPENDS ${program} ${${program}_manual_include}
      VERBATIM)
    list(APPEND manual_pages ${page}.gz)
  endforeach()
  add_custom_target(gridlex_manual_pages ALL DEPENDS ${manual_pages})
  install(FILES ${manual_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(WARNING "help2man not found: the manual pages are not made (apt-get install help2man)")
endif()

# Documentation: the README, the licence notices and the change log.
configure_file(${packaging}/changelog.in ${generated}/changelog @ONLY)
add_custom_command(OUTPUT ${generated}/changelog.gz
  COMMAND gzip -9nc ${generated}/changelog > ${generated}/changelog.gz
  DEPENDS ${generated}/changelog
  VERBATIM)
add_custom_target(gridlex_changelog ALL DEPENDS ${generated}/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${packaging}/copyright ${generated}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(GRIDLEX_GUI)
  install(TARGETS gridlex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # The batch tool's drawing module, loaded from this path relative to the tool.
  install(TARGETS gridlex_cli_draw LIBRARY DESTINATION ${GRIDLEX_DRAWING_MODULE_DIR})
  install(FILES ${packaging}/${GRIDLEX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${packaging}/${GRIDLEX_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME ${GRIDLEX_APP_ID}.xml)
  configure_file(${packaging}/${GRIDLEX_APP_ID}.metainfo.xml.in ${generated}/${GRIDLEX_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${generated}/${GRIDLEX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${packaging}/icons/${GRIDLEX_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${packaging}/icons/${GRIDLEX_APP_ID}-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${GRIDLEX_APP_ID}.png)
  endforeach()
endif()
