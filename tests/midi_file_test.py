"""The MIDI reader and writer against a second MIDI library (Debian's python3-mido): files that
mido writes (running status, note-ons of velocity 0, format 0 and 1), our notes of them, and our
filled files as mido reads them back. Usage: midi_file_test.py MIDI_FILE_PROBE"""

import io
import os
import subprocess
import sys
import tempfile

try:
    import mido
except ImportError:
    sys.exit('python3 cannot import mido: install the Debian package python3-mido')

PROBE = sys.argv[1]


def track(*messages):
    return mido.MidiTrack(list(messages) + [mido.MetaMessage('end_of_track', time=0)])


def on(note, time=0, channel=0, velocity=100):
    return mido.Message('note_on', note=note, time=time, channel=channel, velocity=velocity)


def off(note, time, channel=0, as_note_on=False):
    if as_note_on:
        return mido.Message('note_on', note=note, time=time, channel=channel, velocity=0)
    return mido.Message('note_off', note=note, time=time, channel=channel, velocity=64)


def lyric(text, time=0):
    return mido.MetaMessage('lyrics', text=text, time=time)


def notes_of(messages):
    """(position, duration, key, lyric) in note-on order: a note-off ends the earliest open note
    of its key and channel, and a lyric at a note's tick right before it is its lyric."""
    tick, lyric_at, notes, sounding = 0, None, [], {}
    for message in messages:
        tick += message.time
        if message.type == 'lyrics':
            lyric_at = (tick, message.text)
        elif message.type == 'note_on' and message.velocity > 0:
            text = lyric_at[1] if lyric_at and lyric_at[0] == tick else ''
            lyric_at = None
            notes.append([tick, None, message.note, text])
            sounding.setdefault((message.channel, message.note), []).append(notes[-1])
        elif message.type in ('note_on', 'note_off'):
            queue = sounding.get((message.channel, message.note))
            if queue:
                note = queue.pop(0)
                note[1] = tick - note[0]
    return [tuple(note) for note in notes if note[1] is not None]


def other_events(messages):
    tick, events = 0, []
    for message in messages:
        tick += message.time
        if message.type not in ('note_on', 'note_off', 'lyrics'):
            events.append((tick, message.copy(time=0)))
    return events


def track_chunks(data):
    chunks, at = [], 14
    while at < len(data):
        length = int.from_bytes(data[at + 4:at + 8], 'big')
        chunks.append(data[at:at + 8 + length])
        at += 8 + length
    return chunks


def planned_notes(notes, plan):
    """What the notes become: (note, duration, lyric, [(duration, lyric), ...]) per fill."""
    result = list(notes)
    for index, duration, text, added in plan:
        position, _, key, _ = notes[index]
        result[index] = (position, duration, key, text)
        start = position + duration
        for length, part in added:
            result.append((start, length, key, part))
            start += length
    return sorted(result, key=lambda note: note[0])


def run_probe(data, track_number, plan=None):
    with tempfile.TemporaryDirectory() as folder:
        source = os.path.join(folder, 'in.mid')
        with open(source, 'wb') as f:
            f.write(data)
        command = [PROBE, source, str(track_number)]
        target = os.path.join(folder, 'out.mid')
        if plan is not None:
            lines = []
            for index, duration, text, added in plan:
                fields = [str(index), str(duration), text]
                for length, part in added:
                    fields += [str(length), part]
                lines.append('\t'.join(fields) + '\n')
            with open(os.path.join(folder, 'plan'), 'w', encoding='utf-8') as f:
                f.writelines(lines)
            command += [os.path.join(folder, 'plan'), target]
        done = subprocess.run(command, capture_output=True)
        notes = []
        for line in done.stdout.decode('utf-8').splitlines():
            position, duration, key, text = line.split('\t')
            notes.append((int(position), int(duration), int(key), text))
        written = None
        if plan is not None and done.returncode == 0:
            with open(target, 'rb') as f:
                written = f.read()
        return done.returncode, done.stderr.decode('utf-8'), notes, written


def bytes_of(midi):
    with tempfile.TemporaryFile() as f:
        midi.save(file=f)
        f.seek(0)
        return f.read()


def midi(kind, *tracks):
    return mido.MidiFile(type=kind, ticks_per_beat=480, charset='utf-8', tracks=list(tracks))


