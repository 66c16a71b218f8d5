# Installing beside the programs, and the Debian package made from the install.
#
#   bin/                       Orbivox32, orbivox (app/)
#   lib/orbivox32/             the rotor server programs (servers/) and their readmes
#   share/Orbivox32/           the program folder: data/ (app/), the map images
#   share/doc/orbivox32/       the user guide and the user documents, copyright, changelog
#   share/man/man1/            Orbivox32.1, orbivox.1 (made from the documents)
#   share/applications/, share/metainfo/, share/icons/hicolor/
#   lib/systemd/user/          orbivox-keps.timer and .service (fresh elements, off until enabled)
#
# `bash scripts/package.sh` builds the .deb through CPack.

set(ORBIVOX_APP_ID org.orbivox.Orbivox32)
# The date of this version: the manual pages, the metainfo and the package changelog carry it.
set(ORBIVOX_RELEASE_DATE 2026-12-10)
set(ORBIVOX_CHANGELOG_DATE "Thu, 10 Dec 2026 12:00:00 +0000")
set(ORBIVOX_MAINTAINER "Orbivox32 developers <orbivox32@orbivox.org>")
set(ORBIVOX_DEB_RELEASE 1)
set(ORBIVOX_DEB_VERSION ${PROJECT_VERSION}-${ORBIVOX_DEB_RELEASE})
set(packaging ${CMAKE_CURRENT_LIST_DIR})
set(generated ${PROJECT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${generated})

# The program folder's other contents (the map images, whatever a generator draws there);
# the bundled data is installed from the source tree.
install(DIRECTORY ${ORBIVOX_PROGRAM_FOLDER}/ DESTINATION share/Orbivox32
        REGEX "^${ORBIVOX_PROGRAM_FOLDER}/data(/.*)?$" EXCLUDE)
# The server readmes lie beside the server programs ("Hints [Rotor]" looks for them there).
install(DIRECTORY ${ORBIVOX_SERVER_FOLDER}/ DESTINATION lib/orbivox32
        FILES_MATCHING PATTERN "Readme*.txt")

# Documents for users, and those the manual pages and the README send them to (the
# developers' documents stay in the source tree).
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/docs/guide.md
              ${PROJECT_SOURCE_DIR}/docs/cli.md ${PROJECT_SOURCE_DIR}/docs/conversations.md
              ${PROJECT_SOURCE_DIR}/docs/data-files.md ${PROJECT_SOURCE_DIR}/docs/radio.md
              ${PROJECT_SOURCE_DIR}/docs/rotor.md ${PROJECT_SOURCE_DIR}/docs/robustness.md
              ${packaging}/copyright
        DESTINATION ${ORBIVOX_DOC_DESTINATION})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/images DESTINATION ${ORBIVOX_DOC_DESTINATION})
configure_file(${packaging}/changelog.in ${generated}/changelog @ONLY)

find_program(GZIP_EXECUTABLE gzip REQUIRED)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# Manual pages, made from the documents so they follow them; compressed as Debian wants.
set(manpage_common --source "Orbivox32 ${PROJECT_VERSION}" --date ${ORBIVOX_RELEASE_DATE})
add_custom_command(
  OUTPUT ${generated}/orbivox.1.gz
  COMMAND ${Python3_EXECUTABLE} ${packaging}/manpage.py ${PROJECT_SOURCE_DIR}/docs/cli.md
          --name orbivox --summary "satellite tracking without a window: the Orbivox32 engine for headless stations and scripts"
          --commands --append ${packaging}/man/orbivox-more.md ${manpage_common}
          -o ${generated}/orbivox.1
  COMMAND ${GZIP_EXECUTABLE} -9nf ${generated}/orbivox.1
  DEPENDS ${packaging}/manpage.py ${PROJECT_SOURCE_DIR}/docs/cli.md ${packaging}/man/orbivox-more.md
  COMMENT "Making the manual page orbivox(1)"
  VERBATIM)
