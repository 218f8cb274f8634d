#include "plugin/edited_pinyin_provider.h"

#include "text/gb18030_characters.h"

#include <vector>

namespace tavenor {
namespace {

std::vector<std::string_view> charactersOf(std::string_view text)
{
    std::vector<std::string_view> characters;
    while (!text.empty()) {
        const std::size_t length = Gb18030CharacterLength(text);
        characters.push_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return characters;
}

} // namespace

EditedPinyinProvider::EditedPinyinProvider(const PinyinProvider& builtIn)
    : m_builtIn(builtIn)
{
}

void EditedPinyinProvider::setReading(std::string_view character, std::string_view reading)
{
    m_readings.emplace(std::string(character), std::string(reading));
}

bool EditedPinyinProvider::hasReading(std::string_view character) const
{
    return m_readings.find(character) != m_readings.end()
        || m_builtIn.CountPinyinItems(character) > 0;
}

int EditedPinyinProvider::CountPinyinItems(std::string_view text) const
{
    int count = 0;
    for (const std::string_view character : charactersOf(text))
        count += hasReading(character) ? 1 : 0;
    return count;
}

std::string EditedPinyinProvider::GetPinyinReading(std::string_view text, int item,
                                                   int selector) const
{
    int seen = 0;
    for (const std::string_view character : charactersOf(text)) {
        if (!hasReading(character) || ++seen < item)
            continue;
        if (const auto edited = m_readings.find(character); edited != m_readings.end())
            return edited->second;
        return m_builtIn.GetPinyinReading(character, 1, selector);
    }
    return {};
}

} // namespace tavenor
