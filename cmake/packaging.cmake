# Installation of the desktop integration and the Debian package built by `cpack -G DEB`.
# The package's licence is the MIT licence, stated in its copyright file
# (share/doc/korvant/copyright) as Debian packages state it.

install(FILES ${PROJECT_SOURCE_DIR}/packaging/korvant.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/korvant-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME korvant.xml)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/korvant.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/korvant.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/korvant-cli.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME korvant)
set(CPACK_PACKAGE_VENDOR "KORVANT developers")
set(CPACK_PACKAGE_CONTACT "KORVANT developers <korvant@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Thickness design of rigid airfield pavements")
set(CPACK_PACKAGE_DESCRIPTION
    "KORVANT designs the slab thickness of rigid (portland-cement concrete) airfield pavements.\n\
An engineer enters the concrete, subgrade, slab and climate values, builds a traffic\n\
mix from an aircraft catalogue and gets the slab thickness at which the 20-year\n\
fatigue damage of the mix adds up to 1, with a fixed-layout report. The package\n\
holds the desktop program, the korvant-cli batch tool and the aircraft catalogue.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/korvant")
include(CPack)
