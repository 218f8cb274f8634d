#!/usr/bin/env python3
"""The whole command, file to written output: tavenor-cli as a process over generated lyrics.

Generates about 2.6 million characters of song-like lyrics (lines of 12 to 13 common GB2312
characters with full-width punctuation, the same every time) and the pinyin lists that match
them, then times `lyrics`, `lyrics --json` and `convert`, each writing to /dev/null, with the
peak resident memory of the process. Rounds alternate between the commands, so that a busy
machine slows them alike. --also runs a further command in the same rotation over the same lyrics
file, {lyrics}, or pinyin lists, {pinyin}, labelled LABEL if given as LABEL=CMD; two have names:

    --also peer    @napi-rs/pinyin 1.8.0 under Node.js: the lyrics file read whole, its pinyin()
                   (plain) joined by commas and written out; from the node_modules folder that
                   `npm install @napi-rs/pinyin@1.8.0` made in --peer-folder (default /tmp);
                   --also peer-string: its pinyinString() instead, one string for the file
    --also iconv   iconv -f UTF-8 -t GB18030 over the lyrics file: reading and mapping alone

By default every command runs as a user runs it, free to use every processor; --cpu N pins them
all to processor N instead, which takes a multi-threaded program's helpers away from it. The
report says which, and how long each further command takes beside `lyrics`.

    bench/cli_bench.py build/release/cli/tavenor-cli [--rounds 5] [--cpu N] [--also peer]
        [--also iconv] [--also 'LABEL=CMD {lyrics}'] [--also 'CMD convert {pinyin}']
"""

import argparse
import json
import os
import random
import shlex
import statistics
import subprocess
import tempfile
import time

LINES = 208_000
GNU_TIME = "/usr/bin/time"  # Debian package time
PUNCTUATION = ["，", "。", "！", "？", "、"]
# The peer's main call, pinyin(), over the whole file, its syllables (plain) joined by commas; and
# its one-string call, pinyinString(), which makes no JavaScript string for each syllable.
PEER_SCRIPTS = {
    "peer": ("const { pinyin } = require('@napi-rs/pinyin');"
             "const text = require('fs').readFileSync(process.argv[1], 'utf8');"
             "process.stdout.write(pinyin(text, { style: 0 }).join(','));"),
    "peer-string": ("const { pinyinString } = require('@napi-rs/pinyin');"
                    "const text = require('fs').readFileSync(process.argv[1], 'utf8');"
                    "process.stdout.write(pinyinString(text, { style: 0, separator: ',' }));"),
}


def common_characters():
    """GB2312's first level, the 3,755 most common characters: rows B0 to D7, D7 ending at F9."""
    characters = []
    for lead in range(0xB0, 0xD8):
        for trail in range(0xA1, 0xFA if lead == 0xD7 else 0xFF):
            characters.append(bytes([lead, trail]).decode("gb2312"))
    return characters


def lyrics_lines():
    """Two phrases a line, 5 or 6 characters and 5 characters, each closed by punctuation."""
    characters = common_characters()
    pick = random.Random(20261208)
    for _ in range(LINES):
        phrases = []
        for length in (pick.choice((5, 6)), 5):
            phrases.append("".join(pick.choice(characters) for _ in range(length)))
            phrases.append(pick.choice(PUNCTUATION))
        yield "".join(phrases)


