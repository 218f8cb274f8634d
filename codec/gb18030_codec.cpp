#include "codec/gb18030_codec.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>

namespace tavenor {

// QStringConverter has no built-in GB18030; the name-taking constructors reach it through ICU.
std::string ToGb18030(const QString& text)
{
    QStringEncoder encoder("GB18030");
    const QByteArray bytes = encoder.encode(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString FromGb18030(std::string_view bytes)
{
    QStringDecoder decoder("GB18030");
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

} // namespace tavenor
