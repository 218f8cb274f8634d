#include "project/ust_file.h"

#include "project/shift_jis.h"
#include "text/utf8_validation.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace tavenor {

namespace {

enum class Encoding { ShiftJis, Utf8 };

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// One line of the file, as byte offsets: its text, then its line end (LF or CR LF, or none at the
// end of the file).
struct Line {
    std::size_t begin;
    std::size_t end;
    std::size_t next;
};

// A key's value within the file's bytes.
struct ValueSpan {
    std::size_t line;
    std::size_t begin;
    std::size_t end;
};

// Where a note's section and the values the fill may change lie in the file.
struct NoteSection {
    std::size_t headerLine;
    std::size_t end; // the byte after the section's last line end
    ValueSpan length;
    ValueSpan lyric;
};

// Replaces the bytes from begin to end.
struct Edit {
    std::size_t begin;
    std::size_t end;
    std::string text;
};

std::string_view trimmed(std::string_view text)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(),
                      [&lower](char x, char y) { return lower(x) == lower(y); });
}

std::string placed(std::size_t lineIndex, const std::string& what)
{
    return "line " + std::to_string(lineIndex + 1) + ": " + what;
}

// UTAU numbers its note sections from 0000, four digits at least.
std::string numberedHeader(std::size_t number)
{
    char header[32];
    std::snprintf(header, sizeof header, "[#%04zu]", number);
    return header;
}

class UstFile : public ProjectFile {
public:
    UstFile(std::string_view bytes, UstKind kind)
        : m_bytes(bytes)
        , m_kind(kind)
    {
        splitLines();
        findEncoding();
        checkEncoding();
        readSections();
    }

    const std::vector<ScoreNote>& notes() const override { return m_notes; }

    std::string filled(const FillPlan& plan) const override
    {
        std::vector<Edit> edits;
        std::size_t inserted = 0;
        std::size_t next = 0;
        for (const NoteFill& fill : plan.fills) {
            if (fill.note < next || fill.note >= m_notes.size())
                throw std::invalid_argument("the fill names note " + std::to_string(fill.note + 1)
                                            + " out of order or past the file's notes");
            // Later sections follow the inserted ones in a project, numbered as UTAU numbers them.
            if (m_kind == UstKind::Project && inserted > 0) {
                for (; next <= fill.note; ++next)
                    renumber(next, next + inserted, edits);
            }
            next = fill.note + 1;
            const ScoreNote& note = m_notes[fill.note];
            const NoteSection& section = m_sections[fill.note];
            std::vector<Edit> values;
            if (fill.lyric != note.lyric)
                values.push_back({section.lyric.begin, section.lyric.end,
                                  encoded(fill.lyric, fill.note, false)});
            if (fill.duration != note.duration)
                values.push_back(
                    {section.length.begin, section.length.end, std::to_string(fill.duration)});
            std::sort(values.begin(), values.end(),
                      [](const Edit& a, const Edit& b) { return a.begin < b.begin; });
            for (Edit& value : values)
                edits.push_back(std::move(value));
            if (!fill.added.empty()) {
                edits.push_back({section.end, section.end,
                                 addedSections(fill, fill.note + inserted, note.tone)});
                inserted += fill.added.size();
            }
        }
        if (m_kind == UstKind::Project && inserted > 0) {
            for (; next < m_notes.size(); ++next)
                renumber(next, next + inserted, edits);
        }

        std::string out;
        out.reserve(m_bytes.size() + 64 * inserted);
        std::size_t offset = 0;
        for (const Edit& edit : edits) {
            out.append(m_bytes, offset, edit.begin - offset);
            out += edit.text;
            offset = edit.end;
        }
        out.append(m_bytes, offset);
        return out;
    }

private:
    void splitLines()
    {
        const std::size_t start
            = std::string_view(m_bytes).starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
        m_hasByteOrderMark = start > 0;
        for (std::size_t begin = start; begin < m_bytes.size();) {
            const std::size_t lineFeed = m_bytes.find('\n', begin);
            if (lineFeed == std::string::npos) {
                m_lines.push_back({begin, m_bytes.size(), m_bytes.size()});
                break;
            }
            const std::size_t end
                = lineFeed > begin && m_bytes[lineFeed - 1] == '\r' ? lineFeed - 1 : lineFeed;
            m_lines.push_back({begin, end, lineFeed + 1});
            begin = lineFeed + 1;
        }
    }

    std::string_view text(const Line& line) const
    {
        return std::string_view(m_bytes).substr(line.begin, line.end - line.begin);
    }

