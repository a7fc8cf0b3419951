# The small programs of ours that the application starts (the crash message helper, the compression
# worker): installed together in the application's helper folder. The core library, which starts
# them, learns their file names, their folder relative to bin/ once installed, and where the build
# put them (for the tests and benchmarks that run from the build tree) in its own CMakeLists.
set(KOMPRESTO_HELPER_INSTALL_DIR ${CMAKE_INSTALL_LIBEXECDIR}/vantorel-kompresto)
file(RELATIVE_PATH KOMPRESTO_HELPER_DIR_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${KOMPRESTO_HELPER_INSTALL_DIR})

# Target and file name of each helper program, in one place for the core library and the programs.
set(KOMPRESTO_WORKER_TARGET VantorelKomprestoWorker)
set(KOMPRESTO_WORKER_FILE_NAME VantorelKompresto-worker)
set(KOMPRESTO_CRASH_HELPER_TARGET VantorelKomprestoCrashHelper)
set(KOMPRESTO_CRASH_HELPER_FILE_NAME VantorelKompresto-crash-helper)

# kompresto_add_helper_program(<target> <file name> SOURCES <files...> LIBRARIES <libs...>)
function(kompresto_add_helper_program target file_name)
    cmake_parse_arguments(PARSE_ARGV 2 helper "" "" "SOURCES;LIBRARIES")
    add_executable(${target} ${helper_SOURCES})
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${file_name})
    target_link_libraries(${target} PRIVATE ${helper_LIBRARIES})
    kompresto_set_warnings(${target})
    install(TARGETS ${target} RUNTIME DESTINATION ${KOMPRESTO_HELPER_INSTALL_DIR})
endfunction()
