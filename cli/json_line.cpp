#include "cli/json_line.h"

#include <QByteArray>

#include <cstdio>

namespace tavenor {
namespace {

void appendJsonString(std::string& out, std::string_view utf8)
{
    out += '"';
    for (const char c : utf8) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

} // namespace

std::string JsonLine(const std::vector<std::pair<std::string_view, QString>>& members)
{
    std::string line = "{";
    for (const auto& [key, value] : members) {
        if (line.size() > 1)
            line += ',';
        appendJsonString(line, key);
        line += ':';
        const QByteArray utf8 = value.toUtf8();
        appendJsonString(line,
                         std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    }
    line += "}\n";
    return line;
}

} // namespace tavenor
