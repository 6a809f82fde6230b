# Checks that every tracked C++ file is as clang-format leaves it, or with -DFIX=ON formats them all.
# Run as: cmake -DSOURCE_DIR=<source> [-DFIX=ON] -P format.cmake
# The style is .clang-format's, as Debian 12's clang-format 14 reads it: other versions may format differently.
find_program(CLANG_FORMAT NAMES clang-format-14 clang-format REQUIRED)

execute_process(COMMAND git ls-files -- "*.cpp" "*.h"
                WORKING_DIRECTORY "${SOURCE_DIR}" RESULT_VARIABLE failed OUTPUT_VARIABLE listed ERROR_QUIET)
string(REGEX REPLACE "\n$" "" listed "${listed}")
string(REPLACE "\n" ";" listed "${listed}")
set(files)
foreach(file IN LISTS listed)
    # A tracked file deleted in the working tree has nothing to check.
    if(EXISTS "${SOURCE_DIR}/${file}")
        list(APPEND files "${file}")
    endif()
endforeach()

# Outside a git checkout (an unpacked source tarball) the source folders are searched instead.
if(failed OR NOT files)
    file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.cpp" "${SOURCE_DIR}/*.h")
    list(FILTER files EXCLUDE REGEX "^(build[^/]*|Testing)/|/CMakeFiles/|_autogen/")
endif()
if(NOT files)
    message(FATAL_ERROR "No C++ files found under ${SOURCE_DIR}")
endif()

if(FIX)
    execute_process(COMMAND "${CLANG_FORMAT}" -i ${files} WORKING_DIRECTORY "${SOURCE_DIR}" RESULT_VARIABLE result)
else()
    execute_process(COMMAND "${CLANG_FORMAT}" --dry-run -Werror ${files} WORKING_DIRECTORY "${SOURCE_DIR}"
                    RESULT_VARIABLE result)
endif()
list(LENGTH files count)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "clang-format rejects the lines above; `make format` formats all ${count} files.")
endif()
message(STATUS "clang-format: ${count} files")
