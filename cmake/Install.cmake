# cmake --install: the program, its instruction page and its maker's page
# together in lib/tarvex (the program directory is the real folder of the
# running program, so they are found there) with tarvex-include beside them,
# bin/ links to both programs, the desktop entry with its AppStream metadata,
# the icon theme's SVG and PNG icons, the manual pages, and the licence and
# changelog where Debian looks for them.
set(TARVEX_PROGRAM_DIR lib/tarvex)
set(TARVEX_ICON_SIZES 16 22 24 32 48 64 128 256)

install(TARGETS tarvex tarvex-include RUNTIME DESTINATION ${TARVEX_PROGRAM_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/tarvexInit.htm ${TARVEX_MAKER_PAGE} DESTINATION ${TARVEX_PROGRAM_DIR})

# Relative links, so they hold inside a DESTDIR and a package alike.
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/install/bin)
foreach(program IN ITEMS tarvex tarvex-include)
    set(programLink ${PROJECT_BINARY_DIR}/install/bin/${program})
    file(CREATE_LINK ../${TARVEX_PROGRAM_DIR}/${program} ${programLink} SYMBOLIC)
    install(FILES ${programLink} DESTINATION bin)
endforeach()

# The desktop entry is named after the AppStream id.
set(TARVEX_APP_ID io.github.tarvex.Tarvex)
install(FILES ${PROJECT_SOURCE_DIR}/resources/${TARVEX_APP_ID}.desktop DESTINATION share/applications)
configure_file(${PROJECT_SOURCE_DIR}/resources/${TARVEX_APP_ID}.metainfo.xml.in
    ${PROJECT_BINARY_DIR}/install/${TARVEX_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/install/${TARVEX_APP_ID}.metainfo.xml DESTINATION share/metainfo)
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

# Manual pages and changelogs are installed compressed, without a name or
# time stamp in the gzip header, so that every build gives the same bytes.
set(manPages ${PROJECT_BINARY_DIR}/install/man/tarvex.1 ${PROJECT_BINARY_DIR}/install/man/tarvex-include.1)
set(changelog ${PROJECT_BINARY_DIR}/install/doc/changelog)
foreach(manPage IN LISTS manPages)
    get_filename_component(pageName ${manPage} NAME)
    configure_file(${PROJECT_SOURCE_DIR}/resources/${pageName}.in ${manPage} @ONLY)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/resources/changelog ${changelog} COPYONLY)
set(compressedDocuments)
foreach(document IN ITEMS ${manPages} ${changelog})
    add_custom_command(OUTPUT ${document}.gz
        COMMAND gzip -9 --no-name --keep --force ${document}
        DEPENDS ${document}
        VERBATIM)
    list(APPEND compressedDocuments ${document}.gz)
endforeach()
add_custom_target(compressed_documents ALL DEPENDS ${compressedDocuments})
list(TRANSFORM manPages APPEND .gz)
install(FILES ${manPages} DESTINATION share/man/man1)
install(FILES ${changelog}.gz ${PROJECT_SOURCE_DIR}/resources/copyright DESTINATION share/doc/tarvex)
