#include "cli/missing_syllables_report.h"

#include "cli/output_text.h"

#include <cstdio>
#include <string>

namespace tavenor {
namespace {

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

void ReportMissingSyllables(std::size_t lineNumber, const MissingSyllables& missing,
                            std::string& report)
{
    if (missing.count() == 0)
        return;
    report += "tavenor-cli: line ";
    report += std::to_string(lineNumber);
    report += ": no syllable for ";
    for (std::size_t i = 0; i < missing.named().size(); ++i) {
        if (i > 0)
            report += ", ";
        report += quoted(missing.named()[i]);
    }
    if (missing.count() > missing.named().size()) {
        report += " and ";
        report += std::to_string(missing.count() - missing.named().size());
        report += " more";
    }
    report += '\n';
}

} // namespace tavenor
