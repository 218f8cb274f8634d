#!/usr/bin/env bash
# The Windows tavenor-cli.exe (under Wine) against the Linux tavenor-cli: the same commands over
# the same inputs must give the same standard output, standard error and exit code, byte for byte.
#
#     cli_across_systems_test.sh LINUX_CLI WINDOWS_RUNNER WINDOWS_CLI
set -uo pipefail
linux_cli="$1"
windows=("$2" "$3")

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

printf '你好\n鲁绿旅\n天青色等烟雨\n' >lyrics.txt
# Outside GBK: an emoji, a CJK Extension B ideograph, a character of the BMP's four-byte area.
printf '😀𠀀\n你€好\n' >outside_gbk.txt
printf '你好\r\n鲁\r\n\r\n天\r\n' >crlf.txt
printf '你好\n鲁\n\n天\n' >lf.txt
printf '你好\n鲁\xFF绿\n' >invalid_utf8.txt
printf 'ni,hao,\nba,ni,wo,lv,\nying,xiong,\n' >pinyin.txt
printf 'ni,hao,\r\nlv,\r\n' >pinyin_crlf.txt
cp lyrics.txt 中文歌词.txt

failures=0
runs=0
compare() {
    "$linux_cli" "$@" <"$stdin" >linux.out 2>linux.err
    local linux_code=$?
    "${windows[@]}" "$@" <"$stdin" >windows.out 2>windows.err
    local windows_code=$?
    runs=$((runs + 1))
    if ! cmp -s linux.out windows.out || ! cmp -s linux.err windows.err \
        || [ "$linux_code" -ne "$windows_code" ]; then
        failures=$((failures + 1))
        echo "DIFFERENT: tavenor-cli $* <$stdin (exit $linux_code on Linux, $windows_code on Windows)"
        diff <(od -c linux.out) <(od -c windows.out) | head -10
        diff <(od -c linux.err) <(od -c windows.err) | head -10
    fi
}

stdin=/dev/null
compare --version
compare --help
compare lyrics --help
compare convert --help
compare --bogus
compare frobnicate
compare lyrics --lu=maybe lyrics.txt
compare convert --lu=yes pinyin.txt
for file in lyrics.txt outside_gbk.txt crlf.txt invalid_utf8.txt 中文歌词.txt; do
    compare lyrics "$file"
    compare lyrics --json "$file"
    compare lyrics --lu=no --quiet "$file"
done
for file in pinyin.txt pinyin_crlf.txt outside_gbk.txt invalid_utf8.txt; do
    compare convert "$file"
    compare convert --json "$file"
done
for stdin in lyrics.txt crlf.txt invalid_utf8.txt; do
    compare lyrics --json
done
stdin=pinyin.txt
compare convert -

# CR LF line ends give what LF gives, on Windows as on Linux.
stdin=/dev/null
"$linux_cli" lyrics --json lf.txt >lf.out
"${windows[@]}" lyrics --json crlf.txt >crlf.out
runs=$((runs + 1))
if ! cmp -s lf.out crlf.out; then
    failures=$((failures + 1))
    echo "DIFFERENT: CR LF input on Windows against LF input on Linux"
fi

echo "$((runs - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
