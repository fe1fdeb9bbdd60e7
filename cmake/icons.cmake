# KORVANT's icon at the hicolor sizes, rendered at build time from the one SVG
# (packaging/korvant.svg) by rsvg-convert, so that the installed icons and the window's icon (the
# same PNGs compiled into the window as a Qt resource) always agree with it.
find_program(KORVANT_RSVG_CONVERT rsvg-convert REQUIRED)
set(KORVANT_ICON_SIZES 16 22 24 32 48 64 128 256 512)
set(KORVANT_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(KORVANT_ICON_FILES)
foreach(size IN LISTS KORVANT_ICON_SIZES)
  set(folder ${KORVANT_ICON_DIR}/hicolor/${size}x${size}/apps)
  add_custom_command(OUTPUT ${folder}/korvant.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${KORVANT_RSVG_CONVERT} --width=${size} --height=${size}
            --output=${folder}/korvant.png ${PROJECT_SOURCE_DIR}/packaging/korvant.svg
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/korvant.svg
    COMMENT "Rendering the ${size} px icon" VERBATIM)
  list(APPEND KORVANT_ICON_FILES ${folder}/korvant.png)
  install(FILES ${folder}/korvant.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(korvant_icons ALL DEPENDS ${KORVANT_ICON_FILES})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/korvant.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
