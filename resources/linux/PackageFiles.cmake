# What a Linux installation carries besides the programs: the AppStream description that software
# centres show, the command's manual page, and the package's copyright and change log. Included
# from resources/.

# The version is written once, in the project; every file that names it is configured from it.
foreach(source com.vantorel.kompresto.metainfo.xml kompresto.1 VantorelKompresto.1 changelog)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/${source} ${CMAKE_CURRENT_BINARY_DIR}/linux/${source} @ONLY)
endforeach()

install(FILES ${CMAKE_CURRENT_BINARY_DIR}/linux/com.vantorel.kompresto.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages and the change log are installed compressed, reproducibly (no name, no time stamp).
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(kompresto_compressed_docs)
foreach(source kompresto.1 VantorelKompresto.1 changelog)
    set(compressed ${CMAKE_CURRENT_BINARY_DIR}/linux/${source}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${GZIP_EXECUTABLE} -9 -n -c ${CMAKE_CURRENT_BINARY_DIR}/linux/${source} > ${compressed}
        DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/linux/${source}
        VERBATIM)
    list(APPEND kompresto_compressed_docs ${compressed})
endforeach()
add_custom_target(kompresto_compressed_docs ALL DEPENDS ${kompresto_compressed_docs})

install(FILES ${CMAKE_CURRENT_BINARY_DIR}/linux/kompresto.1.gz ${CMAKE_CURRENT_BINARY_DIR}/linux/VantorelKompresto.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vantorel-kompresto)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/linux/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vantorel-kompresto)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME vantorel-kompresto)
