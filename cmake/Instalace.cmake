# What `cmake --install` puts where a desktop expects it, and the Debian
# package CPack builds from the same rules. The package's library
# dependencies come from the binary; the plugins, fonts and translation the
# program loads at run time are named here because no linker sees them.
include(GNUInstallDirs)

install(TARGETS vorta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/cz.vorta.Vorta.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/cz.vorta.Vorta.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/vorta.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME cz.vorta.Vorta.svg)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/vorta-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME cz.vorta.Vorta.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Vývojáři programu VORTA <vorta@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Demonstrace operací se spojitými a diskrétními signály")
set(CPACK_PACKAGE_DESCRIPTION "Výukový program k předmětu Signály a systémy: operace se signály, konvoluce, Fourierova řada a transformace, DFR, DTFT, DFT, aliasing a FFT.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, qt6-translations-l10n")
include(CPack)
