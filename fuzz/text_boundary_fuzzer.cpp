// The text boundary on arbitrary bytes: valid UTF-8 survives UTF-8 -> GB18030 -> UTF-8 unchanged,
// the validity check agrees with Qt's own UTF-8 decoder, and the command line either converts
// every line or, for invalid UTF-8, names the first bad byte and prints nothing.

#include "fuzz_check.h"
#include "text_reference.h"

#include "cli/cli.h"
#include "codec/gb18030_codec.h"
#include "codec/utf8_validation.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

namespace tavenor::fuzz {
namespace {

// "line L, byte B" of the byte at offset, both counted from 1, lines ended by LF.
std::string placeOf(std::string_view text, std::size_t offset)
{
    const std::string_view before = text.substr(0, offset);
    const std::size_t lineStart = before.rfind('\n') == std::string_view::npos ? 0 : before.rfind('\n') + 1;
    return "line " + std::to_string(CountOccurrences(before, "\n") + 1) + ", byte "
        + std::to_string(offset - lineStart + 1);
}

std::size_t lineCount(std::string_view text)
{
    return CountOccurrences(text, "\n") + (text.empty() || text.ends_with('\n') ? 0 : 1);
}

void checkRoundTrip(std::string_view bytes, const std::optional<std::size_t>& invalidAt)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    FUZZ_CHECK(utf8.hasError() == invalidAt.has_value());
    if (invalidAt)
        return;
    const std::string gb18030 = ToGb18030(text);
    FUZZ_CHECK(IsWellFormedGb18030(gb18030));
    const QByteArray back = FromGb18030(gb18030).toUtf8();
    FUZZ_CHECK(std::string_view(back.constData(), static_cast<std::size_t>(back.size())) == bytes);
}

void checkCommandLine(const std::string& bytes, const std::optional<std::size_t>& invalidAt)
{
    std::istringstream in(bytes);
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunCli({QStringLiteral("tavenor-cli"), QStringLiteral("convert"), QStringLiteral("--json")},
                            {in, out, err});
    if (invalidAt) {
        FUZZ_CHECK(code == 1);
        FUZZ_CHECK(out.str().empty());
        FUZZ_CHECK(err.str() == "tavenor-cli: " + placeOf(bytes, *invalidAt) + ": invalid UTF-8\n");
        return;
    }
    FUZZ_CHECK(code == 0);
    FUZZ_CHECK(err.str().empty());
    FUZZ_CHECK(!FindInvalidUtf8(out.str()).has_value());
    FUZZ_CHECK(lineCount(out.str()) == lineCount(bytes));
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
    checkCommandLine(bytes, invalidAt);
    return 0;
}
