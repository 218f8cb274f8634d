#include "project/midi_file.h"

#include "project/midi_events.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <tuple>

namespace tavenor {
namespace {

constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

[[noreturn]] void fail(std::size_t offset, const std::string& what)
{
    throw ProjectError("byte " + std::to_string(offset) + ": " + what);
}

// A note of the chosen track by its events. One that another note of its key and channel sounds
// during may change its lyric only: the parts of a split could not be told from the other note.
struct MidiNote {
    std::size_t on = 0;
    std::size_t off = 0;
    std::optional<std::size_t> lyric;
    bool overlaps = false;
};

struct TrackNotes {
    std::vector<ScoreNote> notes; // in time order
    std::vector<MidiNote> events; // the same notes
};

std::string_view lyricText(std::string_view bytes, const MidiEvent& lyric)
{
    return bytes.substr(lyric.textBegin, lyric.end - lyric.textBegin);
}

// Lyrics are UTF-8 as the fill writes them; older files may hold another encoding, whose bytes
// become U+FFFD rather than text that is not UTF-8.
std::string asUtf8(std::string_view text)
{
    std::string utf8;
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        std::size_t length = lead < 0x80   ? 1
            : lead >= 0xC2 && lead <= 0xDF ? 2
            : lead >= 0xE0 && lead <= 0xEF ? 3
            : lead >= 0xF0 && lead <= 0xF4 ? 4
                                           : 0;
        for (std::size_t i = 1; i < length; ++i) {
            const unsigned trail
                = at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0U;
            // The second byte's range excludes overlong forms, surrogates and code points beyond
            // U+10FFFF.
            const unsigned low = i > 1 ? 0x80 : lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
            const unsigned high = i > 1 ? 0xBF : lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
            if (trail < low || trail > high)
                length = 0;
        }
        if (length == 0) {
            utf8 += "\xEF\xBF\xBD";
            ++at;
        } else {
            utf8 += text.substr(at, length);
            at += length;
        }
    }
    return utf8;
}

// Pairs each note-off with the earliest open note of its key and channel, and each lyric with the
// note-on that follows it at its tick; a lyric that no note-on follows there belongs to the
// note-on just before it, if that has none. A note never turned off is no note of the score.
TrackNotes readNotes(std::string_view bytes, const MidiTrack& track)
{
    struct Found {
        MidiNote note;
        bool closed = false;
    };
    std::vector<Found> found;
    // The open notes of each key and channel, oldest first from its head.
    std::vector<std::vector<std::size_t>> open(16 * 128);
    std::vector<std::size_t> openHead(16 * 128, 0);
    std::size_t pendingLyric = kNone;
    std::size_t lastOnWithoutLyric = kNone;
    std::int64_t tick = -1;
    const auto settleLyric = [&] {
        if (pendingLyric != kNone && lastOnWithoutLyric != kNone) {
            found[lastOnWithoutLyric].note.lyric = pendingLyric;
            lastOnWithoutLyric = kNone;
        }
        pendingLyric = kNone;
    };

    const std::vector<MidiEvent>& events = track.events;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const MidiEvent& event = events[i];
        if (event.tick != tick) {
            settleLyric();
            lastOnWithoutLyric = kNone;
            tick = event.tick;
        }
        const std::size_t key = (event.status & 0x0Fu) * 128 + event.key;
        std::vector<std::size_t>& sounding = open[key];
        if (event.kind == MidiEventKind::Lyric) {
            settleLyric();
            pendingLyric = i;
        } else if (event.kind == MidiEventKind::NoteOn) {
            Found note;
            note.note.on = i;
            if (pendingLyric != kNone)
                note.note.lyric = pendingLyric;
            lastOnWithoutLyric = pendingLyric == kNone ? found.size() : kNone;
            pendingLyric = kNone;
            sounding.push_back(found.size());
            found.push_back(note);
        } else if (event.kind == MidiEventKind::NoteOff && openHead[key] < sounding.size()) {
            Found& note = found[sounding[openHead[key]++]];
            note.note.off = i;
            note.closed = true;
            if (openHead[key] == sounding.size()) {
                sounding.clear();
                openHead[key] = 0;
            }
        }
    }
    settleLyric();

    // Notes of one key and channel end in the order they start, so only neighbours can overlap;
    // one never turned off sounds to the end.
    std::vector<std::size_t> previous(16 * 128, kNone);
    const auto endOf = [&](const Found& note) {
        return note.closed ? events[note.note.off].tick : std::numeric_limits<std::int64_t>::max();
    };
    for (std::size_t n = 0; n < found.size(); ++n) {
        const MidiEvent& on = events[found[n].note.on];
        std::size_t& before = previous[(on.status & 0x0Fu) * 128 + on.key];
        if (before != kNone && on.tick < endOf(found[before])) {
            found[before].note.overlaps = true;
            found[n].note.overlaps = true;
        }
        before = n;
    }