    static bool isHeader(std::string_view line)
    {
        return line.size() >= 3 && line.starts_with("[#") && line.ends_with(']');
    }

    static bool isNoteHeader(std::string_view header)
    {
        const std::string_view name = header.substr(2, header.size() - 3);
        return !name.empty()
            && std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
    }

    // A file with the byte-order mark is UTF-8, as the hosts' readers take it. Otherwise a
    // project says so in its head; a plugin's file without the mark is Shift-JIS, even when its
    // bytes would also be valid UTF-8, since that is what UTAU reads back.
    void findEncoding()
    {
        m_encoding = m_hasByteOrderMark ? Encoding::Utf8 : Encoding::ShiftJis;
        if (m_hasByteOrderMark || m_kind != UstKind::Project)
            return;
        for (std::size_t i = 0; i < m_lines.size(); ++i) {
            const std::string_view line = trimmed(text(m_lines[i]));
            if (isHeader(line) && isNoteHeader(line))
                return;
            const std::size_t equals = line.find('=');
            if (equals == std::string_view::npos || trimmed(line.substr(0, equals)) != "Charset")
                continue;
            const std::string_view charset = trimmed(line.substr(equals + 1));
            if (equalsIgnoringAsciiCase(charset, "UTF-8")
                || equalsIgnoringAsciiCase(charset, "UTF8"))
                m_encoding = Encoding::Utf8;
            else if (equalsIgnoringAsciiCase(charset, "Shift_JIS")
                     || equalsIgnoringAsciiCase(charset, "Shift-JIS")
                     || equalsIgnoringAsciiCase(charset, "cp932")
                     || equalsIgnoringAsciiCase(charset, "Windows-31J"))
                m_encoding = Encoding::ShiftJis;
            else
                throw ProjectError(
                    placed(i, "the charset is neither Shift_JIS nor UTF-8, which this reads"));
        }
    }

    void checkEncoding() const
    {
        std::string scratch;
        for (std::size_t i = 0; i < m_lines.size(); ++i) {
            const std::string_view line = text(m_lines[i]);
            const std::optional<std::size_t> bad = m_encoding == Encoding::Utf8
                ? FindInvalidUtf8(line)
                : AppendShiftJisAsUtf8(line, scratch);
            scratch.clear();
            if (bad)
                throw ProjectError(
                    placed(i, "byte " + std::to_string(*bad + 1) + " is not " + encodingName()));
        }
    }

    std::string decoded(std::string_view bytes) const
    {
        std::string utf8;
        if (m_encoding == Encoding::Utf8)
            utf8 = bytes;
        else
            AppendShiftJisAsUtf8(bytes, utf8); // the whole file has been checked
        return utf8;
    }

    const char* encodingName() const
    {
        return m_encoding == Encoding::Utf8 ? "UTF-8" : "Shift-JIS";
    }

    bool knownSection(std::string_view header) const
    {
        if (header == "[#VERSION]" || header == "[#SETTING]" || header == "[#TRACKEND]")
            return true;
        return m_kind == UstKind::PluginTempFile && (header == "[#PREV]" || header == "[#NEXT]");
    }

    void readSections()
    {
        std::optional<std::size_t> noteHeader;
        bool anySection = false;
        std::optional<ValueSpan> length, lyric, noteNumber;
        const auto endNote = [&](std::size_t end) {
            if (!noteHeader)
                return;
            const auto required = [&](const std::optional<ValueSpan>& value, const char* key) {
                if (!value)
                    throw ProjectError(placed(*noteHeader, "the note has no " + std::string(key)));
                return *value;
            };
            ScoreNote note;
            note.lyric = decoded(span(required(lyric, "Lyric")));
            note.duration = number(required(length, "Length"), "Length", 0);
            note.tone = static_cast<int>(number(required(noteNumber, "NoteNum"), "NoteNum",
                                                std::numeric_limits<std::int32_t>::min()));
            note.position = m_notes.empty() ? 0 : m_notes.back().position + m_notes.back().duration;
            m_notes.push_back(std::move(note));
            m_sections.push_back({*noteHeader, end, *length, *lyric});
            noteHeader.reset();
        };

        for (std::size_t i = 0; i < m_lines.size(); ++i) {
            const std::string_view line = trimmed(text(m_lines[i]));
            if (line.empty())
                continue;
            if (isHeader(line)) {
                endNote(m_lines[i].begin);
                anySection = true;
                if (isNoteHeader(line)) {
                    noteHeader = i;
                    length = lyric = noteNumber = std::nullopt;
                } else if (!knownSection(line)) {
                    throw ProjectError(placed(i, "unexpected section " + decoded(line)));
                }
                continue;
            }
            if (!anySection)
                throw ProjectError(placed(i, "text before the first section: not a .ust file"));
            if (!noteHeader)
                continue;
            const std::size_t equals = line.find('=');
            if (equals == std::string_view::npos)
                throw ProjectError(placed(i, "a note's line is not KEY=VALUE"));
            const std::string_view key = trimmed(line.substr(0, equals));
            const auto offset = static_cast<std::size_t>(line.data() - m_bytes.data());
            const ValueSpan value{i, offset + equals + 1, offset + line.size()};
            // The last of a repeated key counts, as in the hosts' readers.
            if (key == "Length")
                length = value;
            else if (key == "Lyric")
                lyric = value;
            else if (key == "NoteNum")
                noteNumber = value;
        }
        endNote(m_bytes.size());
        if (!anySection)
            throw ProjectError(placed(0, "no [#...] sections: not a .ust file"));
    }

