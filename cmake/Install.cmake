# cmake --install: the program and its instruction page together in
# lib/tarvex (the program directory is the real folder of the running
# program, so both are found there), a bin/tarvex link to it, the desktop
# entry and the icon theme's SVG and PNG icons.
set(TARVEX_PROGRAM_DIR lib/tarvex)
set(TARVEX_ICON_SIZES 16 22 24 32 48 64 128 256)

install(TARGETS tarvex RUNTIME DESTINATION ${TARVEX_PROGRAM_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/tarvexInit.htm DESTINATION ${TARVEX_PROGRAM_DIR})

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

# tarvex-include beside tarvex, with a bin/ link like tarvex's and its
# manual page, compressed as Debian wants it.
install(TARGETS tarvex-include RUNTIME DESTINATION ${TARVEX_PROGRAM_DIR})
set(includeLink ${PROJECT_BINARY_DIR}/install/bin/tarvex-include)
file(CREATE_LINK ../${TARVEX_PROGRAM_DIR}/tarvex-include ${includeLink} SYMBOLIC)
install(FILES ${includeLink} DESTINATION bin)
set(includeManPage ${PROJECT_BINARY_DIR}/install/man/tarvex-include.1)
add_custom_command(OUTPUT ${includeManPage}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/resources/tarvex-include.1 ${includeManPage}
    COMMAND gzip -9 -n -f ${includeManPage}
    DEPENDS ${PROJECT_SOURCE_DIR}/resources/tarvex-include.1
    COMMENT "Compressing the manual page of tarvex-include"
    VERBATIM)
add_custom_target(include_man_page ALL DEPENDS ${includeManPage}.gz)
install(FILES ${includeManPage}.gz DESTINATION share/man/man1)
