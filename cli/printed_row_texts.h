#pragma once

#include "table/syllable_table.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace tavenor {

// A text that the command line prints for each row of the table, and for a piece that no row
// matches, in its printed form: made once for the whole run, rather than decoded and escaped once
// for every piece.
class PrintedRowTexts {
public:
    // make(row, out) appends the printed text of row, nullptr standing for no row, to out.
    template <typename Make>
    PrintedRowTexts(const SyllableTable& table, Make make)
        : m_firstRow(table.empty() ? nullptr : &table[0])
    {
        m_ends.push_back(0);
        for (const SyllableRecord& row : table) {
            make(&row, m_text);
            m_ends.push_back(m_text.size());
        }
        make(nullptr, m_text);
        m_ends.push_back(m_text.size());
        // Room for appendAll to read whole blocks past the last text.
        m_text.append(kBlock - 1, '\0');
    }

    // row is one of the table's rows, or nullptr for none.
    std::string_view of(const SyllableRecord* row) const noexcept
    {
        const std::size_t i = row ? static_cast<std::size_t>(row - m_firstRow) : m_ends.size() - 2;
        return std::string_view(m_text).substr(m_ends[i], m_ends[i + 1] - m_ends[i]);
    }

    // Appends the texts of rows, in order. The texts are short and many, so each is copied in
    // blocks of a fixed size, which the compiler turns into a few moves, rather than by a call.
    void appendAll(const std::vector<const SyllableRecord*>& rows, std::string& out) const
    {
        appendAll(rows, out, [this](std::size_t) { return of(nullptr); });
    }

    // The same, but the k-th piece with no row (from 0) appends missing(k).
    template <typename Missing>
    void appendAll(const std::vector<const SyllableRecord*>& rows, std::string& out,
                   Missing missing) const
    {
        std::size_t length = 0;
        std::size_t missed = 0;
        for (const SyllableRecord* row : rows)
            length += row ? of(row).size() : missing(missed++).size();
        const std::size_t start = out.size();
        // A block may run past the last text's end into the room after it.
        out.resize(start + length + kBlock - 1);
        char* next = out.data() + start;
        missed = 0;
        for (const SyllableRecord* row : rows) {
            if (!row) {
                // Not ours to read past: copied as it is.
                const std::string_view text = missing(missed++);
                next = std::copy(text.begin(), text.end(), next);
                continue;
            }
            const std::string_view text = of(row);
            for (std::size_t i = 0; i < text.size(); i += kBlock)
                std::memcpy(next + i, text.data() + i, kBlock);
            next += text.size();
        }
        out.resize(start + length);
    }

private:
    static constexpr std::size_t kBlock = 16;

    const SyllableRecord* m_firstRow;
    // The texts one after the other, row by row, then the one for no row; text i is from
    // m_ends[i] to m_ends[i + 1].
    std::string m_text;
    std::vector<std::size_t> m_ends;
};

} // namespace tavenor
