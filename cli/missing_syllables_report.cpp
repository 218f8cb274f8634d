#include "cli/missing_syllables_report.h"

#include "cli/output_text.h"

#include <cstdio>
#include <string>
#include <unordered_set>

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

void ReportMissingSyllables(std::size_t lineNumber, const std::vector<std::string_view>& pieces,
                            std::string& report)
{
    if (pieces.empty())
        return;
    std::unordered_set<std::string_view> seen;
    std::vector<std::string_view> named;
    for (const std::string_view piece : pieces) {
        if (seen.insert(piece).second && named.size() < kMissingSyllablesNamed)
            named.push_back(piece);
    }
    report += "tavenor-cli: line ";
    report += std::to_string(lineNumber);
    report += ": no syllable for ";
    for (std::size_t i = 0; i < named.size(); ++i) {
        if (i > 0)
            report += ", ";
        report += quoted(named[i]);
    }
    if (seen.size() > named.size()) {
        report += " and ";
        report += std::to_string(seen.size() - named.size());
        report += " more";
    }
    report += '\n';
}

} // namespace tavenor