    TrackNotes notes;
    for (const Found& note : found) {
        if (!note.closed)
            continue;
        const MidiEvent& on = events[note.note.on];
        ScoreNote score;
        if (note.note.lyric)
            score.lyric = asUtf8(lyricText(bytes, events[*note.note.lyric]));
        score.position = on.tick;
        score.duration = events[note.note.off].tick - on.tick;
        score.tone = on.key;
        notes.notes.push_back(std::move(score));
        notes.events.push_back(note.note);
    }
    return notes;
}

// `note` is the offset of the note-on that the lyric is for, to name in an error.
std::string lyricEvent(std::string_view lyric, std::size_t note)
{
    if (lyric.size() > kLongestMidiNumber)
        fail(note, "the note's lyric is too long for a MIDI file");
    std::string event = "\xFF\x05";
    AppendMidiNumber(event, static_cast<std::uint32_t>(lyric.size()));
    event += lyric;
    return event;
}

// The changes to one track: lyrics replaced where they stand, and events inserted, each before
// an original event (its slot) and in time order there.
class TrackEdit {
public:
    TrackEdit(std::string_view bytes, const MidiTrack& track)
        : m_bytes(bytes)
        , m_track(track)
        , m_moved(track.events.size(), false)
    {
        const auto& events = m_track.events;
        m_endOfTrack = static_cast<std::size_t>(
            std::find_if(events.begin(), events.end(),
                         [](const MidiEvent& e) { return e.kind == MidiEventKind::EndOfTrack; })
            - events.begin());
    }

    void fill(const ScoreNote& note, const MidiNote& midi, const NoteFill& fill)
    {
        const std::vector<MidiEvent>& events = m_track.events;
        const MidiEvent& on = events[midi.on];
        if (midi.lyric) {
            if (lyricText(m_bytes, events[*midi.lyric]) != fill.lyric)
                m_lyrics.emplace_back(*midi.lyric, lyricEvent(fill.lyric, on.begin));
        } else if (!fill.lyric.empty()) {
            insert(midi.on, note.position, lyricEvent(fill.lyric, on.begin));
        }
        if (fill.duration == note.duration && fill.added.empty())
            return;

        if (midi.overlaps) {
            fail(on.begin,
                 "the note at tick " + std::to_string(on.tick) + " overlaps another of key "
                     + std::to_string(on.key)
                     + " on its channel, so it cannot be shortened or split");
        }
        const std::string off = withStatus(events[midi.off]);
        std::int64_t end = note.position + fill.duration;
        if (fill.duration != note.duration) {
            m_moved[midi.off] = true;
            insert(slot(end, midi.on), end, off);
        }
        for (const AddedNote& added : fill.added) {
            // An empty lyric too: without it, a lyric that no note sang there would become the
            // new note's.
            const std::size_t at = slot(end, midi.on);
            insert(at, end, lyricEvent(added.lyric, on.begin));
            insert(at, end,
                   {static_cast<char>(on.status), static_cast<char>(on.key),
                    static_cast<char>(on.velocity)});
            end += added.duration;
            insert(slot(end, midi.on), end, off);
        }
    }

    std::string result()
    {
        std::sort(m_insertions.begin(), m_insertions.end(), [](const auto& a, const auto& b) {
            return std::tie(a.slot, a.tick, a.order) < std::tie(b.slot, b.tick, b.order);
        });
        std::sort(m_lyrics.begin(), m_lyrics.end());

        const std::vector<MidiEvent>& events = m_track.events;
        std::string data;
        data.reserve(m_track.end - m_track.begin + 16 * m_insertions.size());
        std::int64_t tick = 0;
        std::size_t previous = kNone; // the original event just written, in its place
        bool first = true;
        const auto writeDelta = [&](std::int64_t at) {
            const std::int64_t delta = std::max(at, tick) - tick;
            if (delta > kLongestMidiNumber) {
                fail(m_track.chunk,
                     "a time between two events of the filled track is longer "
                     "than a MIDI file can hold");
            }
            tick += delta;
            return static_cast<std::uint32_t>(delta);
        };

        auto insertion = m_insertions.begin();
        auto lyric = m_lyrics.begin();
        for (std::size_t i = 0; i <= events.size(); ++i) {
            for (; insertion != m_insertions.end() && insertion->slot == i; ++insertion) {
                AppendMidiNumber(data, writeDelta(insertion->tick));
                data += insertion->event;
                previous = kNone;
                first = false;
            }
            if (i == events.size())
                break;
            if (m_moved[i])
                continue;
            const MidiEvent& event = events[i];
            const std::uint32_t delta = writeDelta(event.tick);
            if (delta == event.delta)
                data += m_bytes.substr(event.begin, event.body - event.begin);
            else
                AppendMidiNumber(data, delta);
            // Running status holds only where the event before it is still the one it followed.
            const bool samePredecessor = i == 0 ? first : previous == i - 1;
            if (lyric != m_lyrics.end() && lyric->first == i) {
                data += (lyric++)->second;
            } else if (event.runningStatus && !samePredecessor) {
                data += withStatus(event);
            } else {
                data += m_bytes.substr(event.body, event.end - event.body);
            }
            previous = i;
            first = false;
        }

        if (data.size() > std::numeric_limits<std::uint32_t>::max())
            fail(m_track.chunk, "the filled track is longer than a MIDI file can hold");
        std::string file(m_bytes.substr(0, m_track.chunk + 4));
        for (int shift = 24; shift >= 0; shift -= 8)
            file += static_cast<char>(data.size() >> shift);
        file += data;
        file += m_bytes.substr(m_track.end);
        return file;
    }

private:
    struct Insertion {
        std::size_t slot;
        std::int64_t tick;
        std::size_t order;
        std::string event;
    };

