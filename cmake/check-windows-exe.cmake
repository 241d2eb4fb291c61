cmake_minimum_required(VERSION 3.25)

# Checks one Windows executable of the build:
#   cmake -DEXE=path -DOBJDUMP=x86_64-w64-mingw32-objdump [-DSOURCE_DATE_EPOCH=s] [-DMAX_BYTES=n]
#         -P check-windows-exe.cmake
# It must import no DLL but Windows' own (the C and C++ runtimes are linked in,
# so it runs from any folder without companions), be hardened, carry the
# source date SOURCE_DATE_EPOCH as its link time when given, be no larger
# than MAX_BYTES when given, and, given WINDRES, carry its version record
# (NAME, DESCRIPTION, VERSION, RC_VERSION: check-windows-version.cmake) and icon.

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
    include("${CMAKE_CURRENT_LIST_DIR}/check-windows-version.cmake")
    string(FIND "${resources}" "\"IDI_ICON1\" 14" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${EXE}: the resources lack the icon IDI_ICON1")
    endif()
    message(STATUS "${EXE}: the icon IDI_ICON1")
endif()

# Hardened as mingw-w64 allows: ASLR with high-entropy addresses (and the
# relocations that let Windows move the program), DEP, and the stack
# protector, whose failure report comes with it from libssp.
foreach(flag IN ITEMS HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT)
    if(NOT dump MATCHES "\n[ \t]+${flag}\n")
        message(FATAL_ERROR "${EXE}: DllCharacteristics lack ${flag}")
    endif()
endforeach()
if(NOT dump MATCHES "\nEntry 5 [0-9a-f]+ ([0-9a-f]+) Base Relocation Directory" OR CMAKE_MATCH_1 MATCHES "^0+$")
    message(FATAL_ERROR "${EXE} has no relocations: Windows cannot move it to a random address")
endif()
file(STRINGS "${EXE}" canary LIMIT_COUNT 1 REGEX "stack smashing detected")
if(NOT canary)
    message(FATAL_ERROR "${EXE} was built without the stack protector (no libssp)")
endif()
message(STATUS "${EXE}: ASLR (high entropy), DEP and the stack protector")

# The link time stamp in the PE header is the source date, so that the same
# sources give the same bytes: the header's offset at 0x3c, then "PE\0\0",
# the machine (2 bytes), the number of sections (2) and the time (4, little-endian).
if(DEFINED SOURCE_DATE_EPOCH)
    file(READ "${EXE}" pe_offset OFFSET 60 LIMIT 4 HEX)
    string(REGEX REPLACE "(..)(..)(..)(..)" "\\4\\3\\2\\1" pe_offset "${pe_offset}")
    math(EXPR stamp_offset "0x${pe_offset} + 8")
    file(READ "${EXE}" stamp OFFSET ${stamp_offset} LIMIT 4 HEX)
    string(REGEX REPLACE "(..)(..)(..)(..)" "\\4\\3\\2\\1" stamp "${stamp}")
    math(EXPR stamp "0x${stamp}")
    if(NOT stamp EQUAL SOURCE_DATE_EPOCH)
        message(FATAL_ERROR "${EXE}: link time stamp ${stamp}, not the source date ${SOURCE_DATE_EPOCH}")
    endif()
    message(STATUS "${EXE}: link time stamp ${stamp}, the source date")
endif()

if(DEFINED MAX_BYTES)
    file(SIZE "${EXE}" size)
    message(STATUS "${EXE}: ${size} bytes (limit ${MAX_BYTES})")
    if(size GREATER MAX_BYTES)
        message(FATAL_ERROR "${EXE} is ${size} bytes, more than ${MAX_BYTES}")
    endif()
endif()
