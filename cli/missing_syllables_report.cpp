#include "cli/missing_syllables_report.h"

#include "cli/output_text.h"
#include "romaji/missing_syllables.h"

#include <cstdio>
#include <string>

namespace tavenor {
namespace {

constexpr std::size_t kNamedAtMost = 5;

// A piece as the user typed it, in quotes; control characters are spelled out so that a stray
// escape byte cannot drive the terminal.
std::string quoted(std::string_view piece)
{
    std::string text = "\"";
    for (const char c : ToOutputText(piece)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            text += '\\';
            text += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            text += escaped;
        } else {
            text += c;
        }
    }
    return text + '"';
}

} // namespace

void ReportMissingSyllables(std::size_t lineNumber, std::string_view pinyinText,
                            std::string_view finalText, const SyllableTable& table,
                            std::string& report)
{
    if (!ShowsMissingSyllable(finalText))
        return;
    const MissingSyllables missing
        = FindMissingSyllables(pinyinText, finalText, table, kNamedAtMost);
    report += "tavenor-cli: line " + std::to_string(lineNumber) + ": no syllable for ";
    for (std::size_t i = 0; i < missing.first.size(); ++i)
        report += (i > 0 ? ", " : "") + quoted(missing.first[i]);
    if (missing.count > missing.first.size())
        report += " and " + std::to_string(missing.count - missing.first.size()) + " more";
    report += '\n';
}

} // namespace tavenor
