# Installation of the desktop integration and the Debian package built by `cpack -G DEB`: the
# desktop entry, the input file type, the AppStream metainfo, the manual pages and the Debian
# changelog gzipped as Debian wants them, the bash completion of korvant-cli, the copyright file
# (the MIT licence, stated as Debian packages state it) and the package's lintian overrides.
# The icons are in icons.cmake.

install(FILES ${PROJECT_SOURCE_DIR}/packaging/korvant.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/korvant-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME korvant.xml)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/org.example.korvant.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/korvant-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME korvant-cli)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME korvant)

# Manual pages and the changelog compressed with "gzip -9n": no name or time stamp inside, so the
# same text gives the same bytes.
find_program(KORVANT_GZIP gzip REQUIRED)
set(gzipped)
foreach(source korvant.1 korvant-cli.1 changelog)
  set(target ${CMAKE_BINARY_DIR}/packaging/${source}.gz)
  add_custom_command(OUTPUT ${target}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND ${KORVANT_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/packaging/${source} > ${target}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${source} VERBATIM)
  list(APPEND gzipped ${target})
endforeach()
add_custom_target(korvant_gzipped ALL DEPENDS ${gzipped})
install(FILES ${CMAKE_BINARY_DIR}/packaging/korvant.1.gz ${CMAKE_BINARY_DIR}/packaging/korvant-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME changelog.Debian.gz)

# A stripped install drops the compiler's identification (.comment) as Debian's own stripping
# does; the strip of CMake keeps it.
install(CODE [[
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program korvant korvant-cli)
      set(file "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/${program}")
      if(EXISTS "${file}")
        execute_process(COMMAND objcopy --remove-section=.comment "${file}"
                        RESULT_VARIABLE failed)
        if(failed)
          message(FATAL_ERROR "objcopy could not remove the .comment section of ${file}")
        endif()
      endif()
    endforeach()
  endif()
]])

set(CPACK_PACKAGE_NAME korvant)
set(CPACK_PACKAGE_VENDOR "KORVANT developers")
set(CPACK_PACKAGE_CONTACT "KORVANT developers <korvant@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Thickness design of rigid airfield pavements")
# The extended description, its lines within the 80 columns Debian allows.
set(CPACK_PACKAGE_DESCRIPTION
    "KORVANT designs the slab thickness of rigid (portland-cement concrete)\n\
airfield pavements. An engineer enters the concrete, subgrade, slab and\n\
climate values, builds a traffic mix from an aircraft catalogue and gets\n\
the slab thickness at which the 20-year fatigue damage of the mix adds up\n\
to 1, with a fixed-layout report. The package holds the desktop program,\n\
the korvant-cli batch tool and the aircraft catalogue.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/korvant")
include(CPack)
