#!/usr/bin/env bash
# tavenor-cli.exe on a console, under Wine in a terminal that tmux types into and reads as a
# person would: --lu=ask asks there in Chinese, and Chinese answers typed there reach it whole.
#
#     cli_windows_console_test.sh WINDOWS_RUNNER WINDOWS_CLI
set -uo pipefail
windows=("$1" "$2")

work="$(mktemp -d)"
terminal=(tmux -S "$work/tmux")
trap '"${terminal[@]}" kill-server 2>/dev/null; rm -rf "$work"' EXIT
cd "$work"
printf '你鲁\n绿\n' >lyrics.txt

screen() { "${terminal[@]}" capture-pane -p -J | sed '/^$/d'; }

# Waits up to a minute for a line of the screen to read text exactly.
wait_for() {
    local second
    for second in $(seq 60); do
        screen | grep -qxF -- "$1" && return 0
        sleep 1
    done
    echo "never shown: $1"
    return 1
}

answer() {
    wait_for "$1" || return 1
    "${terminal[@]}" send-keys -l "$2"
    "${terminal[@]}" send-keys Enter
}

# The terminal shows the program's exit code when it ends.
"${terminal[@]}" -u new-session -d -x 160 -y 40 \
    bash -c '"$@" lyrics --lu=ask lyrics.txt; echo "[exit $?]"; sleep 600' bash "${windows[@]}"
if answer 'Yes (lu) or no (lv)? [Y/n]' 否 && answer 'Yes (lu) or no (lv)? [y/N]' 是 \
    && wait_for '[exit 0]'; then
    shown="$(screen)"
    for line in '检测到存在“lu”' '否：读“绿”（lv）' 'line 1, character 2: 鲁 (built-in reading: lu)' \
        'Yes (lu) or no (lv)? [Y/n] 否' 'line 2, character 1: 绿 (built-in reading: lv)' \
        'Yes (lu) or no (lv)? [y/N] 是' 'ni[J i]' "ri[4' i]+yu[jM]" "ru[4' M]"; do
        grep -qxF -- "$line" <<<"$shown" || { echo "never shown: $line"; failed=1; }
    done
else
    failed=1
fi
if [ "${failed:-0}" -eq 0 ]; then
    echo "1 passed, 0 failed"
else
    echo "the console showed:"
    screen | sed 's/^/    /'
    echo "0 passed, 1 failed"
    exit 1
fi
