#!/usr/bin/env python3
"""Builds unihan_readings.inc, the built-in pinyin readings, from Unicode's Unihan database.

Each character's reading is the first value of its kMandarin field (the one for simplified
Chinese), with tone marks. A compatibility ideograph takes the reading of its canonical
equivalent. corrections.txt, beside this script, replaces or adds readings. The data is keyed by
each character's GB18030 bytes, as the program's codec produces them, so the program looks
readings up without converting text.

    generate_readings.py                  writes unihan_readings.inc beside this script
    generate_readings.py --check FILE     exits 1 when FILE differs from what would be written
    generate_readings.py --verify-lookup PROGRAM
                                          runs PROGRAM, which lists what the built program finds
                                          for each ideograph ("XXXX<TAB>reading" per line), and
                                          exits 1 unless that is exactly the intended readings

Both checks exit 77 (skipped) when the Unihan file is missing or of another version.
"""

import argparse
import bz2
import pathlib
import subprocess
import sys

HERE = pathlib.Path(__file__).resolve().parent
UNICODE_DIR = pathlib.Path("/usr/share/unicode")
UNIHAN_VERSION = "15.0.0"
SKIP = 77  # CTest's conventional "skipped" exit code

# Python's codec follows GB18030-2000 for these two code points; the program's codec (ICU's mapping)
# follows GB18030-2005, which swaps them. Only U+1E3F occurs in readings (呣 reads ḿ).
GB18030_2005_DIFFERENCES = {
    "\u1e3f": b"\xa8\xbc",
    "\ue7c7": b"\x81\x35\xf4\x37",
}

TWO_BYTE_LEADS = range(0x81, 0xFF)
TWO_BYTE_TRAILS = range(0x40, 0xFF)

COMPATIBILITY_IDEOGRAPHS = [range(0xF900, 0xFB00), range(0x2F800, 0x2FA20)]


def gb18030(text):
    return b"".join(GB18030_2005_DIFFERENCES.get(c) or c.encode("gb18030") for c in text)


def code_point(field):
    if not field.startswith("U+"):
        raise ValueError(f"not a code point: {field!r}")
    return int(field[2:], 16)


def read_unihan(path):
    """The kMandarin readings (first value) by code point, and the file's Unicode version."""
    readings = {}
    version = None
    with bz2.open(path, "rt", encoding="utf-8") as lines:
        for line in lines:
            if line.startswith("# Unicode version:"):
                version = line.split(":", 1)[1].strip()
            if line.startswith("#") or not line.strip():
                continue
            point, field, value = line.rstrip("\n").split("\t")
            if field == "kMandarin":
                readings[code_point(point)] = value.split(" ")[0]
    return readings, version


def read_canonical_singletons(path):
    """Code point -> its one-character canonical decomposition (the compatibility ideographs)."""
    singletons = {}
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            fields = line.split(";")
            decomposition = fields[5].split()
            if len(decomposition) == 1 and not decomposition[0].startswith("<"):
                singletons[int(fields[0], 16)] = int(decomposition[0], 16)
    return singletons


def read_corrections(path):
    corrections = {}
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            if line.startswith("#") or not line.strip():
                continue
            point, reading, _evidence = line.rstrip("\n").split("\t")
            corrections[code_point(point)] = reading
    return corrections


def build_readings(unihan, singletons, corrections):
    readings = dict(unihan)
    readings.update(corrections)
    for block in COMPATIBILITY_IDEOGRAPHS:
        for point in block:
            equivalent = singletons.get(point)
            if equivalent in readings:
                readings[point] = readings[equivalent]
    return readings


def c_string(data):
    # Octal escapes end after three digits, so a letter after one cannot extend it.
    return '"' + "".join(chr(b) if 0x20 <= b < 0x7F and b not in b'"\\' else f"\\{b:03o}"
                         for b in data) + '"'


def wrapped(items, separator="", indent="    ", width=100):
    lines, line = [], indent
    for item in items:
        if len(line) + len(item) > width and line.strip():
            lines.append(line.rstrip())
            line = indent
        line += item + separator
    if line.strip():
        lines.append(line.rstrip())
    return "\n".join(lines)


