# What `cmake --install` puts under the prefix, and the Debian package made of it.
include(GNUInstallDirs)

install(TARGETS drun drun-protokol RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The data folder that the programs look in when the file is not beside them.
install(FILES ${PROJECT_SOURCE_DIR}/data/KL385216.CAD DESTINATION ${CMAKE_INSTALL_DATADIR}/drun)

set(DRUN_DESKTOP ${PROJECT_SOURCE_DIR}/data/desktop)
configure_file(${DRUN_DESKTOP}/cz.drun.Drun.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/cz.drun.Drun.metainfo.xml @ONLY)
install(FILES ${DRUN_DESKTOP}/cz.drun.Drun.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DRUN_DESKTOP}/cz.drun.Drun.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${DRUN_DESKTOP}/cz.drun.Drun.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_BINARY_DIR}/cz.drun.Drun.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# cpack -G DEB: drun_<version>_amd64.deb, library dependencies found from the
# binaries; the menu, MIME and icon caches are refreshed by Debian's own triggers.
set(CPACK_PACKAGE_NAME drun)
set(CPACK_PACKAGE_VENDOR "DRUN")
# The maintainer named in the package: given with -DDRUN_SPRAVCE="Jméno <adresa>",
# otherwise the author of the commit the package is built from.
set(DRUN_SPRAVCE "" CACHE STRING "Maintainer of the Debian package, \"Name <address>\"")
if(DRUN_SPRAVCE STREQUAL "")
  execute_process(COMMAND git log -1 "--format=%an <%ae>" WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE DRUN_SPRAVCE_GIT OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  set(CPACK_PACKAGE_CONTACT "${DRUN_SPRAVCE_GIT}")
else()
  set(CPACK_PACKAGE_CONTACT "${DRUN_SPRAVCE}")
endif()
if(CPACK_PACKAGE_CONTACT STREQUAL "")
  message(WARNING "DRUN_SPRAVCE is not set: the package names no maintainer")
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Výpočet drunu ve VZT zařízení")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so no library dependency names them: Qt's Czech texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_PACKAGE_DESCRIPTION
    "DRUN počítá hluk, který vzduchotechnická síť přenáší od ventilátoru do
místnosti: útlum a vlastní drun každého elementu cesty v oktávových pásmech
63 Hz až 8 kHz a v L(A), hladinu na konci sítě a rozdíl proti požadavku.
Obsahuje grafický program drun a protokol z příkazové řádky drun-protokol.")
include(CPack)
