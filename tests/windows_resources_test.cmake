# Compiles the Windows resource script with windres, decompiles the result and checks that it
# holds the icon and the version record of the project's version, named for its program.
# Arguments: WINDRES, RC, PROGRAM, WORK_DIR, VERSION.

if(NOT WINDRES)
    message(FATAL_ERROR "windres not found (Debian: binutils-mingw-w64-x86-64)")
endif()
file(MAKE_DIRECTORY "${WORK_DIR}")
# cpp instead of the cross compiler: the script needs no Windows headers.
execute_process(
    COMMAND "${WINDRES}" --preprocessor=cpp -i "${RC}" -O res -o "${WORK_DIR}/program.res"
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(
    COMMAND "${WINDRES}" -i "${WORK_DIR}/program.res" -O rc -o "${WORK_DIR}/decompiled.rc"
    COMMAND_ERROR_IS_FATAL ANY)
file(READ "${WORK_DIR}/decompiled.rc" decompiled)

string(REPLACE "." ", " numbers "${VERSION}")
foreach(expected IN ITEMS
        "RT_GROUP_ICON"
        "RT_ICON"
        "FILEVERSION ${numbers}\n"
        "PRODUCTVERSION ${numbers}\n"
        "VALUE \"FileVersion\", \"${VERSION}\""
        "VALUE \"ProductVersion\", \"${VERSION}\""
        "VALUE \"InternalName\", \"${PROGRAM}\""
        "VALUE \"OriginalFilename\", \"${PROGRAM}.exe\"")
    string(FIND "${decompiled}" "${expected}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "compiled resources lack: ${expected}")
    endif()
endforeach()
