# Decompiles a Windows program's resources with windres and checks that they hold the icon and
# the version record of the project's version, named for their program. RECORD is the program
# itself or its resource script, which is compiled first.
# Arguments: WINDRES, RECORD, PROGRAM, WORK_DIR, VERSION.

if(NOT WINDRES)
    message(FATAL_ERROR "windres not found (Debian: binutils-mingw-w64-x86-64)")
endif()
file(MAKE_DIRECTORY "${WORK_DIR}")
set(resources "${RECORD}")
if(RECORD MATCHES "[.]rc$")
    set(resources "${WORK_DIR}/program.res")
    # cpp instead of the cross compiler: the script needs no Windows headers.
    execute_process(
        COMMAND "${WINDRES}" --preprocessor=cpp -i "${RECORD}" -O res -o "${resources}"
        COMMAND_ERROR_IS_FATAL ANY)
endif()
execute_process(
    COMMAND "${WINDRES}" -i "${resources}" -O rc -o "${WORK_DIR}/decompiled.rc"
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
