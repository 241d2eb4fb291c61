cmake_minimum_required(VERSION 3.25)

# Checks one Windows executable of the build:
#   cmake -DEXE=path -DOBJDUMP=x86_64-w64-mingw32-objdump [-DMAX_BYTES=n] -P check-windows-exe.cmake
# It must import no DLL but Windows' own (the C and C++ runtimes are linked in,
# so it runs from any folder without companions), and be no larger than
# MAX_BYTES when given.

# Windows' own DLLs the programs may use; anything else (libstdc++-6.dll,
# libgcc_s_seh-1.dll, libwinpthread-1.dll, a Qt DLL...) is a packaging fault.
set(allowed
    advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll
    oleacc.dll ole32.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll uxtheme.dll)

execute_process(COMMAND "${OBJDUMP}" -p "${EXE}"
    OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${EXE} failed (${status})")
endif()
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
if(NOT imports)
    message(FATAL_ERROR "${EXE}: no imported DLL found in the objdump output")
endif()
set(foreign)
foreach(line IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${line}")
    string(STRIP "${dll}" dll)
    string(TOLOWER "${dll}" lower)
    message(STATUS "imports ${dll}")
    # The Universal CRT's API sets are Windows' own as well.
    if(NOT lower IN_LIST allowed AND NOT lower MATCHES "^api-ms-win-crt-[a-z0-9-]+\\.dll$")
        list(APPEND foreign "${dll}")
    endif()
endforeach()
if(foreign)
    message(FATAL_ERROR "${EXE} needs DLLs that Windows does not have: ${foreign}")
endif()

# GUI: a window's program, started without a console window; CUI: a console one.
if(DEFINED SUBSYSTEM)
    string(REGEX MATCH "\nSubsystem[^\n]*" subsystem "${dump}")
    string(STRIP "${subsystem}" subsystem)
    string(FIND "${subsystem}" "(Windows ${SUBSYSTEM})" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${EXE} is not a Windows ${SUBSYSTEM} program: ${subsystem}")
    endif()
    message(STATUS "${EXE}: Windows ${SUBSYSTEM} program")
endif()

# The version record as Windows' file properties show it, and the icon.
if(DEFINED WINDRES)
    execute_process(COMMAND "${WINDRES}" -i "${EXE}" -J coff -O rc
        OUTPUT_VARIABLE resources RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${WINDRES} could not read the resources of ${EXE} (${status})")
    endif()
    foreach(value IN ITEMS "\"ProductName\", \"${TITLE}\"" "\"FileVersion\", \"${RC_VERSION}\""
                          "\"ProductVersion\", \"${RC_VERSION}\""
                          "\"InternalName\", \"ZephyrodMetric\"" "\"IDI_ICON1\" 14")
        string(FIND "${resources}" "${value}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "${EXE}: the resources lack ${value}")
        endif()
        message(STATUS "${EXE}: ${value}")
    endforeach()
endif()

if(DEFINED MAX_BYTES)
    file(SIZE "${EXE}" size)
    message(STATUS "${EXE}: ${size} bytes (limit ${MAX_BYTES})")
    if(size GREATER MAX_BYTES)
        message(FATAL_ERROR "${EXE} is ${size} bytes, more than ${MAX_BYTES}")
    endif()
endif()
