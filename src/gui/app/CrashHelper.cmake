# The crash message helper: a small program of its own that the crash handler starts, because a
# crashed process cannot safely show a window. Included from src/gui/CMakeLists.txt.

set(KOMPRESTO_CRASH_HELPER_NAME VantorelKompresto-crash-helper)
set(KOMPRESTO_CRASH_HELPER_INSTALL_DIR ${CMAKE_INSTALL_LIBEXECDIR}/vantorel-kompresto)

add_executable(VantorelKomprestoCrashHelper ${CMAKE_CURRENT_LIST_DIR}/crash_helper_main.cpp)
set_target_properties(VantorelKomprestoCrashHelper PROPERTIES OUTPUT_NAME ${KOMPRESTO_CRASH_HELPER_NAME})
target_link_libraries(VantorelKomprestoCrashHelper PRIVATE Qt5::Widgets kompresto_resources)
kompresto_set_warnings(VantorelKomprestoCrashHelper)
# The application finds the helper beside itself in the build tree, and in its helper folder once installed.
add_dependencies(VantorelKompresto VantorelKomprestoCrashHelper)

file(RELATIVE_PATH helper_dir_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${KOMPRESTO_CRASH_HELPER_INSTALL_DIR})
target_compile_definitions(kompresto_core PRIVATE
    KOMPRESTO_CRASH_HELPER_NAME="${KOMPRESTO_CRASH_HELPER_NAME}"
    KOMPRESTO_CRASH_HELPER_DIR_FROM_BIN="${helper_dir_from_bin}")

# Backtraces in crash dumps name the application's own functions.
set_target_properties(VantorelKompresto PROPERTIES ENABLE_EXPORTS ON)

install(TARGETS VantorelKomprestoCrashHelper RUNTIME DESTINATION ${KOMPRESTO_CRASH_HELPER_INSTALL_DIR})
