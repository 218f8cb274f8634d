#include "codec/utf8_text.h"

#include <QStringDecoder>

namespace tavenor {

QString FromUtf8(std::string_view utf8)
{
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless
                               | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

} // namespace tavenor
