#!/usr/bin/python3
"""A filled .ustx as a YAML 1.1 reader (PyYAML) sees it: every tricky lyric back as the same
string, and each note's position and duration as planned. With --cli, tavenor-cli fill's own
output too: every lyric a string without brackets, the first track's notes covering exactly the
ticks they covered, the other track as it was.

    ustx_yaml_readback_test.py USTX_FILL_TOOL SAMPLE.ustx [--cli TAVENOR_CLI]
"""

import os
import subprocess
import sys
import tempfile

try:
    import yaml
except ImportError:
    sys.exit("PyYAML is missing: install the Debian package python3-yaml (run with /usr/bin/python3)")

SPLIT = "\x1f"
# Words that YAML 1.1 or 1.2 reads as booleans, nulls or numbers, indicators, and characters
# that only a double-quoted scalar carries; a few plain lyrics among them.
TRICKY = [
    "no", "n", "N", "yes", "Y", "y", "On", "OFF", "oFF", "null", "Null", "~", "true", "FALSE",
    "1", "0x1F", "0o17", "017", "0b101", "1_000", "1:20", "190:20:30.15", ".inf", "-.INF", ".NaN",
    "+1", "1e3", "6.8523015e+5", "2001-12-14", "a: b", "a:b", "a #b", "#a", "-", "-a", "?", "? a",
    "'", "'a'", '"', "[", "{", "]", "}", "a,b", "!", "&a", "*a", "%", "@", "`", "|", ">", ",",
    " a", "a ", "", "=", "<<", "a\tb", "a\nb", "a\r\nb", "\x7f", "\u0085", "\u2028", "\ufeff",
    "\\", "a\\nb", "は", "ん", "ちゃ" + SPLIT + "あ" + SPLIT + "ん", "no" + SPLIT + "n",
    "ha" + SPLIT + "o", "x", "ka", "ri",
]


def notes_of(document):
    """The first track's notes, as (lyric, absolute position, duration), in time order."""
    parts = [part for part in document["voice_parts"] if part["notes"]]
    track = min(part["track_no"] for part in parts)
    notes = [(note["lyric"], part["position"] + note["position"], note["duration"])
             for part in parts if part["track_no"] == track for note in part["notes"]]
    return sorted(notes, key=lambda note: note[1])


def planned(notes, lyrics):
    """What the tool's plan makes of the notes: the split rule of tests/support/parts_plan.h."""
    out = []
    for index, (lyric, position, duration) in enumerate(notes):
        parts = lyrics[index].split(SPLIT) if index < len(lyrics) else [lyric]
        k = len(parts)
        length = min(120, duration // k) if k > 1 and duration >= k else 0
        first = duration - (k - 1) * length
        out.append((parts[0], position, first))
        if length:
            for j, part in enumerate(parts[1:]):
                out.append((part, position + first + j * length, length))
    return sorted(out, key=lambda note: note[1])


def main():
    tool, sample = sys.argv[1:3]
    with open(sample, encoding="utf-8-sig") as original:
        notes = notes_of(yaml.safe_load(original))
    failures = 0
    for start in range(0, len(TRICKY), len(notes)):
        lyrics = TRICKY[start:start + len(notes)]
        filled = subprocess.run([tool, sample, *lyrics], check=True, capture_output=True).stdout
        got = notes_of(yaml.safe_load(filled.decode("utf-8-sig")))
        want = planned(notes, lyrics)
        if got != want:
            failures += 1
            print(f"lyrics {lyrics!r}:\n  read back {got!r}\n  planned   {want!r}")
    if len(sys.argv) > 4 and sys.argv[3] == "--cli":
        failures += check_cli_fill(sys.argv[4], sample)
    if failures:
        sys.exit(1)
    print(f"{len(TRICKY)} lyrics read back as written")


def check_cli_fill(cli, sample):
    """The number of failures in tavenor-cli fill's output of the sample."""
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "filled.ustx")
        subprocess.run([cli, "fill", sample, "-o", out, "--quiet"], check=True)
        with open(out, encoding="utf-8-sig") as filled, open(sample, encoding="utf-8-sig") as given:
            after, before = yaml.safe_load(filled), yaml.safe_load(given)
    notes, original = notes_of(after), notes_of(before)
    ticks = sorted((position, position + duration) for _, position, duration in notes)
    covered = [span for span in ticks if span[1] > span[0]]
    joined = all(a[1] == b[0] for a, b in zip(covered, covered[1:]))
    failures = []
    if not all(isinstance(lyric, str) and "[" not in lyric for lyric, _, _ in notes):
        failures.append(f"lyrics: {notes!r}")
    if len(notes) <= len(original) or not joined or covered[0][0] != original[0][1] \
            or covered[-1][1] != original[-1][1] + original[-1][2]:
        failures.append(f"notes {notes!r} do not cover {original!r}")
    if after["voice_parts"][2] != before["voice_parts"][2]:
        failures.append("the second track changed")
    for failure in failures:
        print(f"tavenor-cli fill: {failure}")
    return len(failures)


if __name__ == "__main__":
    main()
