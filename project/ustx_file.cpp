#include "project/ustx_file.h"

#include "project/ustx_new_note.h"
#include "project/yaml_event_stream.h"
#include "project/yaml_scalar.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavenor {
namespace {

// Where a scalar stands in the bytes, to be replaced there.
struct ScalarSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool block = false; // a block scalar, whose range ends with the line break after it
};

// How the notes' sequence is written, which says how a note is added after one of them.
enum class NoteLayout {
    BlockMapping, // "- position: 0" and the keys below it
    FlowInBlock, // "- {position: 0, ...}" on its own line
    FlowInFlow, // "[{position: 0, ...}, ...]"
};

// A note's places in the bytes, beside the note itself.
struct NotePlace {
    YamlPlace start;
    std::int64_t partPosition = 0;
    ScalarSpan lyric;
    ScalarSpan duration;
    NoteLayout layout = NoteLayout::BlockMapping;
    std::size_t insertAt = 0; // where notes added after it go
    std::size_t dashColumn = 0; // from 0
    std::size_t keyColumn = 0;
};

struct ReadNote {
    ScoreNote note; // its position still in its part
    NotePlace place;
};

struct VoicePart {
    std::int64_t trackNo = 0;
    std::int64_t position = 0;
    std::vector<ReadNote> notes;
};

[[noreturn]] void Fail(const YamlPlace& place, const std::string& problem)
{
    throw ProjectError(DescribePlace(place) + ": " + problem);
}

// A scalar that OpenUtau reads as an int: decimal digits with an optional sign.
std::int64_t WholeNumber(const YamlEvent& value, std::string_view what)
{
    std::string_view text = value.value;
    if (text.starts_with('+') && !text.starts_with("+-"))
        text.remove_prefix(1);
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        Fail(value.start, std::string(what) + " is not a whole number of the range OpenUtau reads");
    return number;
}

bool IsLineBreak(char c) { return c == '\n' || c == '\r'; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || IsLineBreak(c); }

// Whether a colon comes before `at`, past blanks on the same line.
bool AfterColon(std::string_view bytes, std::size_t at)
{
    while (at > 0 && (bytes[at - 1] == ' ' || bytes[at - 1] == '\t'))
        --at;
    return at > 0 && bytes[at - 1] == ':';
}

class UstxReader {
public:
    explicit UstxReader(std::string_view bytes)
        : m_bytes(bytes)
        , m_events(bytes)
    {
    }

    std::vector<VoicePart> read()
    {
        const YamlEvent document = m_events.next();
        if (document.kind != YamlEventKind::DocumentStart)
            Fail(document.start, "the file holds no YAML document");
        const YamlEvent root = m_events.next();
        if (root.kind != YamlEventKind::MappingStart)
            Fail(root.start, "the project is not a YAML mapping");
        std::vector<VoicePart> parts;
        bool found = false;
        for (;;) {
            const YamlEvent key = m_events.next();
            if (key.kind == YamlEventKind::MappingEnd)
                break;
            const bool isVoiceParts
                = key.kind == YamlEventKind::Scalar && key.value == "voice_parts";
            skip(key);
            const YamlEvent value = m_events.next();
            if (!isVoiceParts) {
                skip(value);
                continue;
            }
            if (found)
                Fail(key.start, "voice_parts is given twice");
            found = true;
            if (value.kind != YamlEventKind::SequenceStart)
                Fail(value.start, "voice_parts is not a list");
            for (;;) {
                const YamlEvent part = m_events.next();
                if (part.kind == YamlEventKind::SequenceEnd)
                    break;
                if (part.kind != YamlEventKind::MappingStart)
                    Fail(part.start, "a voice part is not a mapping");
                parts.push_back(readPart());
            }
        }
        if (!found)
            Fail(root.start, "the project has no voice_parts");
        m_events.next(); // the document's end
        const YamlEvent after = m_events.next();
        if (after.kind != YamlEventKind::StreamEnd)
            Fail(after.start, "the file holds more than one YAML document");
        return parts;
    }

private:
    // Skips the node that starts with `first`. Inside a note, `noteEnd` follows where its content
    // ends, and an alias is refused: what it stands for could be a note's own value.
    void skip(const YamlEvent& first, std::size_t* noteEnd = nullptr)
    {
        std::size_t depth = 0;
        const YamlEvent* event = &first;
        for (;;) {
            switch (event->kind) {
            case YamlEventKind::Alias:
                if (noteEnd != nullptr)
                    Fail(event->start, "an alias in a note is not supported");
                break;
            case YamlEventKind::Scalar:
                if (noteEnd != nullptr)
                    *noteEnd = std::max(*noteEnd, event->end.byte);
                break;
            case YamlEventKind::SequenceStart:
            case YamlEventKind::MappingStart: ++depth; break;
            case YamlEventKind::SequenceEnd:
            case YamlEventKind::MappingEnd:
                // A block collection ends where the next token starts, past any comments.
                if (noteEnd != nullptr && event->flow)
                    *noteEnd = std::max(*noteEnd, event->end.byte);
                --depth;
                break;
            default: break;
            }
            if (depth == 0)
                return;
            event = &m_events.next();
        }
    }

