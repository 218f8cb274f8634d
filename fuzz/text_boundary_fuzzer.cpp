// The text boundary on arbitrary bytes: the program's GB18030 conversions agree with ICU's both
// ways, valid UTF-8 survives UTF-8 -> GB18030 -> UTF-8 unchanged, the validity check agrees with
// Qt's own UTF-8 decoder, the command line either prints for every line the conversion of it or,
// for invalid UTF-8, names the first bad byte and prints nothing, and a window's UTF-16 text
// survives GB18030 too.

#include "fuzz_check.h"
#include "text_reference.h"

#include "cli/cli.h"
#include "codec/gb18030_codec.h"
#include "codec/utf8_text.h"
#include "romaji/romaji_conversion.h"
#include "tests/support/built_in_table.h"
#include "text/utf8_validation.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavenor::fuzz {
namespace {

// "line L, byte B" of the byte at offset, both counted from 1, lines ended by LF.
std::string placeOf(std::string_view text, std::size_t offset)
{
    const std::string_view before = text.substr(0, offset);
    const std::size_t lineStart
        = before.rfind('\n') == std::string_view::npos ? 0 : before.rfind('\n') + 1;
    return "line " + std::to_string(CountOccurrences(before, "\n") + 1) + ", byte "
        + std::to_string(offset - lineStart + 1);
}

// The input's lines as the command line sees them: ended by LF, a CR before the LF dropped.
std::vector<std::string_view> linesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

// The bytes of non-ASCII characters, in order. The conversion rewrites only ASCII letters and
// JSON escapes only ASCII, so these must come through the command line untouched.
std::string nonAscii(std::string_view text)
{
    std::string kept;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            kept += c;
    }
    return kept;
}

std::string_view decompositionOf(std::string_view jsonLine)
{
    constexpr std::string_view start = "{\"decomposition\":\"";
    FUZZ_CHECK(jsonLine.starts_with(start));
    jsonLine.remove_prefix(start.size());
    return jsonLine.substr(0, jsonLine.find("\",\"romaji\":\""));
}

// The value of key in one of the command line's JSON lines, its escapes undone. Qt's own JSON
// reader is no judge here: it drops a U+FEFF at the start of some strings.
std::string valueOf(std::string_view jsonLine, std::string_view key)
{
    const std::string opening = "\"" + std::string(key) + "\":\"";
    std::size_t at = jsonLine.find(opening);
    FUZZ_CHECK(at != std::string_view::npos);
    std::string value;
    for (at += opening.size(); at < jsonLine.size() && jsonLine[at] != '"'; ++at) {
        if (jsonLine[at] != '\\') {
            value += jsonLine[at];
            continue;
        }
        switch (const char escaped = jsonLine[++at]) {
        case 'n': value += '\n'; break;
        case 'r': value += '\r'; break;
        case 't': value += '\t'; break;
        case 'u':
            value += static_cast<char>(
                std::stoi(std::string(jsonLine.substr(at + 1, 4)), nullptr, 16));
            at += 4;
            break;
        default: value += escaped;
        }
    }
    return value;
}

std::string printed(std::string_view boxText)
{
    return FromGb18030(boxText).toUtf8().toStdString();
}

void checkRoundTrip(std::string_view bytes, const std::optional<std::size_t>& invalidAt)
{
    // Qt's own decoder is the second opinion on validity.
    QStringDecoder qtUtf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // decode() is lazy: the conversion, and so the error, happens on the way to a QString.
    static_cast<void>(
        QString(qtUtf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())))));
    FUZZ_CHECK(qtUtf8.hasError() == invalidAt.has_value());
    if (invalidAt)
        return;
    const std::string gb18030 = ToGb18030(FromUtf8(bytes));
    FUZZ_CHECK(IsWellFormedGb18030(gb18030));
    const QByteArray back = FromGb18030(gb18030).toUtf8();
    FUZZ_CHECK(std::string_view(back.constData(), static_cast<std::size_t>(back.size())) == bytes);
}

// Windows' Qt has no ICU to compare with: there the Linux build's comparisons stand, and the
// command line's results are compared across the two systems.
bool haveIcu()
{
    static const bool have = QStringDecoder("GB18030").isValid();
    return have;
}

