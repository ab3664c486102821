# Helpers shared by tests/ and bench/: every folder globs its own sources, so
# that work on different parts of the tree never edits the same list.

# glyphsmith_add_gtest(<target> <folder> LIBS <libs...> [LABELS <labels...>])
# One GoogleTest program from every *.cpp in <folder>; nothing when empty.
function(glyphsmith_add_gtest target folder)
    cmake_parse_arguments(ARG "" "" "LIBS;LABELS;ENVIRONMENT" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
    if(NOT sources)
        return()
    endif()
    add_executable(${target} ${sources})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS})
    target_compile_definitions(${target} PRIVATE
        GLYPHSMITH_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
        GLYPHSMITH_BINARY_DIR="${CMAKE_BINARY_DIR}")
    gtest_discover_tests(${target}
        DISCOVERY_TIMEOUT 120
        PROPERTIES LABELS "${ARG_LABELS}" ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${ARG_ENVIRONMENT}")
endfunction()

# glyphsmith_add_benchmark(<target> <folder> LIBS <libs...>)
function(glyphsmith_add_benchmark target folder)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
    if(NOT sources)
        return()
    endif()
    add_executable(${target} ${sources})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} benchmark::benchmark)
endfunction()