    std::int64_t wholeNumberValue(std::string_view what)
    {
        const YamlEvent& value = m_events.next();
        if (value.kind != YamlEventKind::Scalar)
            Fail(value.start, std::string(what) + " is not a number");
        return WholeNumber(value, what);
    }

    VoicePart readPart()
    {
        VoicePart part;
        bool seenTrack = false, seenPosition = false, seenNotes = false;
        const auto once = [](bool& seen, const YamlEvent& key) {
            if (seen)
                Fail(key.start, "a voice part gives " + std::string(key.value) + " twice");
            seen = true;
        };
        for (;;) {
            const YamlEvent key = m_events.next();
            if (key.kind == YamlEventKind::MappingEnd)
                break;
            const std::string name
                = key.kind == YamlEventKind::Scalar ? std::string(key.value) : "";
            skip(key);
            if (name == "track_no") {
                once(seenTrack, key);
                part.trackNo = wholeNumberValue("the part's track_no");
            } else if (name == "position") {
                once(seenPosition, key);
                part.position = wholeNumberValue("the part's position");
            } else if (name == "notes") {
                once(seenNotes, key);
                readNotes(part.notes);
            } else {
                skip(m_events.next());
            }
        }
        for (ReadNote& note : part.notes)
            note.place.partPosition = part.position;
        return part;
    }

    void readNotes(std::vector<ReadNote>& notes)
    {
        const YamlEvent list = m_events.next();
        if (list.kind != YamlEventKind::SequenceStart)
            Fail(list.start, "a part's notes are not a list");
        // The dashes of a block sequence all stand in the column of its first.
        if (!list.flow && list.hasProperties)
            Fail(list.start, "a notes list with an anchor or a tag is not supported");
        for (;;) {
            const YamlEvent note = m_events.next();
            if (note.kind == YamlEventKind::SequenceEnd)
                return;
            if (note.kind != YamlEventKind::MappingStart)
                Fail(note.start, "a note is not a mapping");
            notes.push_back(readNote(note, list));
        }
    }

    ReadNote readNote(const YamlEvent& start, const YamlEvent& list)
    {
        ReadNote read;
        NotePlace& place = read.place;
        place.start = start.start;
        place.layout = list.flow ? NoteLayout::FlowInFlow
            : start.flow         ? NoteLayout::FlowInBlock
                                 : NoteLayout::BlockMapping;
        place.dashColumn = list.start.column - 1;
        place.keyColumn = std::max(start.start.column - 1, place.dashColumn + 2);
        std::size_t contentEnd = start.end.byte;
        bool seen[4] = {false, false, false, false};
        static constexpr std::string_view keys[4] = {"position", "duration", "tone", "lyric"};
        for (;;) {
            const YamlEvent key = m_events.next();
            if (key.kind == YamlEventKind::MappingEnd) {
                if (key.flow)
                    contentEnd = key.end.byte;
                break;
            }
            const auto found = key.kind == YamlEventKind::Scalar
                ? std::find(std::begin(keys), std::end(keys), key.value)
                : std::end(keys);
            skip(key, &contentEnd);
            const YamlEvent& value = m_events.next();
            if (found == std::end(keys)) {
                skip(value, &contentEnd);
                continue;
            }
            const auto which = static_cast<std::size_t>(found - std::begin(keys));
            const std::string what = "the note's " + std::string(*found);
            if (seen[which])
                Fail(key.start, "the note gives its " + std::string(*found) + " twice");
            seen[which] = true;
            if (value.kind == YamlEventKind::Alias)
                Fail(value.start, "an alias in a note is not supported");
            if (value.kind != YamlEventKind::Scalar)
                Fail(value.start, what + " is not a scalar");
            if (value.hasProperties)
                Fail(value.start, what + " has an anchor or a tag, which is not supported");
            contentEnd = std::max(contentEnd, value.end.byte);
            const ScalarSpan span{value.start.byte, value.end.byte, value.blockScalar};
            switch (which) {
            case 0: read.note.position = WholeNumber(value, what); break;
            case 1:
                read.note.duration = WholeNumber(value, what);
                place.duration = span;
                break;
            case 2: read.note.tone = static_cast<int>(WholeNumber(value, what)); break;
            default:
                // An empty value with no colon before it ("{lyric}") has nowhere to put one.
                if (span.begin == span.end && !AfterColon(m_bytes, span.begin))
                    Fail(value.start, "the note gives lyric without a value");
                read.note.lyric = std::string(value.value);
                place.lyric = span;
                break;
            }
        }
        for (std::size_t i = 0; i < 4; ++i) {
            if (!seen[i])
                Fail(start.start, "the note has no " + std::string(keys[i]));
        }
        place.insertAt
            = place.layout == NoteLayout::FlowInFlow ? contentEnd : lineAfter(contentEnd);
        return read;
    }

