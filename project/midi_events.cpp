#include "project/midi_events.h"

#include "project/project_file.h"

#include <cstdio>

namespace tavenor {
namespace {

[[noreturn]] void fail(std::size_t offset, const std::string& what)
{
    throw ProjectError("byte " + std::to_string(offset) + ": " + what);
}

std::string hex(std::uint8_t byte)
{
    char text[5];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

std::uint8_t byteAt(std::string_view bytes, std::size_t at)
{
    return static_cast<std::uint8_t>(bytes[at]);
}

std::uint32_t bigEndian(std::string_view bytes, std::size_t at, std::size_t width)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value = value << 8 | byteAt(bytes, at + i);
    return value;
}

// Reads the events of one track chunk, bytes [begin, end), where every offset stays.
class TrackReader {
public:
    TrackReader(std::string_view bytes, std::size_t end)
        : m_bytes(bytes)
        , m_end(end)
    {
    }

    std::vector<MidiEvent> events(std::size_t at)
    {
        std::vector<MidiEvent> events;
        std::int64_t tick = 0;
        while (at < m_end) {
            MidiEvent event;
            event.begin = at;
            event.delta = number(at, event.begin);
            tick += event.delta;
            event.tick = tick;
            event.body = at;
            readBody(event, at);
            event.end = at;
            // What follows the end of a track would have no place in the written track.
            if (event.kind == MidiEventKind::EndOfTrack && at < m_end)
                fail(at, "an event after the end of the track");
            events.push_back(event);
        }
        return events;
    }

private:
    std::uint32_t number(std::size_t& at, std::size_t event)
    {
        const std::size_t start = at;
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t byte = next(at, event);
            value = value << 7 | (byte & 0x7Fu);
            if ((byte & 0x80u) == 0)
                return value;
        }
        fail(start, "a variable-length number longer than four bytes");
    }

    std::uint8_t next(std::size_t& at, std::size_t event)
    {
        if (at >= m_end)
            fail(event, "an event cut short by the end of its track");
        return byteAt(m_bytes, at++);
    }

    void skip(std::size_t& at, std::uint32_t length, std::size_t event)
    {
        if (length > m_end - at)
            fail(event, "an event cut short by the end of its track");
        at += length;
    }

    void readBody(MidiEvent& event, std::size_t& at)
    {
        const std::uint8_t first = next(at, event.begin);
        if (first < 0x80) {
            // Readers keep running status across meta and system exclusive events, as files
            // written that way are common; the writer never relies on that.
            if (m_runningStatus == 0)
                fail(event.body, "a data byte with no status before it");
            event.status = m_runningStatus;
            event.runningStatus = true;
            --at;
        } else {
            event.status = first;
        }
        if (event.status == 0xFF) {
            const std::uint8_t type = next(at, event.begin);
            const std::uint32_t length = number(at, event.begin);
            event.textBegin = at;
            skip(at, length, event.begin);
            if (type == 0x05)
                event.kind = MidiEventKind::Lyric;
            else if (type == 0x2F)
                event.kind = MidiEventKind::EndOfTrack;
        } else if (event.status == 0xF0 || event.status == 0xF7) {
            skip(at, number(at, event.begin), event.begin);
        } else if (event.status >= 0xF0) {
            fail(event.body, "status " + hex(event.status) + " is no event of a MIDI file");
        } else {
            readChannelMessage(event, at);
        }
    }

    void readChannelMessage(MidiEvent& event, std::size_t& at)
    {
        const unsigned kind = event.status & 0xF0u;
        const int dataBytes = kind == 0xC0 || kind == 0xD0 ? 1 : 2;
        std::uint8_t data[2] = {0, 0};
        for (int i = 0; i < dataBytes; ++i) {
            const std::size_t offset = at;
            data[i] = next(at, event.begin);
            if (data[i] >= 0x80)
                fail(offset, "data byte " + hex(data[i]) + " of a channel message is above 127");
        }
        m_runningStatus = event.status;
        if (kind == 0x90 && data[1] > 0) {
            event.kind = MidiEventKind::NoteOn;
            event.velocity = data[1];
        } else if (kind == 0x80 || kind == 0x90) {
            event.kind = MidiEventKind::NoteOff;
        }
        event.key = data[0];
    }

    std::string_view m_bytes;
    std::size_t m_end;
    std::uint8_t m_runningStatus = 0;
};

} // namespace

MidiEvents ReadMidiEvents(std::string_view bytes)
{
    if (bytes.size() < 8 || bytes.substr(0, 4) != "MThd")
        fail(0, "no MIDI file header (MThd)");
    const std::uint32_t headerLength = bigEndian(bytes, 4, 4);
    if (headerLength < 6)
        fail(4, "a header of " + std::to_string(headerLength) + " bytes, fewer than 6");
    if (headerLength > bytes.size() - 8)
        fail(0, "the header runs past the end of the file");

    MidiEvents file;
    file.format = static_cast<int>(bigEndian(bytes, 8, 2));
    const std::uint32_t trackCount = bigEndian(bytes, 10, 2);
    if (file.format > 1)
        fail(8, "format " + std::to_string(file.format) + " is unsupported (only 0 and 1)");
    if ((byteAt(bytes, 12) & 0x80u) != 0)
        fail(12, "SMPTE time division is unsupported (only ticks per quarter note)");
    if (file.format == 0 && trackCount != 1)
        fail(10, "a file of format 0 holds one track, not " + std::to_string(trackCount));

    // Chunks of other types are skipped, as readers must.
    for (std::size_t at = 8 + headerLength; at < bytes.size();) {
        if (bytes.size() - at < 8)
            fail(at, "a chunk header cut short by the end of the file");
        const std::uint32_t length = bigEndian(bytes, at + 4, 4);
        if (length > bytes.size() - at - 8)
            fail(at,
                 "a chunk of " + std::to_string(length) + " bytes runs past the end of the file");
        if (bytes.substr(at, 4) == "MTrk") {
            MidiTrack track{at, at + 8, at + 8 + length, {}};
            track.events = TrackReader(bytes, track.end).events(track.begin);
            file.tracks.push_back(std::move(track));
        }
        at += 8 + std::size_t{length};
    }
    if (file.tracks.size() != trackCount) {
        fail(10,
             "the header counts " + std::to_string(trackCount) + " tracks, the file holds "
                 + std::to_string(file.tracks.size()));
    }
    return file;
}

void AppendMidiNumber(std::string& out, std::uint32_t value)
{
    char groups[4];
    int count = 0;
    groups[count++] = static_cast<char>(value & 0x7Fu);
    while ((value >>= 7) != 0)
        groups[count++] = static_cast<char>(0x80u | (value & 0x7Fu));
    while (count > 0)
        out += groups[--count];
}

} // namespace tavenor
