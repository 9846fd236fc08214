# Installing Vestran the way Debian installs games, and its Debian package:
#   cmake --install build [--prefix P]     (DESTDIR works too)
#   P/games/vestran, P/games/vestran-tool
#   P/share/games/vestran/...              pictures, sounds, music, the help page
#   P/share/applications, icons/hicolor, metainfo, man/man6
# Nothing is written under the prefix when the game runs: saves go to the player's
# own data folder.
include(GNUInstallDirs)

# One reverse-domain id names the desktop entry, the icon and the AppStream data.
set(VESTRAN_APP_ID "org.example.vestran.Vestran")
set(VESTRAN_RELEASE_DATE "2026-12-08")
set(VESTRAN_RELEASE_DATE_RFC2822 "Tue, 08 Dec 2026 12:00:00 +0000")
set(VESTRAN_INSTALL_BINDIR "games" CACHE STRING
    "Where vestran and vestran-tool are installed, under the prefix (Debian's place for games)")
set(VESTRAN_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/games/vestran")
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The game finds an install's data relative to its own folder, so a moved prefix
# still works.
cmake_path(ABSOLUTE_PATH VESTRAN_INSTALL_BINDIR BASE_DIRECTORY /prefix OUTPUT_VARIABLE _bin)
cmake_path(ABSOLUTE_PATH VESTRAN_INSTALL_DATADIR BASE_DIRECTORY /prefix OUTPUT_VARIABLE _data)
file(RELATIVE_PATH _data_from_bin "${_bin}" "${_data}")
set_source_files_properties(${CMAKE_SOURCE_DIR}/platform/Paths.cpp TARGET_DIRECTORY vestran_core
                            PROPERTIES COMPILE_DEFINITIONS VESTRAN_DATA_FROM_BIN="${_data_from_bin}")

# Only a build of the whole game installs or packages anything.
if(NOT TARGET vestran OR NOT TARGET vestran-tool OR NOT TARGET vestran_assets_files)
  return()
endif()

install(TARGETS vestran vestran-tool RUNTIME DESTINATION ${VESTRAN_INSTALL_BINDIR})

# The generated data: only the folders and files the game reads, never the build
# tree's Save/ or anything a test left behind.
foreach(_dir Resourse Wav Music)
  install(DIRECTORY ${CMAKE_BINARY_DIR}/${_dir} DESTINATION ${VESTRAN_INSTALL_DATADIR}
          FILES_MATCHING PATTERN "*.pic" PATTERN "*.bmp" PATTERN "*.png" PATTERN "*.wav"
          PATTERN "*.Wav" PATTERN "*.mid" PATTERN "twins.txt")
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/ReadMe.htm DESTINATION ${VESTRAN_INSTALL_DATADIR})

