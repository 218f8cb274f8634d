# Cross-compiling for 64-bit Windows with Debian's mingw-w64. The POSIX thread model is the one
# Qt needs (std::thread, std::mutex).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TAVENOR_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TAVENOR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAVENOR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TAVENOR_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${TAVENOR_MINGW_TRIPLE}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${TAVENOR_MINGW_TRIPLE}-ranlib CACHE FILEPATH "")

# Libraries and headers come from the cross prefixes only; programs run during the build are
# the machine's own.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TAVENOR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt and libyaml for Windows, as scripts/windows-qt builds them into the user's cache (its folders
# are named in scripts/windows-cache.sh alone).
execute_process(
    COMMAND bash -c "source \"$1\" && echo \"$QT_WINDOWS_PREFIX;$LIBYAML_WINDOWS_PREFIX\""
            bash ${CMAKE_CURRENT_LIST_DIR}/../scripts/windows-cache.sh
    OUTPUT_VARIABLE tavenor_windows_libraries OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
list(GET tavenor_windows_libraries 1 TAVENOR_WINDOWS_LIBYAML)
list(APPEND CMAKE_FIND_ROOT_PATH ${tavenor_windows_libraries})
# Qt's host tools (moc, rcc, uic) are Debian's own, of the same version.
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
