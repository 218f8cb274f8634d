#include "score/fill_report_text.h"

#include "score/utf8_characters.h"

#include <cstdio>

namespace tavenor {
namespace {

// How many characters left over a report shows; the rest it counts.
constexpr std::size_t kLeftOverShown = 20;

// Text in quotes, so that a stray escape byte cannot drive the terminal.
std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string counted(std::size_t count, std::string_view one, std::string_view many)
{
    return std::to_string(count) + ' ' + std::string(count == 1 ? one : many);
}

std::string noteNamed(const FillReport& report)
{
    return "note " + std::to_string(report.note + 1) + ": ";
}

} // namespace

std::string FillReportText(const FillReport& report)
{
    switch (report.kind) {
    case FillReport::Kind::MissingSyllable:
        return noteNamed(report) + "no syllable for " + quoted(report.text);
    case FillReport::Kind::TooShortToSplit:
        return noteNamed(report) + "too short to split " + quoted(report.text)
            + "; it sings the first part only";
    case FillReport::Kind::NotesWithoutCharacter:
        return noteNamed(report)
            + (report.count == 1 ? std::string("1 note left without a character")
                                 : counted(report.count, "note", "notes")
                       + " left without a character, from this one on");
    case FillReport::Kind::CharactersLeftOver: {
        std::string_view text = report.text;
        std::size_t shownBytes = 0;
        std::size_t shown = 0;
        while (shownBytes < text.size() && shown < kLeftOverShown) {
            shownBytes += ReadUtf8Character(text.substr(shownBytes)).length;
            ++shown;
        }
        std::string line = counted(report.count, "character", "characters")
            + " of the lyrics left over without a note: " + quoted(text.substr(0, shownBytes));
        if (report.count > shown)
            line += " and " + std::to_string(report.count - shown) + " more";
        return line;
    }
    }
    return {};
}

} // namespace tavenor
