#include "pinyin/build_pinyin_list.h"

#include "pinyin/hanzi_to_pinyin.h"
#include "pinyin/to_plain_pinyin.h"
#include "text/gb18030_characters.h"

#include <limits>

namespace tavenor {
namespace {

constexpr std::size_t kOneByteCharacters = 256;
constexpr unsigned kFirstLead = 0x81, kFirstTrail = 0x40;
constexpr std::size_t kTrails = 0x100 - kFirstTrail;
constexpr std::size_t kTwoByteCharacters = (0x100 - kFirstLead) * kTrails;
constexpr std::size_t kNotKept = kOneByteCharacters + kTwoByteCharacters;

// Where a character's entry is kept: one byte, or two from a lead and a trail byte on; kNotKept
// for any other.
std::size_t keptIndexOf(std::string_view character) noexcept
{
    const auto byte
        = [character](std::size_t i) { return static_cast<unsigned char>(character[i]); };
    if (character.size() == 1)
        return byte(0);
    if (character.size() == 2 && byte(0) >= kFirstLead && byte(1) >= kFirstTrail)
        return kOneByteCharacters + (byte(0) - kFirstLead) * kTrails + (byte(1) - kFirstTrail);
    return kNotKept;
}

// The loop of both: appendEntry(character, list) appends a character's plain pinyin.
template <typename AppendEntry>
void buildList(std::string_view lyrics, const PinyinProvider& provider, LuQuestion& question,
               std::string& list, AppendEntry appendEntry)
{
    list.clear();
    for (std::size_t position = 1; !lyrics.empty(); ++position) {
        const std::string_view unit = lyrics.substr(0, Gb18030CharacterLength(lyrics));
        lyrics.remove_prefix(unit.size());
        const std::size_t entryStart = list.size();
        appendEntry(unit, list);
        if (std::string_view(list).substr(entryStart) == "lu") {
            // The plain syllable has lost the umlaut; the reading itself still shows it.
            const bool readsLu = !HasUmlautU(provider.GetPinyinReading(unit, 1, 1));
            if (!question.askIsLu(kLuQuestionTitle, kLuQuestionMessage, {unit, position, readsLu}))
                list[entryStart + 1] = 'v';
        }
        list += ',';
    }
}

} // namespace

std::string BuildPinyinList(std::string_view lyrics, const PinyinProvider& provider,
                            LuQuestion& question)
{
    std::string list;
    BuildPinyinList(lyrics, provider, question, list);
    return list;
}

void BuildPinyinList(std::string_view lyrics, const PinyinProvider& provider, LuQuestion& question,
                     std::string& list)
{
    buildList(lyrics, provider, question, list,
              [&provider](std::string_view unit, std::string& out) {
                  AppendHanziToPinyin(provider, unit, /*extraForm=*/0, /*spaceAfterEach=*/0, out);
              });
}

PinyinListBuilder::PinyinListBuilder(const PinyinProvider& provider)
    : m_provider(provider)
    , m_kept(kNotKept)
{
}

void PinyinListBuilder::appendEntry(std::string_view character, std::string& list)
{
    const std::size_t index = keptIndexOf(character);
    if (index == kNotKept) {
        AppendHanziToPinyin(m_provider, character, 0, 0, list);
        return;
    }
    KeptEntry& kept = m_kept[index];
    if (!kept.made) {
        const std::size_t start = list.size();
        AppendHanziToPinyin(m_provider, character, 0, 0, list);
        const std::size_t size = list.size() - start;
        if (size > std::numeric_limits<std::uint8_t>::max())
            return;
        kept
            = {static_cast<std::uint32_t>(m_entries.size()), static_cast<std::uint8_t>(size), true};
        m_entries.append(list, start, size);
        return;
    }
    list.append(m_entries, kept.begin, kept.size);
}

void PinyinListBuilder::build(std::string_view lyrics, LuQuestion& question, std::string& list)
{
    buildList(lyrics, m_provider, question, list,
              [this](std::string_view unit, std::string& out) { appendEntry(unit, out); });
}

} // namespace tavenor
