# `cmake --build build --target format` formats every C++ file of the project in place;
# `--target check-format` fails, naming the files, when one of them differs from .clang-format.
find_program(CLANG_FORMAT_EXECUTABLE NAMES clang-format clang-format-14)
if(NOT CLANG_FORMAT_EXECUTABLE)
    message(STATUS "clang-format not found: no format targets")
    return()
endif()

set(format_folders src tests bench)
set(format_globs)
foreach(folder ${format_folders})
    list(APPEND format_globs ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.h)
endforeach()
file(GLOB_RECURSE format_files CONFIGURE_DEPENDS ${format_globs})

add_custom_target(format
    COMMAND ${CLANG_FORMAT_EXECUTABLE} -i ${format_files}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Formatting the C++ sources"
    VERBATIM)
add_custom_target(check-format
    COMMAND ${CLANG_FORMAT_EXECUTABLE} --dry-run -Werror ${format_files}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Checking the C++ sources against .clang-format"
    VERBATIM)
