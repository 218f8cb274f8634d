#include "cli/output_text.h"

#include "codec/gb18030_codec.h"

#include <cstring>

namespace tavenor {

void AppendOutputText(std::string_view boxText, std::string& out)
{
    const std::size_t start = out.size();
    AppendGb18030AsUtf8(boxText, out);
    // No byte of a multi-byte UTF-8 character is a CR or an LF, so the breaks are found among
    // the bytes themselves; the text between them moves up in one piece.
    char* const text = out.data() + start;
    char* const end = out.data() + out.size();
    char* kept = text;
    for (char* from = text; from < end;) {
        char* cr
            = static_cast<char*>(std::memchr(from, '\r', static_cast<std::size_t>(end - from)));
        const bool isBreak = cr != nullptr && cr + 1 < end && cr[1] == '\n';
        char* const upTo = cr == nullptr ? end : cr + (isBreak ? 0 : 1);
        std::memmove(kept, from, static_cast<std::size_t>(upTo - from));
        kept += upTo - from;
        from = isBreak ? cr + 1 : upTo;
    }
    out.resize(static_cast<std::size_t>(kept - out.data()));
}

std::string ToOutputText(std::string_view boxText)
{
    std::string text;
    AppendOutputText(boxText, text);
    return text;
}

} // namespace tavenor
