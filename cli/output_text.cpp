#include "cli/output_text.h"

#include "codec/gb18030_codec.h"

namespace tavenor {

std::string ToOutputText(std::string_view boxText)
{
    QString text = FromGb18030(boxText);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text.toStdString();
}

} // namespace tavenor
