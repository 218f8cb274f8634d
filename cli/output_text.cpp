#include "cli/output_text.h"

#include "codec/gb18030_codec.h"

namespace tavenor {

void AppendOutputText(std::string_view boxText, std::string& out)
{
    AppendGb18030AsUtf8(boxText, out, LineBreaks::AsLf);
}

std::string ToOutputText(std::string_view boxText)
{
    std::string text;
    AppendOutputText(boxText, text);
    return text;
}

} // namespace tavenor
