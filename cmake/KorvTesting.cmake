# Helpers that give every test program the same environment: offscreen Qt, the control libraries
# among Qt's plugin paths (hosts find them there by class name), a private runtime folder and a
# private configuration and data folder, so no test touches the user's real settings or data.
include(GoogleTest)
find_package(GTest REQUIRED)

set(KORV_TEST_RUNTIME_DIR ${CMAKE_BINARY_DIR}/test-runtime)
file(MAKE_DIRECTORY ${KORV_TEST_RUNTIME_DIR})
file(CHMOD ${KORV_TEST_RUNTIME_DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
# A German locale, whose decimal separator is a comma, so that tests can prove numbers never go
# through the user's locale. Built once into the build tree from the system's locale sources.
set(KORV_TEST_LOCALES ${CMAKE_BINARY_DIR}/test-locales)
find_program(KORV_LOCALEDEF localedef)
if(KORV_LOCALEDEF AND NOT EXISTS ${KORV_TEST_LOCALES}/de_DE.UTF-8)
    file(MAKE_DIRECTORY ${KORV_TEST_LOCALES})
    execute_process(COMMAND ${KORV_LOCALEDEF} -i de_DE -f UTF-8 ${KORV_TEST_LOCALES}/de_DE.UTF-8
                    RESULT_VARIABLE korv_localedef_result OUTPUT_QUIET ERROR_QUIET)
endif()

set(KORV_TEST_ENVIRONMENT
    LOCPATH=${KORV_TEST_LOCALES}
    QT_QPA_PLATFORM=offscreen
    QT_PLUGIN_PATH=${CMAKE_BINARY_DIR}/bin
    XDG_RUNTIME_DIR=${KORV_TEST_RUNTIME_DIR}
    XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config
    XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-data
    LC_ALL=C.UTF-8)
# No test may wait longer than this: a dialog left waiting for an answer fails its test within a
# minute instead of holding the whole run until CTest's default of 25 minutes.
set(KORV_TEST_TIMEOUT 60)

# Gives every test of the calling folder without a timeout of its own the common one, once the
# folder's tests are all defined: tests added with plain add_test (the program's end-to-end test)
# get it too.
function(korv_default_test_timeouts)
    get_property(tests DIRECTORY PROPERTY TESTS)
    foreach(test IN LISTS tests)
        get_test_property(${test} TIMEOUT timeout)
        if(NOT timeout)
            set_tests_properties(${test} PROPERTIES TIMEOUT ${KORV_TEST_TIMEOUT})
        endif()
    endforeach()
endfunction()

function(korv_schedule_default_test_timeouts)
    get_property(scheduled DIRECTORY PROPERTY KORV_TEST_TIMEOUTS_SCHEDULED)
    if(NOT scheduled)
        set_property(DIRECTORY PROPERTY KORV_TEST_TIMEOUTS_SCHEDULED TRUE)
        cmake_language(DEFER CALL korv_default_test_timeouts)
    endif()
endfunction()

# In the sanitizer build every test program gets the suppressions of leaks that are not ours
# and prints the stack of undefined behaviour (tests/support/sanitizer_suppressions.cpp).
function(korv_add_sanitizer_suppressions name)
    if(KORV_SANITIZE)
        target_link_libraries(${name} PRIVATE korv_sanitizer_suppressions)
    endif()
endfunction()

# korv_add_gtest(<name> SOURCES ... LIBS ...): a GoogleTest program, one CTest test per case.
function(korv_add_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} korv_test_support GTest::gtest_main GTest::gmock)
    korv_add_sanitizer_suppressions(${name})
    # The discovered tests cannot carry a list of variables as a property (only the first one
    # would arrive), so each test program is started through "cmake -E env" with all of them.
    set_target_properties(${name} PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests
        CROSSCOMPILING_EMULATOR "${CMAKE_COMMAND};-E;env;${KORV_TEST_ENVIRONMENT}")
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        NO_PRETTY_VALUES
        PROPERTIES TIMEOUT ${KORV_TEST_TIMEOUT})
    korv_schedule_default_test_timeouts()
endfunction()

# korv_add_qtest(<name> SOURCES ... LIBS ...): a Qt Test program run offscreen, one CTest test.
function(korv_add_qtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} korv_test_support Qt6::Test Qt6::Widgets)
    korv_add_sanitizer_suppressions(${name})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${KORV_TEST_ENVIRONMENT}"
                                            TIMEOUT ${KORV_TEST_TIMEOUT})
    korv_schedule_default_test_timeouts()
endfunction()