def render(readings, version):
    encoded = {gb18030(chr(point)): gb18030(reading) for point, reading in readings.items()}
    if len(encoded) != len(readings):
        raise ValueError("two characters share GB18030 bytes")
    pool = sorted(set(readings.values()))
    number = {gb18030(reading): index + 1 for index, reading in enumerate(pool)}

    ends, end = [0], 0
    for reading in pool:
        end += len(gb18030(reading))
        ends.append(end)

    two_byte = [0] * (len(TWO_BYTE_LEADS) * len(TWO_BYTE_TRAILS))
    four_byte = []
    for key, reading in encoded.items():
        if len(key) == 2:
            two_byte[(key[0] - TWO_BYTE_LEADS.start) * len(TWO_BYTE_TRAILS)
                     + key[1] - TWO_BYTE_TRAILS.start] = number[reading]
        else:
            four_byte.append((int.from_bytes(key, "big"), number[reading]))
    four_byte.sort()

    two_byte_rows = []
    for row, lead in enumerate(TWO_BYTE_LEADS):
        values = two_byte[row * len(TWO_BYTE_TRAILS):(row + 1) * len(TWO_BYTE_TRAILS)]
        two_byte_rows.append(f"    // lead 0x{lead:02X}\n" + wrapped(f"{v}," for v in values))

    two_byte_count = sum(1 for key in encoded if len(key) == 2)
    return f"""\
// Generated by pinyin/data/generate_readings.py from Unihan_Readings.txt (Unicode {version}),
// field kMandarin, and pinyin/data/corrections.txt. Do not edit; regenerate.
// {len(readings)} characters ({two_byte_count} with two-byte keys, {len(four_byte)} with four-byte keys), {len(pool)} readings.

// Every distinct reading as GB18030 bytes; reading r (from 1) is the bytes from
// kReadingEnd[r - 1] to kReadingEnd[r] of kReadingText.
constexpr std::string_view kReadingText =
{wrapped((c_string(gb18030(reading)) for reading in pool), separator=" ")};

constexpr std::uint16_t kReadingEnd[{len(ends)}] = {{
{wrapped(f"{e}," for e in ends)}
}};

// Two-byte characters: the reading number at (lead - kFirstLead) * kTrailCount
// + (trail - kFirstTrail), 0 for none.
constexpr unsigned kFirstLead = 0x{TWO_BYTE_LEADS.start:02X};
constexpr unsigned kFirstTrail = 0x{TWO_BYTE_TRAILS.start:02X};
constexpr unsigned kTrailCount = {len(TWO_BYTE_TRAILS)};
constexpr std::uint16_t kTwoByteReading[{len(TWO_BYTE_LEADS)} * kTrailCount] = {{
{chr(10).join(two_byte_rows)}
}};

// Four-byte characters: their bytes as a big-endian number, ascending, and the reading numbers.
constexpr std::uint32_t kFourByteKey[{len(four_byte)}] = {{
{wrapped(f"0x{key:08X}," for key, _ in four_byte)}
}};

constexpr std::uint16_t kFourByteReading[{len(four_byte)}] = {{
{wrapped(f"{reading}," for _, reading in four_byte)}
}};
"""


def verify_lookup(program, readings):
    """Compares what the built program finds, character by character, with readings."""
    listing = subprocess.run([program], capture_output=True, encoding="utf-8", check=True).stdout
    found = {}
    for line in listing.splitlines():
        point, reading = line.split("\t")
        found[int(point, 16)] = reading
    wrong = [point for point in sorted(readings.keys() | found.keys())
             if found.get(point) != readings.get(point)]
    for point in wrong[:10]:
        print(f"U+{point:04X}: the program finds {found.get(point)!r}, "
              f"the data means {readings.get(point)!r}", file=sys.stderr)
    if wrong:
        print(f"{len(wrong)} characters differ", file=sys.stderr)
        return 1
    print(f"{len(found)} characters found with their intended readings")
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--unihan", type=pathlib.Path,
                        default=UNICODE_DIR / "Unihan_Readings.txt.bz2")
    parser.add_argument("--unicode-data", type=pathlib.Path,
                        default=UNICODE_DIR / "UnicodeData.txt")
    checks = parser.add_mutually_exclusive_group()
    checks.add_argument("--check", type=pathlib.Path, metavar="FILE",
                        help="compare with FILE instead of writing")
    checks.add_argument("--verify-lookup", metavar="PROGRAM",
                        help="compare what PROGRAM finds with the intended readings")
    arguments = parser.parse_args()
    checking = arguments.check or arguments.verify_lookup

    for source in (arguments.unihan, arguments.unicode_data):
        if not source.is_file():
            print(f"{source} is missing (Debian package unicode-data)", file=sys.stderr)
            return SKIP if checking else 1
    unihan, version = read_unihan(arguments.unihan)
    if version != UNIHAN_VERSION:
        print(f"{arguments.unihan} is Unicode {version}; the data is built from {UNIHAN_VERSION}",
              file=sys.stderr)
        return SKIP if checking else 1

    readings = build_readings(unihan, read_canonical_singletons(arguments.unicode_data),
                              read_corrections(HERE / "corrections.txt"))
    if arguments.verify_lookup:
        return verify_lookup(arguments.verify_lookup, readings)
    text = render(readings, version)
    if arguments.check:
        if arguments.check.read_text(encoding="ascii") != text:
            print(f"{arguments.check} differs from the data that {pathlib.Path(__file__).name} "
                  "generates; regenerate it", file=sys.stderr)
            return 1
        return 0
    (HERE / "unihan_readings.inc").write_text(text, encoding="ascii")
    return 0


if __name__ == "__main__":
    sys.exit(main())
