#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavenor {

// What the notes and the fill need to tell apart; every other event is kept as bytes.
enum class MidiEventKind { NoteOn, NoteOff, Lyric, EndOfTrack, Other };

// One event of a track, as offsets into the file's bytes.
struct MidiEvent {
    std::size_t begin = 0; // the delta time's first byte
    std::size_t body = 0; // the status byte, or the first data byte under running status
    std::size_t end = 0;
    std::size_t textBegin = 0; // a lyric's text
    std::int64_t tick = 0;
    std::uint32_t delta = 0;
    std::uint8_t status = 0; // as written, or as running status gives it
    bool runningStatus = false;
    MidiEventKind kind = MidiEventKind::Other;
    std::uint8_t key = 0; // of a note event
    std::uint8_t velocity = 0; // of a note-on
};

struct MidiTrack {
    std::size_t chunk = 0; // where its "MTrk" stands
    std::size_t begin = 0; // its events, after the chunk's length
    std::size_t end = 0;
    std::vector<MidiEvent> events;
};

// The header's format and the tracks of a Standard MIDI File of format 0 or 1 with a division in
// ticks per quarter note. Throws ProjectError ("byte N: ...") for anything else.
struct MidiEvents {
    int format = 0;
    std::vector<MidiTrack> tracks;
};
MidiEvents ReadMidiEvents(std::string_view bytes);

// A number as a delta time or a length is written: seven bits a byte, the highest first, in at
// most four bytes.
constexpr std::uint32_t kLongestMidiNumber = 0x0FFFFFFF;
void AppendMidiNumber(std::string& out, std::uint32_t value);

} // namespace tavenor
