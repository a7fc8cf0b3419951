# Puts the application into the desktop's menu on `cmake --install`: a desktop entry that starts the
# installed executable, and the application icon in the hicolor theme. Included from resources/.

# The entry is written at install time, so that it names the executable wherever `--prefix` put it.
install(CODE "
    set(kompresto_desktop_template \"${CMAKE_CURRENT_LIST_DIR}/vantorel-kompresto.desktop.in\")
    set(kompresto_bindir \"${CMAKE_INSTALL_BINDIR}\")
    set(kompresto_applications_dir \"${CMAKE_INSTALL_DATADIR}/applications\")
")
install(CODE [[
    if(IS_ABSOLUTE "${kompresto_bindir}")
        set(KOMPRESTO_INSTALLED_EXECUTABLE "${kompresto_bindir}/VantorelKompresto")
    else()
        set(KOMPRESTO_INSTALLED_EXECUTABLE "${CMAKE_INSTALL_PREFIX}/${kompresto_bindir}/VantorelKompresto")
    endif()
    set(kompresto_entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${kompresto_applications_dir}/vantorel-kompresto.desktop")
    message(STATUS "Installing: ${kompresto_entry}")
    configure_file("${kompresto_desktop_template}" "${kompresto_entry}" @ONLY)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${kompresto_entry}")
]])

# The drawing the application icon is rendered from, scalable for every menu and panel size.
set(icon_drawing ${PROJECT_SOURCE_DIR}/resources/images-src/vantorel.svg)
if(EXISTS ${icon_drawing})
    install(FILES ${icon_drawing} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME vantorel-kompresto.svg)
else()
    message(WARNING "The application icon ${icon_drawing} is missing; the desktop entry will have none")
endif()
