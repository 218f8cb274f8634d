#include "codec/gb18030_codec.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>

namespace tavenor {

namespace {

// A lone surrogate is no character, and the encoder would write it as the control byte 1A, or
// drop it unseen at the very end of the text. U+FFFD shows the user where something was wrong.
QString withLoneSurrogatesReplaced(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

} // namespace

// QStringConverter has no built-in GB18030; the name-taking constructors reach it through ICU.
std::string ToGb18030(const QString& text)
{
    QStringEncoder encoder("GB18030");
    const QByteArray bytes = encoder.encode(withLoneSurrogatesReplaced(text));
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString FromGb18030(std::string_view bytes)
{
    QStringDecoder decoder("GB18030");
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

} // namespace tavenor