std::string icuEncode(const QString& text)
{
    const QByteArray bytes = QStringEncoder("GB18030").encode(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The program's own GB18030 tables and loops against ICU's converter, on any bytes: read as
// GB18030 (malformed or not) and, where they are valid, as UTF-8.
void checkAgainstIcu(std::string_view bytes)
{
    if (!haveIcu())
        return;
    // ICU keeps a sequence cut off at the end waiting for more and drops it; the program reads it
    // as it reads one that a byte which cannot continue it follows, such as a NUL.
    const std::string terminated = std::string(bytes) + '\0';
    QString icu = QStringDecoder("GB18030").decode(
        QByteArrayView(terminated.data(), static_cast<qsizetype>(terminated.size())));
    icu.chop(1);
    FUZZ_CHECK(FromGb18030(bytes) == icu);
    std::string utf8;
    AppendGb18030AsUtf8(bytes, utf8);
    FUZZ_CHECK(utf8 == icu.toUtf8().toStdString());
    // The command line converts only what it has found to be valid UTF-8.
    if (!FindInvalidUtf8(bytes)) {
        std::string gb18030;
        AppendUtf8AsGb18030(bytes, gb18030);
        FUZZ_CHECK(gb18030 == icuEncode(FromUtf8(bytes)));
    }
}

// The window's side: the same bytes read as UTF-16 code units, as a box's text may hold them.
// Every character comes back; a lone surrogate comes back as U+FFFD.
void checkWindowText(std::string_view bytes)
{
    QString text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[i])
                                            | static_cast<unsigned char>(bytes[i + 1]) << 8));
    QString expected = text;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const bool pair = i + 1 < expected.size() && QChar::isHighSurrogate(expected[i].unicode())
            && QChar::isLowSurrogate(expected[i + 1].unicode());
        if (pair)
            ++i;
        else if (QChar::isSurrogate(expected[i].unicode()))
            expected[i] = QChar(0xFFFD);
    }
    const std::string gb18030 = ToGb18030(text);
    FUZZ_CHECK(IsWellFormedGb18030(gb18030));
    FUZZ_CHECK(!haveIcu() || gb18030 == icuEncode(expected));
    FUZZ_CHECK(FromGb18030(gb18030) == expected);
}

void checkCommandLine(const std::string& bytes, const std::optional<std::size_t>& invalidAt)
{
    std::istringstream in(bytes);
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunCli(
        {QStringLiteral("tavenor-cli"), QStringLiteral("convert"), QStringLiteral("--json")},
        {in, out, err});
    if (invalidAt) {
        FUZZ_CHECK(code == 1);
        FUZZ_CHECK(out.str().empty());
        FUZZ_CHECK(err.str() == "tavenor-cli: " + placeOf(bytes, *invalidAt) + ": invalid UTF-8\n");
        return;
    }
    FUZZ_CHECK(code == 0);
    // Standard error names only the pieces that have no syllable, as readable UTF-8.
    const std::string report = err.str();
    FUZZ_CHECK(!FindInvalidUtf8(report).has_value());
    for (const std::string_view line : linesOf(report))
        FUZZ_CHECK(line.starts_with("tavenor-cli: line ")
                   && line.find(": no syllable for \"") != std::string_view::npos);
    FUZZ_CHECK(!FindInvalidUtf8(out.str()).has_value());
    // Each line's characters reach its decomposition; a byte order mark opening the input is a
    // signature, not a character.
    const std::string_view withoutMark
        = std::string_view(bytes).substr(bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0);
    const std::vector<std::string_view> lines = linesOf(withoutMark);
    const std::string output = out.str();
    const std::vector<std::string_view> objects = linesOf(output);
    FUZZ_CHECK(objects.size() == lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        FUZZ_CHECK(nonAscii(decompositionOf(objects[i])) == nonAscii(lines[i]));
        // The command line writes each row's part of the texts as it keeps it ready; together
        // they must be what the conversion of the line gives.
        const RomajiTexts texts
            = ConvertPinyinText(ToGb18030(FromUtf8(lines[i])), testing::BuiltInTable());
        for (const auto& [key, text] :
             {std::pair{"decomposition", &texts.decomposition}, std::pair{"romaji", &texts.romaji},
              std::pair{"final", &texts.final}, std::pair{"history", &texts.history}})
            FUZZ_CHECK(valueOf(objects[i], key) == printed(*text));
    }
}

} // namespace
} // namespace tavenor::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tavenor;
    using namespace tavenor::fuzz;
    // The command line's option parser wants an application object, as in the real program.
    static int argc = 1;
    static char name[] = "text_boundary_fuzzer";
    static char* argv[] = {name, nullptr};
    static const QCoreApplication app(argc, argv);

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<std::size_t> invalidAt = FindInvalidUtf8(bytes);
    checkRoundTrip(bytes, invalidAt);
    checkAgainstIcu(bytes);
    checkWindowText(bytes);
    checkCommandLine(bytes, invalidAt);
    return 0;
}
