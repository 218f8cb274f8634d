#include "codec/gb18030_map.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

namespace tavenor {

const Gb18030Map& Gb18030Map::instance()
{
    static const Gb18030Map map;
    return map;
}

// ICU decodes every two-byte code and every four-byte code of the BMP, in one call each; the
// encoding side is the inverse. The checks accept only a one-to-one mapping of all of the BMP.
Gb18030Map::Gb18030Map()
    : m_fromBmp(new std::uint32_t[0x10000]())
    , m_fromTwoBytes(new char16_t[kLeads * 256]())
    , m_utf8FromTwoBytes(new std::uint32_t[kLeads * 256]())
    , m_fromFourBytes(new char16_t[kFourByteBmpCodes]())
{
    QByteArray twoByteCodes;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            const char code[] = {static_cast<char>(lead), static_cast<char>(trail)};
            if (trail != 0x7F)
                twoByteCodes.append(code, 2);
        }
    }
    QByteArray fourByteCodes;
    for (std::size_t index = 0; index < kFourByteBmpCodes; ++index) {
        const std::uint32_t packed = fourByteCode(index);
        const char code[] = {static_cast<char>(packed >> 24), static_cast<char>(packed >> 16),
                             static_cast<char>(packed >> 8), static_cast<char>(packed)};
        fourByteCodes.append(code, 4);
    }
    const QString fromTwoBytes = QStringDecoder("GB18030").decode(twoByteCodes);
    const QString fromFourBytes = QStringDecoder("GB18030").decode(fourByteCodes);
    if (fromTwoBytes.size() * 2 != twoByteCodes.size() || fromFourBytes.size() != kFourByteBmpCodes)
        return;

    const auto claim = [this](char16_t character, std::uint32_t code) {
        if (character < 0x80 || QChar::isSurrogate(character) || m_fromBmp[character] != 0)
            return false;
        m_fromBmp[character] = code;
        return true;
    };
    for (qsizetype i = 0; i < fromTwoBytes.size(); ++i) {
        const std::size_t lead = static_cast<unsigned char>(twoByteCodes[2 * i]);
        const std::size_t trail = static_cast<unsigned char>(twoByteCodes[2 * i + 1]);
        const char16_t character = fromTwoBytes[i].unicode();
        if (!claim(character, static_cast<std::uint32_t>(lead << 8 | trail)))
            return;
        m_fromTwoBytes[(lead - 0x81) * 256 + trail] = character;
        // Every two-byte character is at least U+0080: two or three bytes of UTF-8.
        m_utf8FromTwoBytes[(lead - 0x81) * 256 + trail] = character < 0x800
            ? (2u << 24 | (0x80u | (character & 0x3Fu)) << 8 | (0xC0u | character >> 6))
            : (3u << 24 | (0x80u | (character & 0x3Fu)) << 16
               | (0x80u | (character >> 6 & 0x3Fu)) << 8 | (0xE0u | character >> 12));
    }
    for (std::size_t index = 0; index < kFourByteBmpCodes; ++index) {
        const char16_t character = fromFourBytes[static_cast<qsizetype>(index)].unicode();
        if (!claim(character, fourByteCode(index)))
            return;
        m_fromFourBytes[index] = character;
    }
    for (char32_t codePoint = 0x80; codePoint < 0x10000; ++codePoint) {
        if (m_fromBmp[codePoint] == 0 && !QChar::isSurrogate(codePoint))
            return;
    }
    m_usable = true;
}

} // namespace tavenor