    void insert(std::size_t slot, std::int64_t tick, std::string event)
    {
        m_insertions.push_back({slot, tick, m_insertions.size(), std::move(event)});
    }

    // Before the first event after `after` that is not earlier than `tick`, and before the end
    // of the track.
    std::size_t slot(std::int64_t tick, std::size_t after) const
    {
        const auto& events = m_track.events;
        const auto found = std::partition_point(
            events.begin() + static_cast<std::ptrdiff_t>(after) + 1, events.end(),
            [tick](const MidiEvent& e) { return e.tick < tick; });
        const auto at = static_cast<std::size_t>(found - events.begin());
        return m_endOfTrack > after ? std::min(at, m_endOfTrack) : at;
    }

    std::string withStatus(const MidiEvent& event) const
    {
        std::string body(m_bytes.substr(event.body, event.end - event.body));
        if (event.runningStatus)
            body.insert(body.begin(), static_cast<char>(event.status));
        return body;
    }

    std::string_view m_bytes;
    const MidiTrack& m_track;
    std::vector<bool> m_moved;
    std::size_t m_endOfTrack = 0;
    std::vector<Insertion> m_insertions;
    std::vector<std::pair<std::size_t, std::string>> m_lyrics; // replaced, by event
};

class MidiFile final : public ProjectFile {
public:
    // A file of no tracks has no notes, and nothing to fill.
    MidiFile(std::string_view bytes, std::optional<MidiTrack> track)
        : m_bytes(bytes)
        , m_track(std::move(track))
    {
        if (m_track)
            m_notes = readNotes(m_bytes, *m_track);
    }

    const std::vector<ScoreNote>& notes() const override { return m_notes.notes; }

    std::string filled(const FillPlan& plan) const override
    {
        std::vector<bool> filled(m_notes.notes.size(), false);
        for (const NoteFill& fill : plan.fills) {
            if (fill.note >= filled.size() || filled[fill.note])
                throw std::invalid_argument("a fill of a note that is not there or filled twice");
            filled[fill.note] = true;
            const bool lengthsFit
                = std::all_of(fill.added.begin(), fill.added.end(),
                              [](const AddedNote& a) { return fitsTrack(a.duration); });
            if (!fitsTrack(fill.duration) || !lengthsFit)
                throw std::invalid_argument("a negative note length");
        }
        if (!m_track)
            return m_bytes;
        TrackEdit edit(m_bytes, *m_track);
        for (const NoteFill& fill : plan.fills)
            edit.fill(m_notes.notes[fill.note], m_notes.events[fill.note], fill);
        return edit.result();
    }

private:
    // A note may last longer than one delta time can say: the events between its start and its
    // end carry the time, and a gap that no event breaks is refused as the track is written.
    static bool fitsTrack(std::int64_t duration) { return duration >= 0; }

    std::string m_bytes;
    std::optional<MidiTrack> m_track;
    TrackNotes m_notes;
};

} // namespace

std::unique_ptr<ProjectFile> ReadMidiFile(std::string_view bytes, std::optional<int> track)
{
    MidiEvents file = ReadMidiEvents(bytes);
    std::size_t chosen = 0;
    if (track) {
        if (*track < 1 || static_cast<std::size_t>(*track) > file.tracks.size()) {
            fail(10,
                 "no track " + std::to_string(*track) + ": the file holds "
                     + std::to_string(file.tracks.size()));
        }
        chosen = static_cast<std::size_t>(*track - 1);
    } else {
        std::size_t most = 0;
        for (std::size_t t = 0; t < file.tracks.size(); ++t) {
            const std::size_t count = readNotes(bytes, file.tracks[t]).notes.size();
            if (count > most) {
                most = count;
                chosen = t;
            }
        }
    }
    if (file.tracks.empty())
        return std::make_unique<MidiFile>(bytes, std::nullopt);
    return std::make_unique<MidiFile>(bytes, std::move(file.tracks[chosen]));
}

} // namespace tavenor
