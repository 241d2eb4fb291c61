# GoogleTest for the build's own platform, and how its tests are run.
# Native builds use the system's GoogleTest; the Windows and web cross-builds
# compile it from Debian's sources (package googletest) and run every test
# under Wine or Node.
enable_testing()
include(GoogleTest)

if(CMAKE_CROSSCOMPILING)
    if(EMSCRIPTEN)
        set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    endif()
    set(ZEPHYROD_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest sources")
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory("${ZEPHYROD_GTEST_SOURCE}" "${PROJECT_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
else()
    find_package(GTest REQUIRED)
endif()

if(CMAKE_CROSSCOMPILING AND WIN32)
    set(ZEPHYROD_WINEPREFIX "${PROJECT_BINARY_DIR}/wineprefix")
    set(ZEPHYROD_WINE_RUN "${PROJECT_BINARY_DIR}/wine-run")
    configure_file("${CMAKE_CURRENT_LIST_DIR}/wine-run.in" "${ZEPHYROD_WINE_RUN}" @ONLY
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
        WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${ZEPHYROD_WINE_RUN}")

    # The prefix's first start (5-15 s) as a test of its own, and its end after
    # the last test, so that no Wine process outlives the run.
    add_test(NAME wine_prefix_start COMMAND "${ZEPHYROD_WINE_RUN}" --start)
    set_tests_properties(wine_prefix_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 120)
    add_test(NAME wine_prefix_stop COMMAND "${ZEPHYROD_WINE_RUN}" --stop)
    set_tests_properties(wine_prefix_stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
    set(ZEPHYROD_TEST_FIXTURES wine)
endif()

if(EMSCRIPTEN)
    set(ZEPHYROD_NODE_RUN "${PROJECT_BINARY_DIR}/node-run")
    configure_file("${CMAKE_CURRENT_LIST_DIR}/node-run.in" "${ZEPHYROD_NODE_RUN}" @ONLY
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
        WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${ZEPHYROD_NODE_RUN}")
endif()

# Registers the GoogleTest cases of TARGET one by one, as gtest_discover_tests()
# does with the same arguments. Cases are listed when ctest runs, so that a
# cross-built test lists them under Wine rather than at build time. A case is
# named by its suite, test and parameter name only, never by the parameter's
# printed value (raw bytes that change between builds).
#
# Under Node a program takes a second or more to start on a busy machine, so the
# web build runs each test program once, all its cases together, as one test;
# a failure names the case in the program's output. Cases that need what the
# web has not are left out there, each for its reason:
#  - CommaDecimalLocale.*: the web's C library accepts any locale's name but
#    knows no locale with a decimal comma.
set(ZEPHYROD_WEB_LEFT_OUT_CASES "CommaDecimalLocale.*")

function(zephyrod_discover_tests target)
    cmake_parse_arguments(ARG "" "" "PROPERTIES" ${ARGN})
    if(EMSCRIPTEN)
        add_test(NAME ${target} COMMAND ${target} "--gtest_filter=-${ZEPHYROD_WEB_LEFT_OUT_CASES}")
        set_tests_properties(${target} PROPERTIES TIMEOUT 120 ${ARG_PROPERTIES})
        return()
    endif()
    set(_properties ${ARG_PROPERTIES})
    if(ZEPHYROD_TEST_FIXTURES)
        list(APPEND _properties FIXTURES_REQUIRED ${ZEPHYROD_TEST_FIXTURES})
    endif()
    gtest_discover_tests(${target} ${ARG_UNPARSED_ARGUMENTS}
        NO_PRETTY_VALUES
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 120
        PROPERTIES ${_properties})
endfunction()

# Adds a plain test that needs what every test of this build needs (Wine).
function(zephyrod_add_test name)
    add_test(NAME ${name} COMMAND ${ARGN})
    if(ZEPHYROD_TEST_FIXTURES)
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED ${ZEPHYROD_TEST_FIXTURES})
    endif()
endfunction()
