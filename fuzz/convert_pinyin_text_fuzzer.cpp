// The conversion on arbitrary bytes. Each non-empty piece is also converted on its own: the whole
// must be the pieces' results joined, and each piece's result must have the shape the boxes rely
// on (one romaji entry, one final line, one history line unless it starts with a, e or o). The
// texts and the pieces without a row must be what the plain conversion gives, scanning as the
// window does and indexed as a batch does.

#include "fuzz_check.h"
#include "text_reference.h"

#include "tests/support/built_in_table.h"
#include "tests/support/plain_romaji_conversion.h"

#include "romaji/romaji_conversion.h"
#include "table/syllable_table.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tavenor::fuzz {
namespace {

// The first row of every pinyin, built by walking the table backwards so that earlier rows win.
const std::map<std::string_view, const SyllableRecord*>& firstRows()
{
    static const auto rows = [] {
        std::map<std::string_view, const SyllableRecord*> first;
        const SyllableTable& table = testing::BuiltInTable();
        for (std::size_t k = table.size(); k-- > 0;)
            first[table[k].pinyin] = &table[k];
        return first;
    }();
    return rows;
}

bool separates(char c) { return c == ',' || c == '\r' || c == '\n'; }

std::vector<std::string_view> nonEmptyPieces(std::string_view text)
{
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || separates(text[i])) {
            if (i > start)
                pieces.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return pieces;
}

std::string withoutCommas(std::string_view text)
{
    std::string kept;
    for (const char c : text) {
        if (c != ',')
            kept += c;
    }
    return kept;
}

bool startsWithZeroInitial(std::string_view piece)
{
    return piece[0] == 'a' || piece[0] == 'e' || piece[0] == 'o';
}

// Checks one piece's result and returns how many CR LF it adds to the history.
std::size_t checkPiece(std::string_view piece, const RomajiTexts& one)
{
    const auto row = firstRows().find(piece);
    const bool found = row != firstRows().end();
    FUZZ_CHECK(one.romaji == (found ? row->second->romaji : "?") + " , ");
    FUZZ_CHECK(one.final == (found ? row->second->phonemes : "?") + "\r\n");

    if (startsWithZeroInitial(piece)) {
        FUZZ_CHECK(one.history.empty());
        FUZZ_CHECK(one.decomposition == std::string(piece) + ",");
        return 0;
    }
    // The history line is the normalized syllable: at most one byte longer than the piece (one
    // contracted final spelled out), and exactly what the decomposition splits up.
    FUZZ_CHECK(one.history.ends_with("\r\n"));
    const std::string_view syllable
        = std::string_view(one.history).substr(0, one.history.size() - 2);
    FUZZ_CHECK(syllable.size() == piece.size() || syllable.size() == piece.size() + 1);
    FUZZ_CHECK(syllable.substr(0, 1) == piece.substr(0, 1));
    FUZZ_CHECK(withoutCommas(one.decomposition) == syllable);
    const std::size_t parts = CountOccurrences(one.decomposition, ",");
    FUZZ_CHECK(one.decomposition.ends_with(",") && (parts == 2 || parts == 3));
    // A piece holds no line break, so its history is one line.
    FUZZ_CHECK(CountOccurrences(one.history, "\r\n") == 1);
    FUZZ_CHECK(one.history.find_first_of("\r\n") == syllable.size());
    return 1;
}

} // namespace
} // namespace tavenor::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tavenor;
    using namespace tavenor::fuzz;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const RomajiTexts whole = ConvertPinyinText(text, testing::BuiltInTable());

    const std::vector<std::string_view> pieces = nonEmptyPieces(text);
    RomajiTexts joined;
    std::size_t historyBreaks = 0;
    for (const std::string_view piece : pieces) {
        const RomajiTexts one = ConvertPinyinText(piece, testing::BuiltInTable());
        historyBreaks += checkPiece(piece, one);
        joined.decomposition += one.decomposition;
        joined.romaji += one.romaji;
        joined.final += one.final;
        joined.history += one.history;
    }
    FUZZ_CHECK(whole == joined);
    FUZZ_CHECK(CountOccurrences(whole.romaji, " , ") == pieces.size());
    FUZZ_CHECK(CountOccurrences(whole.final, "\r\n") == pieces.size());
    FUZZ_CHECK(CountOccurrences(whole.history, "\r\n") == historyBreaks);
    FUZZ_CHECK(whole.decomposition.find_first_of("\r\n") == std::string::npos);
    FUZZ_CHECK(whole.romaji.find_first_of("\r\n") == std::string::npos);

    const testing::PlainConversion plain = testing::PlainConvert(text, testing::BuiltInTable());
    FUZZ_CHECK(whole == plain.texts);
    // One conversion for every input, as a batch keeps one for every line.
    static RomajiConversion indexed(testing::BuiltInTable(), RomajiConversion::Lookup::Indexed);
    indexed.convert(text);
    FUZZ_CHECK(indexed.texts() == plain.texts);
    FUZZ_CHECK(std::equal(indexed.missingPieces().begin(), indexed.missingPieces().end(),
                          plain.missingPieces.begin(), plain.missingPieces.end()));

    if (IsWellFormedGb18030(text)) {
        FUZZ_CHECK(IsWellFormedGb18030(whole.decomposition));
        FUZZ_CHECK(IsWellFormedGb18030(whole.romaji));
        FUZZ_CHECK(IsWellFormedGb18030(whole.final));
        FUZZ_CHECK(IsWellFormedGb18030(whole.history));
    }
    return 0;
}
