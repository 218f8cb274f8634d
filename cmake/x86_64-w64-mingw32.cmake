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

# Qt for Windows, as scripts/windows builds it: found by default in its cache folder.
if(DEFINED ENV{XDG_CACHE_HOME})
    set(tavenor_cache "$ENV{XDG_CACHE_HOME}")
else()
    set(tavenor_cache "$ENV{HOME}/.cache")
endif()
set(TAVENOR_WINDOWS_QT "${tavenor_cache}/tavenor/qt-6.4.2-${TAVENOR_MINGW_TRIPLE}"
    CACHE PATH "Qt built for Windows (scripts/windows)")
list(APPEND CMAKE_FIND_ROOT_PATH ${TAVENOR_WINDOWS_QT})
# Qt's host tools (moc, rcc, uic) are Debian's own, of the same version.
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