add_custom_command(
  OUTPUT ${generated}/Orbivox32.1.gz
  COMMAND ${Python3_EXECUTABLE} ${packaging}/manpage.py ${packaging}/man/Orbivox32.md
          --name Orbivox32 --summary "satellite tracker for amateur-radio operators"
          --synopsis Orbivox32 ${manpage_common} -o ${generated}/Orbivox32.1
  COMMAND ${GZIP_EXECUTABLE} -9nf ${generated}/Orbivox32.1
  DEPENDS ${packaging}/manpage.py ${packaging}/man/Orbivox32.md
  COMMENT "Making the manual page Orbivox32(1)"
  VERBATIM)
add_custom_command(
  OUTPUT ${generated}/changelog.Debian.gz
  COMMAND ${GZIP_EXECUTABLE} -9nc ${generated}/changelog > ${generated}/changelog.Debian.gz
  DEPENDS ${generated}/changelog
  VERBATIM)
add_custom_target(orbivox_packaging ALL
  DEPENDS ${generated}/orbivox.1.gz ${generated}/Orbivox32.1.gz ${generated}/changelog.Debian.gz)
install(FILES ${generated}/orbivox.1.gz ${generated}/Orbivox32.1.gz DESTINATION share/man/man1)
install(FILES ${generated}/changelog.Debian.gz DESTINATION ${ORBIVOX_DOC_DESTINATION})

# Every command of the command-line tool's document must reach its manual page; an install
# into a scratch prefix must give the layout the programs find their files in.
if(ORBIVOX_TESTS)
  add_test(NAME manpage COMMAND ${Python3_EXECUTABLE} ${packaging}/test_manpage.py
                                ${PROJECT_SOURCE_DIR}/docs/cli.md)
  add_test(NAME install COMMAND ${Python3_EXECUTABLE} ${packaging}/test_install.py
                                ${PROJECT_BINARY_DIR})
  # A sanitizer build must not fail over what Qt keeps until exit.
  set_tests_properties(install PROPERTIES ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
  # The package build (scripts/package.sh) builds what is installed and nothing else.
  add_test(NAME package_build COMMAND ${Python3_EXECUTABLE} ${packaging}/test_package_build.py)
endif()

# The user timer that keeps the element files fresh; installed, never enabled by the package.
install(FILES ${packaging}/orbivox-keps.timer ${packaging}/orbivox-keps.service
        DESTINATION lib/systemd/user)

# Desktop entry, metainfo and icon.
install(FILES ${packaging}/${ORBIVOX_APP_ID}.desktop DESTINATION share/applications)
configure_file(${packaging}/${ORBIVOX_APP_ID}.metainfo.xml ${generated}/${ORBIVOX_APP_ID}.metainfo.xml
               @ONLY)
install(FILES ${generated}/${ORBIVOX_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${packaging}/${ORBIVOX_APP_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)
find_program(RSVG_CONVERT_EXECUTABLE rsvg-convert)
if(RSVG_CONVERT_EXECUTABLE)
  set(icons "")
  foreach(size 16 24 32 48 64 128 256)
    set(png ${generated}/icons/${size}x${size}/${ORBIVOX_APP_ID}.png)
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}/icons/${size}x${size}
      COMMAND ${RSVG_CONVERT_EXECUTABLE} -w ${size} -h ${size} ${packaging}/${ORBIVOX_APP_ID}.svg -o ${png}
      DEPENDS ${packaging}/${ORBIVOX_APP_ID}.svg
      VERBATIM)
    list(APPEND icons ${png})
    install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(orbivox_icons ALL DEPENDS ${icons})
else()
  message(STATUS "rsvg-convert not found (package librsvg2-bin): only the SVG icon is installed")
endif()

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbivox32)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "${ORBIVOX_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "satellite tracker for amateur-radio operators")
# Lines of at most 80 characters, as dpkg shows them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Orbivox32 follows a group of satellites in real time on a world map, predicts"
  "their passes, points an antenna rotator at the satellite being worked and keeps"
  "one or two transceivers (Yaesu, Kenwood, Icom) tuned while the Doppler shift"
  "changes. The command-line tool orbivox runs the same engine on headless"
  "stations.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${ORBIVOX_DEB_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window needs a platform plugin, which no library links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-speech-speechd-plugin, speech-dispatcher")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libhamlib-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
