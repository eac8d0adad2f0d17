# cmake --install: the program, its instruction page and its maker's page together in
# lib/tarvex (the program directory is the real folder of the running
# program, so they are found there), a bin/tarvex link to it, the desktop
# entry and the icon theme's SVG and PNG icons.
set(TARVEX_PROGRAM_DIR lib/tarvex)
set(TARVEX_ICON_SIZES 16 22 24 32 48 64 128 256)

install(TARGETS tarvex RUNTIME DESTINATION ${TARVEX_PROGRAM_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/tarvexInit.htm ${TARVEX_MAKER_PAGE} DESTINATION ${TARVEX_PROGRAM_DIR})

# A relative link, so it holds inside a DESTDIR and a package alike.
set(programLink ${PROJECT_BINARY_DIR}/install/bin/tarvex)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/install/bin)
file(CREATE_LINK ../${TARVEX_PROGRAM_DIR}/tarvex ${programLink} SYMBOLIC)
install(FILES ${programLink} DESTINATION bin)

install(FILES ${PROJECT_SOURCE_DIR}/resources/tarvex.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/tarvex.svg DESTINATION share/icons/hicolor/scalable/apps)

set(iconFolder ${PROJECT_BINARY_DIR}/install/icons)
set(renderedIcons)
foreach(size IN LISTS TARVEX_ICON_SIZES)
    list(APPEND renderedIcons ${iconFolder}/${size}x${size}/apps/tarvex.png)
endforeach()
add_custom_command(OUTPUT ${renderedIcons}
    COMMAND render_icons ${PROJECT_SOURCE_DIR}/resources/tarvex.svg ${iconFolder} tarvex ${TARVEX_ICON_SIZES}
    DEPENDS render_icons ${PROJECT_SOURCE_DIR}/resources/tarvex.svg
    COMMENT "Drawing the program's PNG icons"
    VERBATIM)
add_custom_target(program_icons ALL DEPENDS ${renderedIcons})
install(DIRECTORY ${iconFolder}/ DESTINATION share/icons/hicolor)
