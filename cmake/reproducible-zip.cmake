cmake_minimum_required(VERSION 3.25)

# Makes a zip that the same files always give byte for byte, whoever makes it
# and wherever: the files of FOLDER in the order of their names, each with
# the time SOURCE_DATE_EPOCH and mode 644 or 755, without the owner's user and
# group ids (-X) and with times in UTC (a zip holds local times). Sets the
# files' times and modes in FOLDER to those. Needs Info-ZIP's zip.
#   cmake -DFOLDER=dir -DZIP=/path/out.zip -DSOURCE_DATE_EPOCH=seconds -P reproducible-zip.cmake
foreach(_var IN ITEMS FOLDER ZIP SOURCE_DATE_EPOCH)
    if("${${_var}}" STREQUAL "")
        message(FATAL_ERROR "reproducible-zip.cmake: ${_var} is not set")
    endif()
endforeach()
file(GLOB_RECURSE _files LIST_DIRECTORIES false RELATIVE "${FOLDER}" "${FOLDER}/*")
if(NOT _files)
    message(FATAL_ERROR "${ZIP}: no files in ${FOLDER}")
endif()
list(SORT _files)
execute_process(COMMAND chmod -R u=rwX,go=rX "${FOLDER}" COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND touch -h -d "@${SOURCE_DATE_EPOCH}" ${_files}
    WORKING_DIRECTORY "${FOLDER}" COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE "${ZIP}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E env TZ=UTC0 zip -X -D -q -9 "${ZIP}" ${_files}
    WORKING_DIRECTORY "${FOLDER}" COMMAND_ERROR_IS_FATAL ANY)