def run_timed(command):
    """Wall seconds and peak resident MiB of one run; fails loudly on a non-zero exit.

    GNU time reports the peak: a child forked from this Python process would count the
    parent's memory too, since the kernel carries it over to the child's peak at exec.
    """
    with tempfile.NamedTemporaryFile(mode="r") as report:
        start = time.perf_counter()
        finished = subprocess.run([GNU_TIME, "-f", "%M", "-o", report.name, *command],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        wall = time.perf_counter() - start
        if finished.returncode != 0:
            raise SystemExit(f"{command[0]} exited {finished.returncode}: "
                             f"{finished.stderr.decode(errors='replace')}")
        return wall, int(report.read().split()[-1]) / 1024


def matching_pinyin(cli, lyrics_path, pinyin_path):
    """The pinyin list of every lyrics line, as the lyrics command builds it."""
    with subprocess.Popen([cli, "lyrics", "--lu=yes", "--json", "--quiet", lyrics_path],
                          stdout=subprocess.PIPE, text=True, encoding="utf-8") as listing, \
            open(pinyin_path, "w", encoding="utf-8") as out:
        for record in listing.stdout:
            if record.strip():
                out.write(json.loads(record)["pinyin"] + "\n")
    if listing.returncode != 0:
        raise SystemExit(f"{cli} lyrics --json exited {listing.returncode}")


def named_command(also, peer_folder):
    """The label and shell command of an --also: peer, peer-string, iconv, LABEL=CMD or CMD."""
    if also in PEER_SCRIPTS:
        modules = os.path.join(peer_folder, "node_modules")
        if not os.path.isdir(os.path.join(modules, "@napi-rs", "pinyin")):
            raise SystemExit(f"no @napi-rs/pinyin in {modules}: "
                             f"cd {peer_folder} && npm install @napi-rs/pinyin@1.8.0")
        script = shlex.quote(PEER_SCRIPTS[also])
        return (f"@napi-rs/pinyin 1.8.0 {'pinyinString' if also == 'peer-string' else 'pinyin'}",
                f"NODE_PATH={shlex.quote(modules)} node -e {script} {{lyrics}}")
    if also == "iconv":
        return "iconv -f UTF-8 -t GB18030", "iconv -f UTF-8 -t GB18030 {lyrics}"
    label, equals, command = also.partition("=")
    if equals and label and " " not in label.strip() and "{" not in label:
        return label, command
    return also, also


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("cli", help="the tavenor-cli to time (a release build)")
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--cpu", type=int, help="run every command on this processor only")
    parser.add_argument("--also", action="append", default=[],
                        help="a further command to time: peer, peer-string, iconv, or [LABEL=]CMD where "
                             "{lyrics} stands for the lyrics file, {pinyin} for the pinyin lists")
    parser.add_argument("--peer-folder", default="/tmp",
                        help="where npm installed @napi-rs/pinyin 1.8.0 (its node_modules' parent)")
    args = parser.parse_args()
    if not os.access(GNU_TIME, os.X_OK):
        raise SystemExit(f"{GNU_TIME} is missing: apt-get install time")
    if args.cpu is not None:
        # The commands inherit it.
        os.sched_setaffinity(0, {args.cpu})

    with tempfile.TemporaryDirectory() as folder:
        lyrics_path = os.path.join(folder, "lyrics.txt")
        pinyin_path = os.path.join(folder, "pinyin.txt")
        with open(lyrics_path, "w", encoding="utf-8") as out:
            for line in lyrics_lines():
                out.write(line + "\n")
        with open(lyrics_path, encoding="utf-8") as lyrics:
            characters = sum(len(line) - 1 for line in lyrics)
        matching_pinyin(args.cli, lyrics_path, pinyin_path)
        with open(pinyin_path, encoding="utf-8") as lists:
            pieces = sum(1 for line in lists for piece in line.strip().split(",") if piece)
        print(f"input: {characters:,} characters in {LINES:,} lines, "
              f"{os.path.getsize(lyrics_path):,} bytes of UTF-8; their pinyin lists: "
              f"{pieces:,} pieces, {os.path.getsize(pinyin_path):,} bytes")

        # What each command's rate counts: lyrics characters, or the pieces of the pinyin lists.
        commands = {
            "lyrics": ([args.cli, "lyrics", "--lu=yes", lyrics_path], characters, "characters/s"),
            "lyrics --json": ([args.cli, "lyrics", "--lu=yes", "--json", lyrics_path], characters,
                              "characters/s"),
            "convert": ([args.cli, "convert", pinyin_path], pieces, "pieces/s"),
        }
        for also in args.also:
            label, command = named_command(also, args.peer_folder)
            shell = ["sh", "-c",
                     command.replace("{lyrics}", lyrics_path).replace("{pinyin}", pinyin_path)]
            commands[label] = ((shell, pieces, "pieces/s") if "{pinyin}" in command
                               else (shell, characters, "characters/s"))
        runs = {name: [] for name in commands}
        for _ in range(args.rounds):
            for name, (command, _, _) in commands.items():
                runs[name].append(run_timed(command))

        where = f"pinned to processor {args.cpu}" if args.cpu is not None else "unpinned"
        print(f"{args.rounds} alternating rounds, {where}, output to /dev/null")
        print(f"{'command':<34} {'wall s (median)':>16} {'rate (millions)':>24} {'peak MiB':>9}"
              f" {'÷ lyrics':>9}")
        lyrics_wall = statistics.median(w for w, _ in runs["lyrics"])
        for name, measured in runs.items():
            _, count, unit = commands[name]
            wall = statistics.median(w for w, _ in measured)
            peak = max(m for _, m in measured)
            rate = f"{count / wall / 1e6:.2f} M {unit}"
            print(f"{name:<34} {wall:>16.3f} {rate:>24} {peak:>9.1f} {wall / lyrics_wall:>8.2f}×")


if __name__ == "__main__":
    main()
