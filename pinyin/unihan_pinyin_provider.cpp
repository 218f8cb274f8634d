#include "pinyin/unihan_pinyin_provider.h"

#include "pinyin/unihan_readings.h"
#include "text/gb18030_characters.h"

#include <limits>

namespace tavenor {
namespace {

// Calls visit with the reading of each character that has one, in text order, until it returns
// false. A text of one character, as the get-lyrics action asks about, is looked up at once.
template <typename Visit> void forEachReading(std::string_view text, Visit visit)
{
    if (!text.empty() && Gb18030CharacterLength(text) == text.size()) {
        if (const std::string_view reading = FindUnihanReading(text); !reading.empty())
            visit(reading);
        return;
    }
    while (!text.empty()) {
        const std::size_t length = Gb18030CharacterLength(text);
        const std::string_view reading = FindUnihanReading(text.substr(0, length));
        text.remove_prefix(length);
        if (!reading.empty() && !visit(reading))
            return;
    }
}

} // namespace

int UnihanPinyinProvider::CountPinyinItems(std::string_view text) const
{
    int count = 0;
    forEachReading(text, [&count](std::string_view) {
        ++count;
        return count < std::numeric_limits<int>::max();
    });
    return count;
}

std::string UnihanPinyinProvider::GetPinyinReading(std::string_view text, int item,
                                                   int /*selector*/) const
{
    std::string_view found;
    int seen = 0;
    forEachReading(text, [&](std::string_view reading) {
        if (++seen < item)
            return true;
        if (seen == item)
            found = reading;
        return false;
    });
    return std::string(found);
}

} // namespace tavenor
