# Helpers shared by every folder's CMakeLists.txt.

set(PAV_TEST_OUTPUT_DIR ${CMAKE_BINARY_DIR}/tests)

# The label of the tests of tests/<folder>/: the folder's name (scripts/test --only <folder>).
function(pav_test_folder_label out)
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(${out} ${folder} PARENT_SCOPE)
endfunction()

# A test executable in build/tests, registered with ctest as one entry (the test
# framework runs and reports every case itself). DISPLAY marks a test that needs
# a real X display: it runs on the xcb platform under the Xvfb server that
# scripts/test starts; every other test runs on the offscreen platform.
function(pav_add_test_executable name display)
    add_executable(${name} ${ARGN})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PAV_TEST_OUTPUT_DIR})
    if(display)
        set(platform xcb)
    else()
        set(platform offscreen)
    endif()
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${PAV_TEST_OUTPUT_DIR})
    pav_test_folder_label(folder)
    set_tests_properties(${name} PROPERTIES LABELS ${folder}
        ENVIRONMENT "QT_QPA_PLATFORM=${platform};PAV_SOURCE_DIR=${CMAKE_SOURCE_DIR};PAV_BUILD_DIR=${CMAKE_BINARY_DIR}")
endfunction()

# pav_add_gtest(NAME <name> SOURCES <files...> LIBS <targets...> [DISPLAY])
# A GoogleTest executable.
function(pav_add_gtest)
    cmake_parse_arguments(T "DISPLAY" "NAME" "SOURCES;LIBS" ${ARGN})
    pav_add_test_executable(${T_NAME} "${T_DISPLAY}" ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
endfunction()

# pav_add_qtest(NAME <name> SOURCES <files...> LIBS <targets...> [DISPLAY])
# A QtTest executable (QTEST_MAIN) that clicks real widgets.
function(pav_add_qtest)
    cmake_parse_arguments(T "DISPLAY" "NAME" "SOURCES;LIBS" ${ARGN})
    pav_add_test_executable(${T_NAME} "${T_DISPLAY}" ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} Qt6::Test Qt6::Widgets)
endfunction()

# pav_add_bench(NAME <name> SOURCES <files...> LIBS <targets...>)
function(pav_add_bench)
    cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
    if(NOT TARGET benchmark::benchmark)
        return()
    endif()
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} benchmark::benchmark benchmark::benchmark_main)
    set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()
