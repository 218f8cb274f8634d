"""tavenor-cli fill on MIDI files that a second MIDI library (Debian's python3-mido) writes, read
back by it: the lyrics as UTF-8 meta events at the notes' starts, each later part a note split off
the end, the other tracks untouched. Usage: cli_fill_midi_test.py TAVENOR_CLI"""

import os
import subprocess
import sys
import tempfile

try:
    import mido
except ImportError:
    sys.exit('python3 cannot import mido: install the Debian package python3-mido')

CLI = sys.argv[1]


def notes_of(track):
    """(position, duration, key, lyric) in order: a lyric at a note's tick is its lyric."""
    tick, lyric_at, notes, sounding = 0, None, [], {}
    for message in track:
        tick += message.time
        if message.type == 'lyrics':
            lyric_at = (tick, message.text)
        elif message.type == 'note_on' and message.velocity > 0:
            text = lyric_at[1] if lyric_at and lyric_at[0] == tick else ''
            notes.append([tick, None, message.note, text])
            sounding.setdefault(message.note, []).append(notes[-1])
        elif message.type in ('note_on', 'note_off'):
            note = sounding[message.note].pop(0)
            note[1] = tick - note[0]
    return [tuple(note) for note in notes]


def melody(keys_and_lengths, lyric=None):
    track = mido.MidiTrack()
    for key, length in keys_and_lengths:
        if lyric is not None:
            track.append(mido.MetaMessage('lyrics', text=lyric, time=0))
        track.append(mido.Message('note_on', note=key, velocity=100, time=0))
        track.append(mido.Message('note_on', note=key, velocity=0, time=length))
    track.append(mido.MetaMessage('end_of_track', time=0))
    return track


def run(*arguments, stdin=''):
    done = subprocess.run([CLI, 'fill', *arguments], input=stdin.encode(), capture_output=True)
    return done.returncode, done.stderr.decode()


failures = []


def check(what, got, expected):
    if got != expected:
        failures.append(f'{what}:\n  got      {got!r}\n  expected {expected!r}')


with tempfile.TemporaryDirectory() as folder:
    song = os.path.join(folder, 'song.mid')
    out = os.path.join(folder, 'out.mid')
    made = mido.MidiFile(type=1, ticks_per_beat=480, charset='utf-8')
    conductor = mido.MidiTrack([mido.MetaMessage('set_tempo', tempo=500000, time=0),
                                mido.MetaMessage('end_of_track', time=0)])
    made.tracks += [conductor, melody([(60, 480), (62, 480), (64, 300)], lyric='la'),
                    melody([(48, 960)])]
    made.save(song)

    # The track with the most notes, 你 好 见 in hiragana; a rest between notes is no note.
    code, err = run(song, '--lyrics=-', '-o', out, stdin='你好，见\n')
    check('exit', (code, err), (0, ''))
    filled = mido.MidiFile(out, charset='utf-8')
    check('melody', notes_of(filled.tracks[1]),
          [(0, 480, 60, 'に'), (480, 360, 62, 'は'), (840, 120, 62, 'お'),
           (960, 100, 64, 'ち'), (1060, 100, 64, 'あ'), (1160, 100, 64, 'ん')])
    check('conductor', filled.tracks[0], made.tracks[0])
    check('harmony', filled.tracks[2], made.tracks[2])

    # --track names another track; the notes sing their own characters, none here: reported.
    code, err = run(song, '--track=3', '--lyrics=-', '-o', out, '--romaji', '--split=no',
                    stdin='英')
    check('exit of track 3', (code, err), (0, 'tavenor-cli: note 1: no syllable for "ying"\n'))
    filled = mido.MidiFile(out, charset='utf-8')
    check('track 3', notes_of(filled.tracks[2]), [(0, 960, 48, 'ying')])
    check('melody left alone', filled.tracks[1], made.tracks[1])

    # A file that is no MIDI file: one line, nothing written.
    os.remove(out)
    bad = os.path.join(folder, 'bad.mid')
    with open(bad, 'wb') as file:
        file.write(b'MThd\0\0\0\6\0\1')
    code, err = run(bad, '-o', out)
    check('malformed', (code, err.startswith(f'tavenor-cli: {bad}: '), err.count('\n'),
                        os.path.exists(out)), (1, True, 1, False))

if failures:
    sys.exit('\n'.join(failures))
print('ok')
