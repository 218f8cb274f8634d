// The get-lyrics action on arbitrary bytes. The first byte scripts the answers to the lu question
// (bit k answers question k, cycling), the rest is the lyrics. Two providers: one gives every
// unit a reading chosen by a hash of its bytes, from readings that reach every path of the
// action; the other is the built-in one, whose every entry must be a plain syllable or empty.
// A batch's builder, which keeps each character's entry from input to input, must give the same
// lists and ask the same questions.

#include "fuzz_check.h"
#include "text_reference.h"

#include "tests/support/built_in_table.h"
#include "tests/support/fake_boxes.h"
#include "tests/support/split_gb18030_characters.h"

#include "boxes/fetch_lyrics_pinyin.h"
#include "pinyin/build_pinyin_list.h"
#include "pinyin/hanzi_to_pinyin.h"
#include "pinyin/unihan_pinyin_provider.h"
#include "romaji/romaji_conversion.h"
#include "table/syllable_table.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavenor::fuzz {
namespace {

// lǔ and lǜ (both plain "lu"), luó, a capital LU, nǐ, hǎo, ḿ, a reading with no letters (passed on
// raw), an empty one and a lone consonant. None holds a comma, as no real reading does.
constexpr std::array<std::string_view, 10> kReadings{
    "l\xA8\xB3",  "l\xA8\xB8", "lu\xA8\xAE", "LU", "n\xA8\xAB",
    "h\xA8\xA3o", "\xA8\xBC",  "\xA1\xA2",   "",   "r"};

std::uint32_t hashOf(std::string_view text)
{
    std::uint32_t hash = 2166136261U;
    for (const char c : text)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619U;
    return hash;
}

// From -1 to 2 items per unit, so that "no reading" and "several readings" both occur.
class HashedProvider : public PinyinProvider {
public:
    int CountPinyinItems(std::string_view text) const override
    {
        return static_cast<int>(hashOf(text) % 4) - 1;
    }

    std::string GetPinyinReading(std::string_view text, int item, int selector) const override
    {
        FUZZ_CHECK(selector == 1);
        FUZZ_CHECK(item >= 1 && item <= CountPinyinItems(text));
        return std::string(
            kReadings[(hashOf(text) / 4 + static_cast<std::uint32_t>(item)) % kReadings.size()]);
    }
};

class BitAnswers : public LuQuestion {
public:
    explicit BitAnswers(std::uint8_t bits)
        : m_bits(bits)
    {
    }

    bool askIsLu(std::string_view title, std::string_view message,
                 const LuOccurrence& /*lu*/) override
    {
        FUZZ_CHECK(title == kLuQuestionTitle);
        FUZZ_CHECK(message == kLuQuestionMessage);
        return answer(m_asked++);
    }

    bool answer(std::size_t question) const { return ((m_bits >> (question % 8)) & 1U) != 0; }
    std::size_t asked() const { return m_asked; }

private:
    std::uint8_t m_bits;
    std::size_t m_asked = 0;
};

std::vector<std::string_view> entriesOf(std::string_view list)
{
    std::vector<std::string_view> entries;
    for (std::size_t at = list.find(','); at != std::string_view::npos; at = list.find(',')) {
        entries.push_back(list.substr(0, at));
        list.remove_prefix(at + 1);
    }
    FUZZ_CHECK(list.empty());
    return entries;
}

void checkList(std::string_view lyrics, const std::string& list, const PinyinProvider& provider,
               const BitAnswers& question)
{
    const std::vector<std::string_view> units = testing::SplitGb18030Characters(lyrics);
    FUZZ_CHECK(list.empty() == lyrics.empty());
    FUZZ_CHECK(list.empty() || list.ends_with(","));
    const std::vector<std::string_view> entries = entriesOf(list);
    FUZZ_CHECK(entries.size() == units.size());

    std::size_t luEntries = 0;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const std::string syllable = HanziToPinyin(provider, units[i], /*extraForm=*/0,
                                                   /*spaceAfterEach=*/0);
        if (syllable == "lu")
            FUZZ_CHECK(entries[i] == (question.answer(luEntries++) ? "lu" : "lv"));
        else
            FUZZ_CHECK(entries[i] == syllable);
    }
    FUZZ_CHECK(question.asked() == luEntries);
}

bool isPlainSyllable(std::string_view entry)
{
    for (const char c : entry) {
        if (c < 'a' || c > 'z')
            return false;
    }
    return true;
}

} // namespace
} // namespace tavenor::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tavenor;
    using namespace tavenor::fuzz;
    if (size == 0)
        return 0;
    const std::uint8_t answerBits = data[0];
    const std::string lyrics(reinterpret_cast<const char*>(data) + 1, size - 1);
    const HashedProvider provider;

    BitAnswers question(answerBits);
    const std::string list = BuildPinyinList(lyrics, provider, question);
    checkList(lyrics, list, provider, question);

    const UnihanPinyinProvider builtIn;
    BitAnswers builtInQuestion(answerBits);
    const std::string builtInList = BuildPinyinList(lyrics, builtIn, builtInQuestion);
    checkList(lyrics, builtInList, builtIn, builtInQuestion);
    for (const std::string_view entry : entriesOf(builtInList))
        FUZZ_CHECK(isPlainSyllable(entry));

    static const HashedProvider keptProvider;
    static const UnihanPinyinProvider keptBuiltIn;
    static PinyinListBuilder keeping(keptProvider);
    static PinyinListBuilder keepingBuiltIn(keptBuiltIn);
    struct Batch {
        PinyinListBuilder& builder;
        const std::string& list;
        const BitAnswers& question;
    };
    for (const Batch& batch :
         {Batch{keeping, list, question}, {keepingBuiltIn, builtInList, builtInQuestion}}) {
        BitAnswers keptQuestion(answerBits);
        std::string kept = "old,";
        batch.builder.build(lyrics, keptQuestion, kept);
        FUZZ_CHECK(kept == batch.list);
        FUZZ_CHECK(keptQuestion.asked() == batch.question.asked());
    }

    // The whole action through the boxes: the pinyin box gets the list, the lyrics stay as typed,
    // the results are the list's conversion and the history only grows.
    testing::FakeBoxes boxes;
    boxes.texts = {{std::string(box::Lyrics), lyrics},
                   {std::string(box::Pinyin), "old,"},
                   {std::string(box::History), "H"}};
    BitAnswers sameAnswers(answerBits);
    FetchLyricsPinyin(boxes, provider, sameAnswers, testing::BuiltInTable());
    const RomajiTexts converted = ConvertPinyinText(list, testing::BuiltInTable());
    FUZZ_CHECK(boxes[box::Lyrics] == lyrics);
    FUZZ_CHECK(boxes[box::Pinyin] == list);
    FUZZ_CHECK(boxes[box::Decomposition] == converted.decomposition);
    FUZZ_CHECK(boxes[box::Romaji] == converted.romaji);
    FUZZ_CHECK(boxes[box::Final] == converted.final);
    FUZZ_CHECK(boxes[box::History] == "H" + converted.history);
    return 0;
}
