#include "table/syllable_table.h"

#include "table/syllable_table_text.h"
#include "text/cut_text.h"

#include <algorithm>

namespace tavenor {

void SyllableTable::insert(std::size_t index, SyllableRecord record)
{
    m_records.insert(m_records.begin() + static_cast<std::ptrdiff_t>(std::min(index, size())),
                     std::move(record));
}

const SyllableRecord* SyllableTable::findFirst(std::string_view pinyin) const noexcept
{
    const auto found
        = std::find_if(m_records.begin(), m_records.end(),
                       [pinyin](const SyllableRecord& r) { return r.pinyin == pinyin; });
    return found == m_records.end() ? nullptr : &*found;
}

void LoadSyllableTable(SyllableTable& table, std::string_view text)
{
    const std::vector<std::string_view> rows = CutText(text, "\r\n");
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const std::vector<std::string_view> fields = CutText(rows[k], "=");
        const auto field = [&fields](std::size_t i) {
            return i < fields.size() ? std::string(fields[i]) : std::string();
        };
        table.insert(k, SyllableRecord{field(0), field(1), field(2)});
    }
}

void LoadSyllableTable(SyllableTable& table) { LoadSyllableTable(table, SyllableTableText); }

} // namespace tavenor
