#include "codec/gb18030_codec.h"

#include "text/bytes_at_a_time.h"
#include "text/gb18030_map.h"
#include "text/utf8_encoding.h"
#include "text/utf8_validation.h"

#include <algorithm>
#include <cstdint>

namespace tavenor {

namespace {

// Calls visit with each character of bytes.
template <typename Visit> void decodeEach(std::string_view bytes, Visit visit)
{
    const Gb18030Map& map = Gb18030Map::instance();
    while (!bytes.empty()) {
        const Gb18030Map::Decoded decoded = map.decode(bytes);
        visit(decoded.codePoint);
        bytes.remove_prefix(decoded.length);
    }
}

} // namespace

std::string ToGb18030(const QString& text)
{
    const Gb18030Map& map = Gb18030Map::instance();
    // A lone surrogate is no character: U+FFFD shows the user where something was wrong.
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
    decodeEach(bytes, [&out](char32_t codePoint) {
        if (QChar::requiresSurrogates(codePoint)) {
            *out++ = QChar::highSurrogate(codePoint);
            *out++ = QChar::lowSurrogate(codePoint);
        } else {
            *out++ = static_cast<char16_t>(codePoint);
        }
    });
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
    while (!rest.empty()) {
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
    out.resize(static_cast<std::size_t>(next - out.data()));
}

void AppendGb18030AsUtf8(std::string_view bytes, std::string& out, LineBreaks lineBreaks)
{
    const std::size_t start = out.size();
    // Three bytes of UTF-8 at most for each two bytes of GB18030, four for four; a byte that is no
    // character alone takes more, and makes room for itself.
    out.resize(start + bytes.size() + bytes.size() / 2);
    char* next = out.data() + start;
    const Gb18030Map& map = Gb18030Map::instance();
    // Box texts are mostly ASCII and two-byte characters, so those are tried first.
    const auto decodeOne = [&map, bytes, lineBreaks, &next, &out](std::size_t i) -> std::size_t {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            // A CR or an LF in GB18030 is always a character of its own.
            const bool dropped = lead == '\r' && lineBreaks == LineBreaks::AsLf
                && i + 1 < bytes.size() && bytes[i + 1] == '\n';
            if (!dropped)
                *next++ = static_cast<char>(lead);
            return i + 1;
        }
        const std::uint32_t utf8 = i + 1 < bytes.size()
            ? map.twoByteUtf8(lead, static_cast<unsigned char>(bytes[i + 1]))
            : 0;
        if (utf8 != 0) {
            next[0] = static_cast<char>(utf8);
            next[1] = static_cast<char>(utf8 >> 8);
            next[2] = static_cast<char>(utf8 >> 16);
            next += utf8 >> 24;
            return i + 2;
        }
        const Gb18030Map::Decoded decoded = map.decode(bytes.substr(i));
        if (decoded.length == 1) {
            const std::ptrdiff_t written = next - out.data();
            out.resize(out.size() + 2);
            next = out.data() + written;
        }
        next += EncodeUtf8(decoded.codePoint, next);
        return i + decoded.length;
    };
    // Eight bytes of ASCII with no CR to drop stay as they are.
    WalkEightAtATime(
        bytes,
        [lineBreaks](EightBytes eight) {
            return eight.allAscii() && (lineBreaks == LineBreaks::Kept || !eight.any('\r'));
        },
        [&next](EightBytes eight) {
            eight.store(next);
            next += 8;
        },
        decodeOne);
    out.resize(static_cast<std::size_t>(next - out.data()));
}

} // namespace tavenor
