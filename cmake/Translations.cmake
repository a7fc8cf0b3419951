# The interface catalogues: resources/translations/Translation_<suffix>.ts are compiled to .qm at
# build time and embedded, together with Qt's own catalogues, under ":/translations/language/".
# Keep the .ts files in step with the code with scripts/update-translations.sh.

set(KOMPRESTO_LANGUAGE_SUFFIXES en de fr es it ja pt)
# Qt's catalogues come from Debian's qttranslations5-l10n; Qt has none of its own for Spanish here.
set(KOMPRESTO_QT_CATALOGUE_SUFFIXES de en fr it ja pt)

set(translations_source_dir ${PROJECT_SOURCE_DIR}/resources/translations)
set(translations_binary_dir ${CMAKE_CURRENT_BINARY_DIR}/translations)
file(MAKE_DIRECTORY ${translations_binary_dir})

set(ts_files)
foreach(suffix ${KOMPRESTO_LANGUAGE_SUFFIXES})
    list(APPEND ts_files ${translations_source_dir}/Translation_${suffix}.ts)
endforeach()
set_source_files_properties(${ts_files} PROPERTIES OUTPUT_LOCATION ${translations_binary_dir})
qt5_add_translation(qm_files ${ts_files} OPTIONS -silent)

get_target_property(qmake_executable Qt5::qmake IMPORTED_LOCATION)
execute_process(COMMAND ${qmake_executable} -query QT_INSTALL_TRANSLATIONS
    OUTPUT_VARIABLE qt_translations_dir OUTPUT_STRIP_TRAILING_WHITESPACE)

# Each embedded Qt catalogue as "<name in the resources>=<file in Qt's folder>". qt_<xx>.qm is a
# meta-catalogue: it loads the module catalogues it names (qtbase_<xx>.qm and others) from beside
# itself and fails as a whole when one is missing, so each of those is embedded too. Debian has no
# plain Portuguese catalogue; the European one, complete in itself, serves as qt_pt.qm.
get_target_property(lconvert_executable Qt5::lconvert IMPORTED_LOCATION)
set(qt_catalogues)
foreach(suffix ${KOMPRESTO_QT_CATALOGUE_SUFFIXES})
    set(file_name qt_${suffix}.qm)
    if(suffix STREQUAL "pt")
        set(file_name qt_pt_PT.qm)
    endif()
    set(path ${qt_translations_dir}/${file_name})
    if(NOT EXISTS ${path})
        message(FATAL_ERROR "Qt's catalogue ${path} is missing; install qttranslations5-l10n")
    endif()
    list(APPEND qt_catalogues "qt_${suffix}.qm=${file_name}")
    execute_process(COMMAND ${lconvert_executable} -i ${path} -of ts -o -
        OUTPUT_VARIABLE catalogue_listing RESULT_VARIABLE lconvert_result)
    if(NOT lconvert_result EQUAL 0)
        message(FATAL_ERROR "lconvert cannot read ${path}")
    endif()
    string(REGEX MATCHALL "<dependency catalog=\"[^\"]+\"" dependencies "${catalogue_listing}")
    foreach(dependency ${dependencies})
        string(REGEX REPLACE ".*catalog=\"([^\"]+)\"" "\\1" dependency ${dependency})
        list(APPEND qt_catalogues "${dependency}.qm=${dependency}.qm")
    endforeach()
endforeach()

set(qrc_entries "")
foreach(suffix ${KOMPRESTO_LANGUAGE_SUFFIXES})
    string(APPEND qrc_entries
        "        <file alias=\"Translation_${suffix}.qm\">${translations_binary_dir}/Translation_${suffix}.qm</file>\n")
endforeach()
foreach(entry ${qt_catalogues})
    string(REPLACE "=" ";" entry ${entry})
    list(GET entry 0 alias)
    list(GET entry 1 file_name)
    set(path ${qt_translations_dir}/${file_name})
    if(NOT EXISTS ${path})
        message(FATAL_ERROR "Qt's catalogue ${path} is missing; install qttranslations5-l10n")
    endif()
    string(APPEND qrc_entries "        <file alias=\"${alias}\">${path}</file>\n")
endforeach()

set(translations_qrc ${translations_binary_dir}/translations.qrc)
file(CONFIGURE OUTPUT ${translations_qrc} CONTENT
"<!DOCTYPE RCC>
<RCC version=\"1.0\">
    <qresource prefix=\"/translations/language\">
@qrc_entries@    </qresource>
</RCC>
" @ONLY)

# rcc runs through its own rule, not AUTORCC, so that it waits for lrelease and reruns after it.
qt5_add_resources(translation_sources ${translations_qrc})
target_sources(kompresto_resources PRIVATE ${translations_qrc} ${translation_sources})