    // The start of the line after the one that `at` ends, or `at` itself where a line starts
    // there; the end of the file when no line follows.
    std::size_t lineAfter(std::size_t at) const
    {
        if (at > 0 && IsLineBreak(m_bytes[at - 1])
            && !(m_bytes[at - 1] == '\r' && at < m_bytes.size() && m_bytes[at] == '\n'))
            return at;
        const std::size_t lineBreak = m_bytes.find_first_of("\r\n", at);
        if (lineBreak == std::string_view::npos)
            return m_bytes.size();
        if (m_bytes.compare(lineBreak, 2, "\r\n") == 0)
            return lineBreak + 2;
        return lineBreak + 1;
    }

    std::string_view m_bytes;
    YamlEventStream m_events;
};

// The line end before `at`, or where no line ends there (the end of a file without a last line
// end), the file's first line end.
std::string_view LineEndBefore(std::string_view bytes, std::size_t at)
{
    if (at >= 2 && bytes.compare(at - 2, 2, "\r\n") == 0)
        return "\r\n";
    if (at >= 1 && IsLineBreak(bytes[at - 1]))
        return bytes.substr(at - 1, 1);
    const std::size_t first = bytes.find_first_of("\r\n");
    if (first == std::string_view::npos)
        return "\n";
    return bytes.compare(first, 2, "\r\n") == 0 ? "\r\n" : bytes.substr(first, 1);
}

// What the fill changes at one place of the bytes: from `begin` to `end` (where they are equal,
// an insertion). Its text is made as the output is written, so that a long fill does not hold
// it twice.
struct Edit {
    enum class What { Lyric, Duration, AddedNotes };
    std::size_t begin;
    std::size_t end;
    const NoteFill* fill;
    What what;
};

class UstxFile final : public ProjectFile {
public:
    UstxFile(std::string_view bytes, std::optional<int> track)
        : m_bytes(bytes)
    {
        std::vector<VoicePart> parts = UstxReader(m_bytes).read();
        std::int64_t chosen = 0;
        if (track.has_value()) {
            chosen = *track - std::int64_t{1};
        } else {
            const auto withNotes = [](const VoicePart& part) { return !part.notes.empty(); };
            const auto first = std::find_if(parts.begin(), parts.end(), withNotes);
            if (first == parts.end())
                return;
            chosen = first->trackNo;
            for (const VoicePart& part : parts) {
                if (withNotes(part))
                    chosen = std::min(chosen, part.trackNo);
            }
        }
        std::vector<ReadNote> notes;
        for (VoicePart& part : parts) {
            if (part.trackNo != chosen)
                continue;
            for (ReadNote& read : part.notes) {
                read.note.position += part.position;
                notes.push_back(std::move(read));
            }
        }
        if (notes.empty())
            throw ProjectError("track " + std::to_string(chosen + 1) + " has no notes");
        std::stable_sort(notes.begin(), notes.end(), [](const ReadNote& a, const ReadNote& b) {
            return a.note.position < b.note.position;
        });
        for (ReadNote& read : notes) {
            m_notes.push_back(std::move(read.note));
            m_places.push_back(read.place);
        }
    }

    const std::vector<ScoreNote>& notes() const override { return m_notes; }

