# Tests of the Windows executables themselves: only Windows' own DLLs imported,
# and the window's program small (under 2 MB: 2,000,000 bytes). Included after every target.
foreach(_target IN ITEMS zephyrod-cli ZephyrodMetric)
    if(TARGET ${_target})
        set(_limit)
        if(_target STREQUAL "ZephyrodMetric")
            set(_limit -DMAX_BYTES=2000000)
        endif()
        add_test(NAME windows_exe_${_target}
            COMMAND "${CMAKE_COMMAND}" -DEXE=$<TARGET_FILE:${_target}> -DOBJDUMP=${CMAKE_OBJDUMP}
                    ${_limit} -P "${CMAKE_CURRENT_LIST_DIR}/check-windows-exe.cmake")
        set_tests_properties(windows_exe_${_target} PROPERTIES LABELS windows)
    endif()
endforeach()