# The menu entry runs the installed binary by its full path (games/ is not on every
# PATH), so the path is written when the prefix is known: at install time.
set(_dist ${CMAKE_BINARY_DIR}/dist)
set(VESTRAN_EXEC "@VESTRAN_EXEC@")
configure_file(${CMAKE_SOURCE_DIR}/dist/vestran.desktop.in ${_dist}/desktop.in @ONLY)
install(CODE "set(VESTRAN_DESKTOP_IN \"${_dist}/desktop.in\")
  set(VESTRAN_DESKTOP_OUT \"${_dist}/${VESTRAN_APP_ID}.desktop\")
  set(VESTRAN_BINDIR \"${VESTRAN_INSTALL_BINDIR}\")
  set(VESTRAN_APPLICATIONS \"${CMAKE_INSTALL_DATADIR}/applications\")
  include(\"${CMAKE_SOURCE_DIR}/cmake/InstallDesktop.cmake\")")

configure_file(${CMAKE_SOURCE_DIR}/dist/vestran.metainfo.xml.in
               ${_dist}/${VESTRAN_APP_ID}.metainfo.xml @ONLY)
install(FILES ${_dist}/${VESTRAN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon, drawn by the asset generator beside the data.
foreach(_size 32 48 64 128 256)
  install(FILES ${CMAKE_BINARY_DIR}/Icons/${_size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps
          RENAME ${VESTRAN_APP_ID}.png)
endforeach()

# Manual pages from the programs' own --help.
set(_man ${CMAKE_BINARY_DIR}/man)
file(MAKE_DIRECTORY ${_man})
add_custom_command(
  OUTPUT ${_man}/vestran.6.gz
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:vestran> -DNAME=vestran
          "-DSUMMARY=a turn-based fantasy strategy game" -DVERSION=${PROJECT_VERSION}
          -DDATE=${VESTRAN_RELEASE_DATE} -DFILES_TEXT=${CMAKE_SOURCE_DIR}/dist/vestran.6.files
          -DOUT=${_man}/vestran.6.gz -P ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake
  DEPENDS vestran ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake ${CMAKE_SOURCE_DIR}/dist/vestran.6.files
  COMMENT "Writing the manual page of vestran"
  VERBATIM)
add_custom_command(
  OUTPUT ${_man}/vestran-tool.6.gz
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:vestran-tool> -DNAME=vestran-tool
          "-DSUMMARY=the command-line companion of the game Vestran" -DVERSION=${PROJECT_VERSION}
          -DDATE=${VESTRAN_RELEASE_DATE} -DCOMMANDS=ON -DOUT=${_man}/vestran-tool.6.gz
          -P ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake
  DEPENDS vestran-tool ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake
  COMMENT "Writing the manual page of vestran-tool"
  VERBATIM)
add_custom_target(vestran_man ALL DEPENDS ${_man}/vestran.6.gz ${_man}/vestran-tool.6.gz)
install(FILES ${_man}/vestran.6.gz ${_man}/vestran-tool.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# The install as a player gets it: into a scratch folder, then run from there.
add_test(NAME install COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/smoke.sh
                              ${CMAKE_BINARY_DIR} ${VESTRAN_APP_ID})
set_tests_properties(install PROPERTIES TIMEOUT 120)

# The Debian package (./build.sh package): vestran_<version>-1_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vestran)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "The Vestran developers <team@vestran.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn-based fantasy strategy game in Russian")
set(CPACK_PACKAGE_DESCRIPTION
    "A single-player game with a Russian interface: a hero walks three continents,\n"
    "visits thirty towns of five races, hires troops within gold and Authority and\n"
    "fights small turn-based battles against bandits and the guards of the towns'\n"
    "vaults. Every vault taken deciphers one letter of a runic diary that leads to\n"
    "the grave of the Great Mage and the Spell of Power.\n"
    "\n"
    "Every picture, sound and tune is generated from the game's own source code.\n"
    "The package also holds vestran-tool, a command-line companion for saved games.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Read at run time, so shlibdeps cannot see them: the General MIDI sound font the
# music plays through, the font of the windows, and the sound and gamepad library
# the game opens once its first window is up (SDL_GameControllerPath is 2.24's,
# Mix_LoadWAV as a function 2.6's).
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "timgm6mb-soundfont, fonts-dejavu-core, libsdl2-2.0-0 (>= 2.24.0), libsdl2-mixer-2.0-0 (>= 2.6.0)")
# Debian's copyright file and changelog belong to the package only.
set(VESTRAN_DEB_VERSION ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
configure_file(${CMAKE_SOURCE_DIR}/dist/changelog.Debian.in ${_dist}/changelog.Debian @ONLY)
set(VESTRAN_DIST_DIR ${_dist})
configure_file(${CMAKE_SOURCE_DIR}/cmake/DebianDocs.cmake.in ${_dist}/DebianDocs.cmake @ONLY)
set(CPACK_INSTALL_SCRIPTS ${_dist}/DebianDocs.cmake)
include(CPack)
