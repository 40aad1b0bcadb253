# SPDX-FileCopyrightText: 2026 The Wupple developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installing the game and packaging it as a Debian package (`make package`).
#
# An installed copy keeps its shipped files in share/wupple; each user gets a writable copy of
# them in ~/.local/share/Wupple on first start.
include(GNUInstallDirs)

# The identity the desktop and software centres know the game by.
set(WUPPLE_APP_ID example.tobrix.wupple)
set(WUPPLE_HOMEPAGE https://tobrix.example/wupple/)
# The day this version was released; change it together with the version in project().
set(WUPPLE_RELEASE_DATE 2026-12-06)

install(TARGETS wupple RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${WUPPLE_RUNTIME_DIR}/deutsch ${WUPPLE_RUNTIME_DIR}/english ${WUPPLE_RUNTIME_DIR}/svenska
                  ${WUPPLE_RUNTIME_DIR}/italiano DESTINATION ${CMAKE_INSTALL_DATADIR}/wupple)
install(FILES ${WUPPLE_RUNTIME_DIR}/wupple.mid ${WUPPLE_RUNTIME_DIR}/wuppel32.html ${WUPPLE_RUNTIME_DIR}/wupple32.html
              ${WUPPLE_RUNTIME_DIR}/wupple32_sv.html ${WUPPLE_RUNTIME_DIR}/wupple32_it.html
        DESTINATION ${CMAKE_INSTALL_DATADIR}/wupple)
# The tune's own soundfont, when the General MIDI one it is taken from was there at build time.
install(FILES ${WUPPLE_RUNTIME_DIR}/wupple.sf2 DESTINATION ${CMAKE_INSTALL_DATADIR}/wupple OPTIONAL)

# Icons in every hicolor size and as SVG, drawn by wupple-artgen.
install(DIRECTORY ${CMAKE_BINARY_DIR}/resources/art/pictures/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/wupple.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${CMAKE_SOURCE_DIR}/resources/desktop/wupple.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${WUPPLE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${WUPPLE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Who made what is installed, and under which licence, in Debian's machine-readable format.
install(FILES ${CMAKE_SOURCE_DIR}/cmake/debian-copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/wupple RENAME copyright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wupple)
set(CPACK_PACKAGE_VENDOR Tobrix)
set(CPACK_PACKAGE_CONTACT "Tobrix <wupple@tobrix.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "letter-guessing word game for children")
set(CPACK_PACKAGE_DESCRIPTION
    "Wupple is a word game for one to four children. A hidden word stands on the board as a row \
of empty tiles; the players take turns to pick letters from a washing line. A letter that is in \
the word appears in its tiles, one that is not adds a step to a picture. The game speaks German, \
English, Swedish and Italian and comes with word lists that parents can edit.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${WUPPLE_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from dpkg-shlibdeps, except SDL_mixer: the game loads it itself when the first
# sound plays, so dpkg-shlibdeps cannot see it (it brings SDL and FluidSynth along). The music needs a General MIDI
# soundfont at its standard place, and the menus and dialogs need at least one font, DejaVu, the
# letter cards' own; the pictures of the words are drawn in the colour emoji font, and the small
# letters in Andika, made for beginning readers. Qt's translations let the standard buttons, the file dialog and the key names
# speak the game's language.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's SQLite driver is a plugin that the record of play loads by name, so dpkg-shlibdeps cannot
# see it either.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl2-mixer-2.0-0, timgm6mb-soundfont, fonts-dejavu-core, fonts-noto-color-emoji, fonts-sil-andika, qt6-translations-l10n, libqt6sql6-sqlite")
# The voice is loaded the same way, when it first speaks; without it the game plays on silently.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libespeak-ng1, espeak-ng-data")
include(CPack)
