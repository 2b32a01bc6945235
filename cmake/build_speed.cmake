# Ways to build faster that change nothing of what is built: ccache when it is installed,
# precompiled headers, and test executables compiled from a few combined sources. Each can be
# turned off, for example to see that every source includes what it uses.
option(Q417_CCACHE "Compile through ccache when it is installed" ON)
option(Q417_PCH "Precompile the standard library's, Qt's and GoogleTest's headers" ON)
option(Q417_UNITY_TESTS "Compile the test executables' sources in batches" ON)
set(Q417_UNITY_BATCH 12 CACHE STRING "Test sources compiled together in one batch")

if(Q417_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  find_program(Q417_CCACHE_PROGRAM ccache)
  if(Q417_CCACHE_PROGRAM)
    # Precompiled headers are only cached with these sloppiness settings.
    set(CMAKE_CXX_COMPILER_LAUNCHER
        env CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
        ${Q417_CCACHE_PROGRAM})
  endif()
endif()

# Headers that most sources of a kind include: precompiling more than that would make every
# source, and clang-tidy's walk over it, carry what it does not use.
set(Q417_PCH_STD <algorithm> <array> <cstddef> <cstdint> <filesystem> <functional> <memory> <optional>
                 <string> <string_view> <utility> <vector>)
set(Q417_PCH_QT <QObject> <QString> <QWidget>)
set(Q417_PCH_GTEST <gtest/gtest.h>)

# q417_precompile(target HEADERS...): precompiles those headers for the target's sources.
function(q417_precompile target)
  if(Q417_PCH)
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()

# q417_unity_test(target): builds a test executable from batches of its sources. Under clang-tidy
# the batch is the file being compiled and the sources are included files, which the analyser
# and the checks of a file's own declarations pass over: the tests leave the analyser out anyway
# (tests/.clang-tidy, said here too since the batches lie outside tests/), and each source gets a
# test of its own declarations once the directory has added all of them.
function(q417_unity_test target)
  if(NOT Q417_UNITY_TESTS)
    return()
  endif()
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${Q417_UNITY_BATCH})
  if(CMAKE_CXX_CLANG_TIDY)
    set_target_properties(${target} PROPERTIES CXX_CLANG_TIDY "${CMAKE_CXX_CLANG_TIDY};--checks=-clang-analyzer-*")
    # A deferred call reads its arguments when it runs: put the name in now.
    cmake_language(EVAL CODE "cmake_language(DEFER CALL q417_tidy_own_declarations [[${target}]])")
  endif()
endfunction()

function(q417_tidy_own_declarations target)
  get_target_property(sources ${target} SOURCES)
  get_target_property(folder ${target} SOURCE_DIR)
  list(GET CMAKE_CXX_CLANG_TIDY 0 tidy)
  foreach(source IN LISTS sources)
    cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${folder})
    cmake_path(RELATIVE_PATH source BASE_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE name)
    add_test(NAME tidy.OwnDeclarations/${name}
             COMMAND ${CMAKE_COMMAND} -DDATABASE=${CMAKE_BINARY_DIR}/compile_commands.json -DTARGET=${target}
                     -DSOURCE=${source} -DTIDY=${tidy} -P ${PROJECT_SOURCE_DIR}/cmake/tidy_own_declarations.cmake)
  endforeach()
endfunction()
