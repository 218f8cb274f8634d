#include "codec/gb18030_codec.h"

#include "codec/gb18030_map.h"
#include "codec/utf8_text.h"
#include "codec/utf8_validation.h"
#include "text/bytes_at_a_time.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cstdint>
#include <cstring>

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

// ICU's own converters: for what the map leaves to ICU. QStringConverter has no built-in
// GB18030; the name-taking constructors reach it through ICU.
std::string icuEncode(const QString& text)
{
    QStringEncoder encoder("GB18030");
    const QByteArray bytes = encoder.encode(withLoneSurrogatesReplaced(text));
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString icuDecode(std::string_view bytes)
{
    QStringDecoder decoder("GB18030");
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

// Calls visit with each character of bytes; false, having stopped, at a sequence that only ICU
// may decode.
template <typename Visit> bool decodeEach(std::string_view bytes, Visit visit)
{
    const Gb18030Map& map = Gb18030Map::instance();
    if (!map.usable())
        return false;
    while (!bytes.empty()) {
        const Gb18030Map::Decoded decoded = map.decode(bytes);
        if (decoded.length == 0)
            return false;
        visit(decoded.codePoint);
        bytes.remove_prefix(decoded.length);
    }
    return true;
}

char* putUtf8(char32_t codePoint, char* out)
{
    if (codePoint < 0x80) {
        *out++ = static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        *out++ = static_cast<char>(0xC0 | codePoint >> 6);
        *out++ = static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        *out++ = static_cast<char>(0xE0 | codePoint >> 12);
        *out++ = static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
        *out++ = static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | codePoint >> 18);
        *out++ = static_cast<char>(0x80 | (codePoint >> 12 & 0x3F));
        *out++ = static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
        *out++ = static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return out;
}

} // namespace

std::string ToGb18030(const QString& text)
{
    const Gb18030Map& map = Gb18030Map::instance();
    if (!map.usable())
        return icuEncode(text);
    // Four bytes at most for each UTF-16 unit (U+0080 takes four).
    std::string bytes(static_cast<std::size_t>(text.size()) * 4, '\0');
    char* out = bytes.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t codePoint = text[i].unicode();
        if (QChar::isHighSurrogate(codePoint) && i + 1 < text.size()
            && text[i + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        } else if (QChar::isSurrogate(codePoint)) {
            codePoint = QChar::ReplacementCharacter;
        }
        out += map.encode(codePoint, out);
    }
    bytes.resize(static_cast<std::size_t>(out - bytes.data()));
    return bytes;
}

QString FromGb18030(std::string_view bytes)
{
    // One UTF-16 unit at most for each byte.
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const bool decoded = decodeEach(bytes, [&out](char32_t codePoint) {
        if (QChar::requiresSurrogates(codePoint)) {
            *out++ = QChar::highSurrogate(codePoint);
            *out++ = QChar::lowSurrogate(codePoint);
        } else {
            *out++ = static_cast<char16_t>(codePoint);
        }
    });
    if (!decoded)
        return icuDecode(bytes);
    text.truncate(out - reinterpret_cast<char16_t*>(text.data()));
    return text;
}

void AppendUtf8AsGb18030(std::string_view utf8, std::string& out)
{
    const Gb18030Map& map = Gb18030Map::instance();
    const std::size_t start = out.size();
    // Two bytes at most for each byte of UTF-8 (U+0080 takes four for its two).
    out.resize(start + utf8.size() * 2);
    char* next = out.data() + start;
    std::string_view rest = utf8;
    while (map.usable() && !rest.empty()) {
        if (static_cast<unsigned char>(rest[0]) < 0x80) {
            *next++ = rest[0];
            rest.remove_prefix(1);
            continue;
        }
        const Utf8Sequence sequence = ReadUtf8Sequence(rest);
        if (sequence.length == 0)
            break;
        next += map.encode(sequence.codePoint, next);
        rest.remove_prefix(sequence.length);
    }
    if (!rest.empty()) {
        out.resize(start);
        out += icuEncode(FromUtf8(utf8));
        return;
    }
    out.resize(static_cast<std::size_t>(next - out.data()));
}

namespace {

// No byte of a multi-byte UTF-8 character is a CR or an LF, so the breaks are found among the
// bytes themselves.
void replaceCrLfWithLf(std::string& text, std::size_t from)
{
    std::size_t kept = from;
    for (std::size_t i = from; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            text[kept++] = text[i];
    }
    text.resize(kept);
}

} // namespace

void AppendGb18030AsUtf8(std::string_view bytes, std::string& out, LineBreaks lineBreaks)
{
    const std::size_t start = out.size();
    // Three bytes of UTF-8 at most for each two bytes of GB18030, four for four.
    out.resize(start + bytes.size() + bytes.size() / 2);
    char* next = out.data() + start;
    const Gb18030Map& map = Gb18030Map::instance();
    // One character: false, having done nothing, where only ICU may decode.
    const auto decodeOne = [&map, bytes, lineBreaks, &next](std::size_t& i) {
        // Box texts are mostly ASCII and two-byte characters, so those are tried first.
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            // A CR or an LF in GB18030 is always a character of its own.
            const bool dropped = lead == '\r' && lineBreaks == LineBreaks::AsLf
                && i + 1 < bytes.size() && bytes[i + 1] == '\n';
            if (!dropped)
                *next++ = static_cast<char>(lead);
            ++i;
            return true;
        }
        const std::uint32_t utf8 = i + 1 < bytes.size()
            ? map.twoByteUtf8(lead, static_cast<unsigned char>(bytes[i + 1]))
            : 0;
        if (utf8 != 0) {
            next[0] = static_cast<char>(utf8);
            next[1] = static_cast<char>(utf8 >> 8);
            next[2] = static_cast<char>(utf8 >> 16);
            next += utf8 >> 24;
            i += 2;
            return true;
        }
        const Gb18030Map::Decoded decoded = map.decode(bytes.substr(i));
        if (decoded.length == 0)
            return false;
        next = putUtf8(decoded.codePoint, next);
        i += decoded.length;
        return true;
    };
    std::size_t i = map.usable() ? 0 : bytes.size() + 1;
    while (i < bytes.size()) {
        // Eight bytes of ASCII with no CR to drop stay as they are; eight with anything else
        // among them go character by character.
        if (i + 8 <= bytes.size()) {
            const EightBytes eight = EightBytes::Load(bytes.data() + i);
            if (eight.allAscii() && (lineBreaks == LineBreaks::Kept || !eight.any('\r'))) {
                eight.store(next);
                next += 8;
                i += 8;
                continue;
            }
        }
        const std::size_t end = std::min(i + 8, bytes.size());
        while (i < end && decodeOne(i)) { }
        if (i < end)
            break;
    }
    if (i == bytes.size()) {
        out.resize(static_cast<std::size_t>(next - out.data()));
        return;
    }
    out.resize(start);
    const QByteArray utf8 = icuDecode(bytes).toUtf8();
    out.append(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    if (lineBreaks == LineBreaks::AsLf)
        replaceCrLfWithLf(out, start);
}

} // namespace tavenor