    std::string_view span(ValueSpan value) const
    {
        return std::string_view(m_bytes).substr(value.begin, value.end - value.begin);
    }

    // Ticks and note numbers as the hosts keep them, in 32 bits.
    std::int64_t number(ValueSpan value, const char* key, std::int64_t least) const
    {
        const std::string_view digits = trimmed(span(value));
        std::int64_t result = 0;
        const auto [end, error]
            = std::from_chars(digits.data(), digits.data() + digits.size(), result);
        if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()
            || result < least || result > std::numeric_limits<std::int32_t>::max())
            throw ProjectError(placed(value.line,
                                      std::string(key) + "=" + decoded(span(value))
                                          + " is not a whole number"
                                          + (least == 0 ? " of ticks" : "")));
        return result;
    }

    // A lyric in the file's encoding, or the error that names its note (counted from 1).
    std::string encoded(const std::string& lyric, std::size_t note, bool added) const
    {
        const std::string which = "note " + std::to_string(note + 1) + ": "
            + (added ? "the lyric of a note split off it, \"" : "the lyric \"") + lyric + "\"";
        if (lyric.find_first_of("\r\n") != std::string::npos)
            throw ProjectError(which + " holds a line break");
        std::string bytes;
        if (m_encoding == Encoding::Utf8 ? FindInvalidUtf8(lyric).has_value()
                                         : !AppendUtf8AsShiftJis(lyric, bytes))
            throw ProjectError(which + " cannot be written in " + encodingName());
        return m_encoding == Encoding::Utf8 ? lyric : bytes;
    }

    // The line end that the note's own header line has.
    std::string_view lineEndOf(std::size_t lineIndex) const
    {
        const Line& line = m_lines[lineIndex];
        return std::string_view(m_bytes).substr(line.end, line.next - line.end);
    }

    // The notes split off a note, as sections of their own: numbered in a project, [#INSERT] in
    // a plugin's file (which the host inserts after the note before). Each carries only what a
    // new note needs: its length, lyric and pitch.
    std::string addedSections(const NoteFill& fill, std::size_t number, int tone) const
    {
        const NoteSection& section = m_sections[fill.note];
        const std::string_view lineEnd = lineEndOf(section.headerLine);
        std::string text;
        // The file's last line may have no line end to follow.
        const bool endsFile = section.end == m_bytes.size();
        if (endsFile && !m_bytes.empty() && m_bytes.back() != '\n')
            text += lineEnd;
        for (const AddedNote& added : fill.added) {
            text += m_kind == UstKind::Project ? numberedHeader(++number) : "[#INSERT]";
            text += lineEnd;
            text += "Length=" + std::to_string(added.duration);
            text += lineEnd;
            text += "Lyric=" + encoded(added.lyric, fill.note, true);
            text += lineEnd;
            text += "NoteNum=" + std::to_string(tone);
            text += lineEnd;
        }
        return text;
    }

    void renumber(std::size_t note, std::size_t number, std::vector<Edit>& edits) const
    {
        const Line& header = m_lines[m_sections[note].headerLine];
        edits.push_back({header.begin, header.end, numberedHeader(number)});
    }

    std::string m_bytes;
    UstKind m_kind;
    bool m_hasByteOrderMark = false;
    Encoding m_encoding = Encoding::ShiftJis;
    std::vector<Line> m_lines;
    std::vector<NoteSection> m_sections;
    std::vector<ScoreNote> m_notes;
};

} // namespace

std::unique_ptr<ProjectFile> ReadUstFile(std::string_view bytes, UstKind kind)
{
    return std::make_unique<UstFile>(bytes, kind);
}

} // namespace tavenor
