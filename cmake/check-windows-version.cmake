cmake_minimum_required(VERSION 3.25)

# Checks the version record Windows shows in a file's properties, for a
# program of the build or its installer:
#   cmake -DEXE=path -DWINDRES=x86_64-w64-mingw32-windres -DNAME=ZephyrodMetric
#         "-DDESCRIPTION=Zephyrod Metric Calculator" -DVERSION=1.0.0 -DRC_VERSION=1.00
#         -P check-windows-version.cmake
# Every file a user gets names the same company, product, version and
# copyright; each its own file name and description. check-windows-exe.cmake
# includes it for the programs; check-windows-installer.sh runs it on the
# installer.

execute_process(COMMAND "${WINDRES}" -i "${EXE}" -J coff -O rc
    OUTPUT_VARIABLE resources ERROR_VARIABLE error RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${WINDRES} could not read the resources of ${EXE} (${status}): ${error}")
endif()
string(REPLACE "." ", " numeric "${VERSION}")
foreach(value IN ITEMS
        "FILEVERSION ${numeric}, 0"
        "PRODUCTVERSION ${numeric}, 0"
        "\"CompanyName\", \"The Zephyrod authors\""
        "\"FileDescription\", \"${DESCRIPTION}\""
        "\"FileVersion\", \"${RC_VERSION}\""
        "\"InternalName\", \"${NAME}\""
        "\"LegalCopyright\", \"Copyright (c) 2026 The Zephyrod authors. MIT License.\""
        "\"OriginalFilename\", \"${NAME}.exe\""
        "\"ProductName\", \"Zephyrod\""
        "\"ProductVersion\", \"${RC_VERSION}\"")
    string(FIND "${resources}" "${value}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${EXE}: the version record lacks ${value}")
    endif()
    message(STATUS "${EXE}: ${value}")
endforeach()
