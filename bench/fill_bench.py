#!/usr/bin/env python3
"""The whole fill, file to written file: `tavenor-cli fill` as a process over generated projects.

Generates, the same every time, projects in the shapes their hosts write: a 300-note and a
10,000-note OpenUtau project (.ustx, as OpenUtau 0.9 writes it, each note sung by a Chinese
character, with a long pitch curve: 3,000 and 100,000 points), a 10,000-note UTAU project (.ust,
Shift-JIS, CR LF) and a 10,000-note Standard MIDI File, the last two filled from a lyrics file.
Then times, in alternating rounds, `tavenor-cli --version` (the program's own start), each
fill (written with -o to a file) and, for each .ustx, the event walk (bench/ustx_event_walk,
libyaml's events of the same file and nothing else), with the peak resident memory of each
process; every command runs unpinned, as a user runs it. A command that cannot run (a fill
that this tavenor-cli does not have yet) is reported as skipped with its error, and the rest
still runs. Ends with the targets: each .ustx fill within the start plus twice its walk and
under 32 MiB, the .ust and MIDI fills within the start plus 50 ms.

    bench/fill_bench.py build/release/cli/tavenor-cli build/release/bench/ustx_event_walk
        [--rounds 5]
"""

import argparse
import os
import random
import statistics
import struct
import subprocess
import tempfile
import time

GNU_TIME = "/usr/bin/time"  # Debian package time
# Characters whose readings the syllable table has, some with two-part and three-part rows.
CHARACTERS = "春眠不觉晓处闻啼鸟夜来风雨声花落知多少床前明月光疑是地上霜举头望低思故乡好天"
TICKS = 480
PEAK_LIMIT_MIB = 32


def ustx_note(position, duration, tone, lyric):
    return (f"  - position: {position}\n    duration: {duration}\n    tone: {tone}\n"
            f"    lyric: {lyric}\n    pitch:\n      data:\n      - {{x: -40, y: 0, shape: io}}\n"
            f"      - {{x: 40, y: 0, shape: io}}\n      snap_first: true\n"
            f"    vibrato: {{length: 0, period: 175, depth: 25, in: 10, out: 10, shift: 0, "
            f"drift: 0, vol_link: 0}}\n    tuning: 0\n    phoneme_expressions: []\n"
            f"    phoneme_overrides: []\n")


def ustx_header():
    expressions = [("dynamics (curve)", "dyn", "Curve", -240, 120, 0),
                   ("pitch deviation (curve)", "pitd", "Curve", -1200, 1200, 0),
                   ("velocity", "vel", "Numerical", 0, 200, 100),
                   ("volume", "vol", "Numerical", 0, 200, 100)]
    text = ("name: 春晓\ncomment: ''\noutput_dir: Vocal\ncache_dir: UCache\nustx_version: 0.9\n"
            "bpm: 120\nbeat_per_bar: 4\nbeat_unit: 4\nexpressions:\n")
    for name, abbr, kind, low, high, default in expressions:
        text += (f"  {abbr}:\n    name: {name}\n    abbr: {abbr}\n    type: {kind}\n"
                 f"    min: {low}\n    max: {high}\n    default_value: {default}\n"
                 f"    is_flag: false\n    flag: ''\n    skip_output_if_default: false\n")
    text += ("exp_selectors:\n- dyn\n- pitd\n- vel\n- vol\nexp_primary: 0\nexp_secondary: 1\n"
             "key: 0\ntime_signatures:\n- bar_position: 0\n  beat_per_bar: 4\n  beat_unit: 4\n"
             "tempos:\n- position: 0\n  bpm: 120\ntracks:\n- singer: 重音テト\n"
             "  phonemizer: OpenUtau.Plugin.Builtin.JapanesePresampPhonemizer\n"
             "  renderer_settings:\n    renderer: CLASSIC\n    resampler: worldline\n"
             "    wavtool: convergence\n  track_name: 主旋律\n  track_color: Blue\n"
             "  mute: false\n  solo: false\n  volume: 0\n  pan: 0\n  track_expressions: []\n"
             "  voice_color_names:\n  - ''\n")
    return text


def write_ustx(path, notes, curve_points, pick):
    with open(path, "w", encoding="utf-8-sig", newline="\n") as out:
        out.write(ustx_header())
        out.write(f"voice_parts:\n- duration: {notes * TICKS}\n  name: 第一段\n  comment: ''\n"
                  f"  track_no: 0\n  position: 0\n  notes:\n")
        for i in range(notes):
            out.write(ustx_note(i * TICKS, TICKS, pick.randint(55, 72), pick.choice(CHARACTERS)))
        # A drawn pitch curve: a point every 5 ticks, as OpenUtau samples one.
        out.write("  curves:\n  - xs:\n")
        out.write("".join(f"    - {i * 5}\n" for i in range(curve_points)))
        out.write("    ys:\n")
        out.write("".join(f"    - {pick.randint(-300, 300)}\n" for _ in range(curve_points)))
        out.write("    abbr: pitd\nwave_parts: []\n")


def write_ust(path, notes, pick):
    lines = ["[#VERSION]", "UST Version1.2", "[#SETTING]", "Tempo=120.00", "Tracks=1",
             "ProjectName=はる", "VoiceDir=%VOICE%uta", "OutFile=", "CacheDir=はる.cache",
             "Tool1=wavtool.exe", "Tool2=resampler.exe", "Mode2=True"]
    for i in range(notes):
        lines += [f"[#{i:04d}]", f"Length={TICKS}", "Lyric=あ", f"NoteNum={pick.randint(55, 72)}",
                  "PreUtterance=", "Intensity=100", "Modulation=0", "PBS=-40;0", "PBW=80",
                  "Flags=g0"]
    lines.append("[#TRACKEND]")
    with open(path, "wb") as out:
        out.write(("\r\n".join(lines) + "\r\n").encode("shift_jis"))