# Notes on one channel, one after another: mido writes the note-ons of velocity 0 that end them
# and the next note-ons in running status. A controller sounds in the middle of the second note.
SONG = track(mido.MetaMessage('set_tempo', tempo=500000),
             mido.Message('program_change', program=52),
             lyric('你'), on(60), off(60, 480, as_note_on=True),
             lyric('好'), on(62), mido.Message('control_change', control=1, value=64, time=240),
             off(62, 240, as_note_on=True),
             on(64), off(64, 480, as_note_on=True),
             on(65, 240), off(65, 240, as_note_on=True))

# A conductor track, a short harmony on channel 2 and the melody on channels 1 and 3.
SUITE = [track(mido.MetaMessage('track_name', name='指挥'), mido.MetaMessage('set_tempo', tempo=600000)),
         track(on(48, channel=1), off(48, 960, channel=1)),
         track(on(67), off(67, 480), on(69, channel=2), mido.Message('pitchwheel', pitch=100, time=100),
               off(69, 380, channel=2), lyric('春'), on(71), off(71, 480))]

# Two notes of one key that overlap: each note-off ends the note that began first.
OVERLAP = track(on(60), on(60, 100), off(60, 100), off(60, 100))

CASES = [
    # name, file, track (0: the default), plan, what the run must give
    ('format 0: lyrics replaced and added, a split, running status', midi(0, SONG), 0,
     [(0, 480, 'に', []), (1, 360, 'は', [(120, 'お')]), (2, 480, 'あ', []), (3, 160, 'a', [(40, 'b'), (40, 'c')])],
     'filled'),
    ('format 1: the track with the most notes, the others untouched', midi(1, *SUITE), 0,
     [(0, 480, 'ち', []), (1, 400, 'ゃ', [(40, 'あ'), (40, 'ん')]), (2, 360, 'は', [(120, 'お')])], 'filled'),
    ('format 1: the track asked for', midi(1, *SUITE), 2, [(0, 480, 'か', [(480, 'あ')])], 'filled'),
    ('nothing to fill', midi(0, SONG), 0, [], 'identical'),
    ('the same lyrics and lengths again', midi(0, SONG), 0, [(0, 480, '你', []), (1, 480, '好', [])],
     'identical'),
    ('overlapping notes of one key: lyrics only', midi(0, OVERLAP), 0, [(0, 200, 'ら', []), (1, 200, 'り', [])],
     'filled'),
    ('overlapping notes of one key: no split', midi(0, OVERLAP), 0, [(0, 100, 'ら', [(100, 'あ')])],
     'byte 22: the note at tick 0 overlaps another of key 60'),
    ('a track that is not there', midi(1, *SUITE), 4, [], 'byte 10: no track 4: the file holds 3'),
]


def check(name, source, track_number, plan, expected):
    data = bytes_of(source)
    code, error, notes, written = run_probe(data, track_number, plan)
    if expected.startswith('byte'):
        if code != 1 or not error.startswith(expected):
            return f'exit {code}, {error!r}: not {expected!r}'
        return None
    chosen = track_number - 1 if track_number else max(
        range(len(source.tracks)), key=lambda t: (len(notes_of(source.tracks[t])), -t))
    if code != 0:
        return f'exit {code}: {error}'
    if notes != notes_of(source.tracks[chosen]):
        return f'notes {notes} are not mido\'s {notes_of(source.tracks[chosen])}'
    if expected == 'identical':
        return None if written == data else 'the file changed'
    result = mido.MidiFile(file=io.BytesIO(written), charset='utf-8')
    if notes_of(result.tracks[chosen]) != planned_notes(notes, plan):
        return f'filled notes {notes_of(result.tracks[chosen])} are not {planned_notes(notes, plan)}'
    if other_events(result.tracks[chosen]) != other_events(source.tracks[chosen]):
        return 'events other than notes and lyrics moved or changed'
    before, after = track_chunks(data), track_chunks(written)
    if [c for t, c in enumerate(before) if t != chosen] != [c for t, c in enumerate(after) if t != chosen]:
        return 'another track changed'
    return None


failures = 0
for case in CASES:
    problem = check(*case)
    print(('FAIL ' if problem else 'ok   ') + case[0] + (': ' + problem if problem else ''))
    failures += problem is not None
sys.exit(1 if failures else 0)
