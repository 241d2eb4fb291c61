# Builds that give the same bytes from the same sources, whatever folder they
# are made in, whenever and with whatever umask:
# - every time stamp that ends up in a program or a package is the source
#   date, ZEPHYROD_SOURCE_DATE_EPOCH (seconds since 1970): SOURCE_DATE_EPOCH
#   when it is set, else the time of the last commit, else (a source tree
#   without its git history) the date of the newest Debian changelog entry;
# - the build's own folders are left out of what the compiler records
#   (__FILE__, debug information), except in Debug builds, where a debugger
#   needs them to find the sources;
# - packages get their times and modes from cmake/reproducible-packages.cmake.
# Included before the programs' targets are made.

set(ZEPHYROD_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
set(_source_date_from "SOURCE_DATE_EPOCH")
if(ZEPHYROD_SOURCE_DATE_EPOCH STREQUAL "")
    find_package(Git QUIET)
    if(GIT_FOUND)
        # Only the history of this source tree, not of a repository around it.
        execute_process(COMMAND "${GIT_EXECUTABLE}" rev-parse --show-toplevel
            WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
            OUTPUT_VARIABLE _top OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        file(REAL_PATH "${PROJECT_SOURCE_DIR}" _source)
        if(_top)
            file(REAL_PATH "${_top}" _top)
        endif()
        if(_top STREQUAL _source)
            execute_process(COMMAND "${GIT_EXECUTABLE}" log -1 --format=%ct
                WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
                OUTPUT_VARIABLE ZEPHYROD_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
            set(_source_date_from "the last commit")
            # A new commit (or another one checked out) moves HEAD's log, and
            # configuring again takes the new commit's time.
            execute_process(COMMAND "${GIT_EXECUTABLE}" rev-parse --path-format=absolute --git-path logs/HEAD
                WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
                OUTPUT_VARIABLE _head_log OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
            if(EXISTS "${_head_log}")
                set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${_head_log}")
            endif()
        endif()
    endif()
endif()
if(ZEPHYROD_SOURCE_DATE_EPOCH STREQUAL "")
    # " -- Name <address>  Tue, 08 Dec 2026 12:00:00 +0000"
    set(_changelog "${PROJECT_SOURCE_DIR}/resources/debian/changelog")
    file(STRINGS "${_changelog}" _trailer REGEX "^ -- " LIMIT_COUNT 1)
    string(REGEX REPLACE "^ -- .*>  " "" _release_date "${_trailer}")
    execute_process(COMMAND date -u -d "${_release_date}" +%s
        OUTPUT_VARIABLE ZEPHYROD_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    set(_source_date_from "the newest entry of ${_changelog}")
endif()
if(NOT ZEPHYROD_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "No source date: set SOURCE_DATE_EPOCH to the sources' time in seconds since 1970 "
        "(got \"${ZEPHYROD_SOURCE_DATE_EPOCH}\" from ${_source_date_from})")
endif()
message(STATUS "Source date: ${ZEPHYROD_SOURCE_DATE_EPOCH}, from ${_source_date_from}")

# Runs a program's link with the source date as its time stamp (GNU ld writes
# it into a Windows executable's header): zephyrod_link_at_source_date(TARGET)
function(zephyrod_link_at_source_date target)
    set_property(TARGET ${target} PROPERTY CXX_LINKER_LAUNCHER
        "${CMAKE_COMMAND}" -E env "SOURCE_DATE_EPOCH=${ZEPHYROD_SOURCE_DATE_EPOCH}")
endfunction()

if(NOT MSVC)
    set(_map_source "-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.")
    set(_map_binary "-ffile-prefix-map=${PROJECT_BINARY_DIR}=build")
    # The build folder's map comes last so that it wins for the generated
    # sources inside it.
    add_compile_options("$<$<NOT:$<CONFIG:Debug>>:${_map_source};${_map_binary}>")
endif()
