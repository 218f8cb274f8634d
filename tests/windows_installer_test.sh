#!/usr/bin/env bash
# The Windows installer in a Wine prefix that has no Tavenor yet (scripts/windows makes the build's
# prefix new for each run): the silent install puts exactly the zip's files in place, with a
# Start-menu shortcut and an entry in the list of programs; the installed programs, the plugin's
# among them, run from their folders alone (no path to the build's libraries); the silent
# uninstall leaves none of it behind.
#
#     windows_installer_test.sh WINE_PREFIX SETUP_EXE VERSION
# The zip is the installer's neighbour: SETUP_EXE without "-setup.exe", plus ".zip".
set -euo pipefail
export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
setup="$2"
version="$3"
zip="${setup%-setup.exe}.zip"
installed="$WINEPREFIX/drive_c/Program Files/Tavenor"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tavenor.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavenor'
fail() {
    echo "$*" >&2
    exit 1
}

[ ! -e "$installed" ] || fail "$installed is there before the install: the check needs a prefix without it"
wine "$setup" /S

# The zip's files (below its one top folder), and the uninstaller beside them.
diff <(zipinfo -1 "$zip" | grep -v '/$' | cut -d / -f 2- | sort) \
    <(cd "$installed" && find . -type f ! -name uninstall.exe | sed 's|^\./||' | sort) \
    || fail "the installed files differ from the zip's"
[ -f "$installed/uninstall.exe" ] || fail "no uninstall.exe"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
wine reg query "$key" /v DisplayVersion | grep -q "${version%.*}" || fail "no DisplayVersion ${version%.*}"
wine reg query "$key" /v Publisher | grep -q "Tavenor" || fail "no Publisher"

printed="$(wine 'C:\Program Files\Tavenor\tavenor-cli.exe' --version)"
[ "$printed" = "tavenor-cli $version" ] || fail "installed --version printed: $printed"
echo "Installed: $printed"
# The plugin folder runs on its own, wherever the user copies it: its libraries are its own.
# (What it prints is its own suites' to check; here only that it starts and answers.)
printed="$(wine 'C:\Program Files\Tavenor\plugin\Tavenor\tavenor-plugin.exe' --version | tr -d '\r')"
[ "$printed" = "tavenor-plugin $version" ] || fail "installed plugin's --version printed: $printed"
echo "Installed: $printed"
wine 'C:\Program Files\Tavenor\tavenor.exe' &
window=$!
timeout 60 xdotool search --sync --onlyvisible --name '^Tavenor' >/dev/null \
    || fail "the installed tavenor.exe showed no window"
echo "Installed: tavenor.exe shows its window"
kill "$window"
wait "$window" || true

# The uninstaller copies itself away and starts the copy, which wine does not wait for: its last
# step, the entry's removal, is waited for (a minute at most).
wine 'C:\Program Files\Tavenor\uninstall.exe' /S
for _ in $(seq 120); do
    wine reg query "$key" >/dev/null 2>&1 || break
    sleep 0.5
done
if wine reg query "$key" >/dev/null 2>&1; then
    fail "the uninstall entry was left behind"
fi
[ ! -e "$installed" ] || fail "left behind: $(find "$installed")"
[ ! -e "$shortcut" ] || fail "the shortcut was left behind"
echo "Uninstalled: no file, shortcut or entry left"
