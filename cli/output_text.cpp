#include "cli/output_text.h"

#include "codec/gb18030_codec.h"

namespace tavenor {

void AppendOutputText(std::string_view boxText, std::string& out)
{
    const std::size_t start = out.size();
    AppendGb18030AsUtf8(boxText, out);
    // No byte of a multi-byte UTF-8 character is a CR or an LF, so the breaks are found among
    // the bytes themselves.
    std::size_t kept = start;
    for (std::size_t i = start; i < out.size(); ++i) {
        if (out[i] == '\r' && i + 1 < out.size() && out[i + 1] == '\n')
            continue;
        out[kept++] = out[i];
    }
    out.resize(kept);
}

std::string ToOutputText(std::string_view boxText)
{
    std::string text;
    AppendOutputText(boxText, text);
    return text;
}

} // namespace tavenor
