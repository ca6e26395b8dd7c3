# What `cmake --install` puts under the prefix, and the Debian package built
# from it with `cpack -G DEB`:
#   bin/geometrie
#   share/applications/<id>.desktop
#   share/icons/hicolor/{48x48,64x64,128x128,256x256,scalable}/apps/<id>.{png,svg}
#   share/metainfo/<id>.metainfo.xml
#   share/man/man1/geometrie.1
include(GNUInstallDirs)

set(GEO_PAKET_DIR ${CMAKE_CURRENT_LIST_DIR})

install(TARGETS Geometrie RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${GEO_PAKET_DIR}/${GEOMETRIE_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${GEO_PAKET_DIR}/${GEOMETRIE_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${GEO_PAKET_DIR}/geometrie.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The icons are drawn by tools/Programmsymbol into this folder.
install(DIRECTORY ${GEO_PAKET_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

set(GEOMETRIE_PAKETVERWALTER "Geometrie-Projekt <geometrie@example.org>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME geometrie)
set(CPACK_PACKAGE_VENDOR "Geometrie-Projekt")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "geometry course in German for lower secondary school")
set(CPACK_PACKAGE_DESCRIPTION "Geometrie teaches pupils of about twelve, in German, with drawings they can
move: kinds of angles, adding and subtracting angles with compass and
straightedge, angle pairs at crossing and parallel lines, reflection in an
axis, perpendicular and angle bisectors, and the triangle.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${GEOMETRIE_PAKETVERWALTER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binary; the fonts are loaded by path at run time,
# Qt's platform plugins (only recommended by libqt6gui6) are needed to open a
# window at all, and Qt's translations give its own texts in German.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
