# The small programs of ours that the application starts (the crash message helper, the compression
# worker): installed together in the application's helper folder, and made known to the core
# library, which starts them, by their file name, their folder relative to bin/ once installed, and
# where the build put them (for the tests and benchmarks that run from the build tree).
set(KOMPRESTO_HELPER_INSTALL_DIR ${CMAKE_INSTALL_LIBEXECDIR}/vantorel-kompresto)
file(RELATIVE_PATH KOMPRESTO_HELPER_DIR_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${KOMPRESTO_HELPER_INSTALL_DIR})

# kompresto_add_helper_program(<target> <file name> <macro prefix> SOURCES <files...> LIBRARIES <libs...>)
# defines <prefix>_NAME, <prefix>_DIR_FROM_BIN and <prefix>_BUILD_PATH for the core library.
function(kompresto_add_helper_program target file_name prefix)
    cmake_parse_arguments(PARSE_ARGV 3 helper "" "" "SOURCES;LIBRARIES")
    add_executable(${target} ${helper_SOURCES})
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${file_name})
    target_link_libraries(${target} PRIVATE ${helper_LIBRARIES})
    kompresto_set_warnings(${target})
    target_compile_definitions(kompresto_core PRIVATE
        ${prefix}_NAME="${file_name}"
        ${prefix}_DIR_FROM_BIN="${KOMPRESTO_HELPER_DIR_FROM_BIN}"
        ${prefix}_BUILD_PATH="$<TARGET_FILE:${target}>")
    install(TARGETS ${target} RUNTIME DESTINATION ${KOMPRESTO_HELPER_INSTALL_DIR})
endfunction()