def variable_length(value):
    encoded = [value & 0x7F]
    value >>= 7
    while value:
        encoded.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(encoded))


def write_midi(path, notes, pick):
    """Format 1: a tempo track, then one track of notes without lyrics."""
    tempo = b"\x00\xFF\x51\x03\x07\xA1\x20" + b"\x00\xFF\x2F\x00"
    events = bytearray(b"\x00\xFF\x03\x06" + "主旋".encode())
    for _ in range(notes):
        tone = pick.randint(55, 72)
        events += b"\x00" + bytes([0x90, tone, 100])
        events += variable_length(TICKS) + bytes([0x80, tone, 0])
    events += b"\x00\xFF\x2F\x00"
    with open(path, "wb") as out:
        out.write(b"MThd" + struct.pack(">IHHH", 6, 1, 2, TICKS))
        for track in (tempo, bytes(events)):
            out.write(b"MTrk" + struct.pack(">I", len(track)) + track)


def run_timed(command):
    """Wall seconds and peak resident MiB of one run, or the error of a run that failed.

    GNU time reports the peak: a child forked from this Python process would count the
    parent's memory too, since the kernel carries it over to the child's peak at exec.
    """
    with tempfile.NamedTemporaryFile(mode="r") as report:
        start = time.perf_counter()
        finished = subprocess.run([GNU_TIME, "-f", "%M", "-o", report.name, *command],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        wall = time.perf_counter() - start
        if finished.returncode != 0:
            lines = finished.stderr.decode(errors="replace").strip().splitlines()
            return f"exit {finished.returncode}: {lines[0] if lines else ''}"
        return wall, int(report.read().split()[-1]) / 1024


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("cli", help="the tavenor-cli to time (a release build)")
    parser.add_argument("walk", help="bench/ustx_event_walk of the same build")
    parser.add_argument("--rounds", type=int, default=5)
    args = parser.parse_args()
    if not os.access(GNU_TIME, os.X_OK):
        raise SystemExit(f"{GNU_TIME} is missing: apt-get install time")

    with tempfile.TemporaryDirectory() as folder:
        pick = random.Random(20261210)
        files = {
            "ustx 300": os.path.join(folder, "short.ustx"),
            "ustx 10,000": os.path.join(folder, "long.ustx"),
            "ust 10,000": os.path.join(folder, "long.ust"),
            "midi 10,000": os.path.join(folder, "long.mid"),
        }
        write_ustx(files["ustx 300"], 300, 3_000, pick)
        write_ustx(files["ustx 10,000"], 10_000, 100_000, pick)
        write_ust(files["ust 10,000"], 10_000, pick)
        write_midi(files["midi 10,000"], 10_000, pick)
        lyrics = os.path.join(folder, "lyrics.txt")
        with open(lyrics, "w", encoding="utf-8") as out:
            for line in range(10_000 // 10):
                out.write("".join(pick.choice(CHARACTERS) for _ in range(10)) + "，\n")
        for name, path in files.items():
            print(f"{name:<12} notes: {os.path.getsize(path):>10,} bytes")

        commands = {"start: --version": [args.cli, "--version"]}
        for name, path in files.items():
            output = os.path.join(folder, "filled" + os.path.splitext(path)[1])
            fill = [args.cli, "fill", path, "-o", output, "--quiet"]
            if not name.startswith("ustx"):
                fill += ["--lyrics", lyrics]
            commands[f"fill {name}"] = fill
            if name.startswith("ustx"):
                commands[f"walk {name}"] = [args.walk, path]
        runs = {name: [] for name in commands}
        skipped = {}
        for _ in range(args.rounds):
            for name, command in commands.items():
                if name in skipped:
                    continue
                measured = run_timed(command)
                if isinstance(measured, str):
                    skipped[name] = measured
                else:
                    runs[name].append(measured)

        print(f"{args.rounds} alternating rounds, unpinned")
        print(f"{'command':<22} {'wall ms (median)':>17} {'rate':>22} {'peak MiB':>9}")
        medians = {}
        for name, measured in runs.items():
            if name in skipped:
                print(f"{name:<22} skipped: {skipped[name]}")
                continue
            wall = statistics.median(w for w, _ in measured)
            peak = max(m for _, m in measured)
            medians[name] = (wall, peak)
            notes = name.rsplit(" ", 1)[-1].replace(",", "")
            rate = f"{int(notes) / wall:,.0f} notes/s" if notes.isdigit() else ""
            print(f"{name:<22} {wall * 1000:>17.1f} {rate:>22} {peak:>9.1f}")

        print("targets:")
        start = medians.get("start: --version", (None, None))[0]
        for name in files:
            fill = medians.get(f"fill {name}")
            if fill is None or start is None:
                print(f"  fill {name}: not measured")
                continue
            if name.startswith("ustx"):
                walk = medians.get(f"walk {name}")
                if walk is None:
                    print(f"  fill {name}: no walk to compare with")
                    continue
                limit = start + 2 * walk[0]
                how = f"start {start * 1000:.1f} + 2 x walk {walk[0] * 1000:.1f}"
            else:
                limit = start + 0.050
                how = f"start {start * 1000:.1f} + 50"
            verdict = "met" if fill[0] <= limit and fill[1] < PEAK_LIMIT_MIB else "MISSED"
            print(f"  fill {name}: {fill[0] * 1000:.1f} ms against {how} = {limit * 1000:.1f} ms,"
                  f" peak {fill[1]:.1f} MiB against {PEAK_LIMIT_MIB}: {verdict}")


if __name__ == "__main__":
    main()
