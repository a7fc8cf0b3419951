# The crash message helper: a small program of its own that the crash handler starts, because a
# crashed process cannot safely show a window. Included from src/gui/CMakeLists.txt.
kompresto_add_helper_program(${KOMPRESTO_CRASH_HELPER_TARGET} ${KOMPRESTO_CRASH_HELPER_FILE_NAME}
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/crash_helper_main.cpp
    LIBRARIES Qt5::Widgets kompresto_resources)
add_dependencies(VantorelKompresto ${KOMPRESTO_CRASH_HELPER_TARGET})

# Backtraces in crash dumps name the application's own functions.
set_target_properties(VantorelKompresto PROPERTIES ENABLE_EXPORTS ON)
