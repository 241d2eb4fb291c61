# Tests of the Windows executables themselves: only Windows' own DLLs imported;
# hardened (ASLR, DEP, stack protector) and stamped with the source date;
# both with their version record and icon; the window's program a GUI
# program (no console window) and small (under 2 MB: 2,000,000 bytes); the
# headless calculator a console program. Included after every target.
# Each with its description in the version record.
foreach(_target_description IN ITEMS
        "zephyrod-cli:Zephyrod Metric Calculator, command line"
        "ZephyrodMetric:Zephyrod Metric Calculator")
    string(REGEX REPLACE ":.*" "" _target "${_target_description}")
    string(REGEX REPLACE "^[^:]*:" "" _description "${_target_description}")
    if(TARGET ${_target})
        set(_limit -DSUBSYSTEM=CUI)
        if(_target STREQUAL "ZephyrodMetric")
            set(_limit -DMAX_BYTES=2000000 -DSUBSYSTEM=GUI)
        endif()
        add_test(NAME windows_exe_${_target}
            COMMAND "${CMAKE_COMMAND}" -DEXE=$<TARGET_FILE:${_target}> -DOBJDUMP=${CMAKE_OBJDUMP}
                    -DSOURCE_DATE_EPOCH=${ZEPHYROD_SOURCE_DATE_EPOCH} ${_limit}
                    -DWINDRES=${CMAKE_RC_COMPILER} -DNAME=${_target} "-DDESCRIPTION=${_description}"
                    -DVERSION=${PROJECT_VERSION} -DRC_VERSION=${ZEPHYROD_RC_VERSION}
                    -P "${CMAKE_CURRENT_LIST_DIR}/check-windows-exe.cmake")
        set_tests_properties(windows_exe_${_target} PROPERTIES LABELS windows)
    endif()
endforeach()

# The installer and zip built and tried under Wine: install, start, uninstall.
if(ZEPHYROD_WINE_RUN)
    add_test(NAME windows_installer
        COMMAND bash "${CMAKE_CURRENT_LIST_DIR}/check-windows-installer.sh"
                "${PROJECT_BINARY_DIR}" "${PROJECT_VERSION}" "${CMAKE_CPACK_COMMAND}"
                $<TARGET_EXISTS:ZephyrodMetric> "${CMAKE_COMMAND}" "${CMAKE_RC_COMPILER}"
                "${ZEPHYROD_RC_VERSION}")
    set_tests_properties(windows_installer PROPERTIES
        LABELS package FIXTURES_REQUIRED wine TIMEOUT 300 RUN_SERIAL ON)
endif()
