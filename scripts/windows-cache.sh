# The libraries that the Windows build takes from the user's cache, where scripts/windows-qt
# cross-builds them once: their versions and folders, named here only. Read by scripts/windows-qt
# and by cmake/x86_64-w64-mingw32.cmake (and through it the Wine runner). Sourced, not run.

TAVENOR_MINGW=x86_64-w64-mingw32
TAVENOR_WINDOWS_CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/tavenor"
QT_WINDOWS_VERSION=6.4.2
QT_WINDOWS_PREFIX="$TAVENOR_WINDOWS_CACHE/qt-$QT_WINDOWS_VERSION-$TAVENOR_MINGW"
LIBYAML_WINDOWS_VERSION=0.2.5
LIBYAML_WINDOWS_PREFIX="$TAVENOR_WINDOWS_CACHE/libyaml-$LIBYAML_WINDOWS_VERSION-$TAVENOR_MINGW"