    std::string filled(const FillPlan& plan) const override
    {
        std::vector<Edit> edits;
        std::size_t addedNotes = 0;
        for (const NoteFill& fill : plan.fills) {
            if (fill.note >= m_notes.size())
                throw std::out_of_range("the fill names a note that the project does not have");
            const ScoreNote& note = m_notes[fill.note];
            const NotePlace& place = m_places[fill.note];
            if (fill.lyric != note.lyric)
                edits.push_back({place.lyric.begin, place.lyric.end, &fill, Edit::What::Lyric});
            if (fill.duration != note.duration) {
                edits.push_back(
                    {place.duration.begin, place.duration.end, &fill, Edit::What::Duration});
            }
            if (!fill.added.empty()) {
                edits.push_back({place.insertAt, place.insertAt, &fill, Edit::What::AddedNotes});
                addedNotes += fill.added.size();
            }
        }
        std::stable_sort(edits.begin(), edits.end(),
                         [](const Edit& a, const Edit& b) { return a.begin < b.begin; });
        std::string out;
        // Enough for the usual new note; what is reserved and never written costs no memory.
        out.reserve(m_bytes.size() + 16 * edits.size() + 512 * addedNotes);
        std::size_t copied = 0;
        for (const Edit& edit : edits) {
            if (edit.begin < copied)
                throw std::invalid_argument("the fill changes a note twice");
            out.append(m_bytes, copied, edit.begin - copied);
            write(out, edit);
            copied = edit.end;
        }
        out.append(m_bytes, copied);
        return out;
    }

private:
    // Whether a plain scalar in the span's place ends where the span does: a quoted one may
    // stand right against what follows it ('a'#b).
    bool endsApart(const ScalarSpan& span) const
    {
        return span.block || span.end == m_bytes.size() || IsBlank(m_bytes[span.end])
            || std::string_view(",]}").find(m_bytes[span.end]) != std::string_view::npos;
    }

    // A scalar's new text in its place; a block scalar's line end stays.
    void replace(std::string& out, const ScalarSpan& span, std::string_view text) const
    {
        // An empty value stands right after its colon, a quoted one may stand right against
        // what comes before it ("a":'b').
        if (span.begin > 0 && !IsBlank(m_bytes[span.begin - 1]))
            out += ' ';
        out += text;
        if (span.block && span.end > span.begin && IsLineBreak(m_bytes[span.end - 1]))
            out += LineEndBefore(m_bytes, span.end);
    }

    std::string scalar(const NoteFill& fill, std::string_view lyric, bool plainAllowed) const
    {
        std::optional<std::string> text = YamlScalar(lyric, plainAllowed);
        if (!text.has_value()) {
            throw ProjectError(DescribePlace(m_places[fill.note].start) + ": the lyric for note "
                               + std::to_string(fill.note + 1) + " is not UTF-8");
        }
        return *std::move(text);
    }

    void write(std::string& out, const Edit& edit) const
    {
        const NoteFill& fill = *edit.fill;
        const NotePlace& place = m_places[fill.note];
        switch (edit.what) {
        case Edit::What::Lyric:
            replace(out, place.lyric, scalar(fill, fill.lyric, endsApart(place.lyric)));
            return;
        case Edit::What::Duration: {
            const std::string length = std::to_string(fill.duration);
            replace(out, place.duration, endsApart(place.duration) ? length : "'" + length + "'");
            return;
        }
        case Edit::What::AddedNotes: writeAddedNotes(out, fill); return;
        }
    }

    void writeAddedNotes(std::string& out, const NoteFill& fill) const
    {
        const ScoreNote& note = m_notes[fill.note];
        const NotePlace& place = m_places[fill.note];
        const std::size_t start = out.size();
        const std::string_view lineEnd = LineEndBefore(m_bytes, place.insertAt);
        UstxNewNote added{note.position - place.partPosition + fill.duration, 0, note.tone, {}};
        for (const AddedNote& part : fill.added) {
            added.duration = part.duration;
            added.lyric = scalar(fill, part.lyric, true);
            if (place.layout == NoteLayout::FlowInFlow) {
                out += ", ";
                out += UstxFlowNote(added);
            } else if (place.layout == NoteLayout::FlowInBlock) {
                out.append(place.dashColumn, ' ');
                out += '-';
                out.append(place.keyColumn - place.dashColumn - 1, ' ');
                out += UstxFlowNote(added);
                out += lineEnd;
            } else {
                out += UstxBlockNote(added, place.dashColumn, place.keyColumn, lineEnd);
            }
            added.position += part.duration;
            if (added.position > std::numeric_limits<std::int32_t>::max())
                throw ProjectError(DescribePlace(place.start) + ": the notes split off note "
                                   + std::to_string(fill.note + 1)
                                   + " end past the last tick that OpenUtau reads");
        }
        // A file whose last line has no line end: the new notes go on lines of their own, and
        // the file still ends without one.
        if (place.layout != NoteLayout::FlowInFlow && place.insertAt == m_bytes.size()
            && !m_bytes.empty() && !IsLineBreak(m_bytes.back())) {
            out.insert(start, lineEnd);
            out.resize(out.size() - lineEnd.size());
        }
    }

    std::string_view m_bytes;
    std::vector<ScoreNote> m_notes;
    std::vector<NotePlace> m_places; // the same order
};

} // namespace

std::unique_ptr<ProjectFile> ReadUstxFile(std::string_view bytes, std::optional<int> track)
{
    return std::make_unique<UstxFile>(bytes, track);
}

} // namespace tavenor
