#pragma once

#include "table/syllable_table.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace tavenor {

// A row of the table by its number from 0; the table's size stands for no row.
using RowNumber = std::uint32_t;

// A text that the command line prints for each row of the table, and for a piece that no row
// matches, in its printed form: made once for the whole run, rather than decoded and escaped once
// for every piece.
class PrintedRowTexts {
public:
    // make(row, out) appends the printed text of row, nullptr standing for no row, to out.
    template <typename Make> PrintedRowTexts(const SyllableTable& table, Make make)
    {
        const auto add = [&](const SyllableRecord* row) {
            const std::size_t begin = m_text.size();
            make(row, m_text);
            m_spans.push_back({static_cast<std::uint32_t>(begin),
                               static_cast<std::uint32_t>(m_text.size() - begin)});
            m_longest = std::max<std::size_t>(m_longest, m_spans.back().size);
        };
        for (const SyllableRecord& row : table)
            add(&row);
        add(nullptr);
        // Room for appendAll to read whole blocks past the last text.
        m_text.append(kBlock - 1, '\0');
    }

    std::string_view of(RowNumber row) const noexcept
    {
        const Span span = m_spans[row];
        return {m_text.data() + span.begin, span.size};
    }

    // Appends the texts of rows, in order. The texts are short and many, so each is copied in
    // blocks of a fixed size, which the compiler turns into a few moves, rather than by a call.
    void appendAll(const std::vector<RowNumber>& rows, std::string& out) const
    {
        appendAll(
            rows, out, [this](std::size_t) { return of(noRow()); }, 0);
    }

    // The same, but the k-th piece with no row (from 0) appends missing(k); those texts are
    // missingLength bytes together.
    template <typename Missing>
    void appendAll(const std::vector<RowNumber>& rows, std::string& out, Missing missing,
                   std::size_t missingLength) const
    {
        const std::size_t start = out.size();
        // Room for the longest text for each row, so that the texts need no measuring first; a
        // block may run past the last text's end into the room after it.
        out.resize(start + rows.size() * m_longest + missingLength + kBlock - 1);
        char* next = out.data() + start;
        std::size_t missed = 0;
        for (const RowNumber row : rows) {
            if (row == noRow()) {
                // Not ours to read past: copied as it is.
                const std::string_view text = missing(missed++);
                next = std::copy(text.begin(), text.end(), next);
                continue;
            }
            const Span span = m_spans[row];
            for (std::size_t i = 0; i < span.size; i += kBlock)
                std::memcpy(next + i, m_text.data() + span.begin + i, kBlock);
            next += span.size;
        }
        out.resize(static_cast<std::size_t>(next - out.data()));
    }

private:
    static constexpr std::size_t kBlock = 16;

    struct Span {
        std::uint32_t begin, size;
    };

    RowNumber noRow() const noexcept { return static_cast<RowNumber>(m_spans.size() - 1); }

    // The texts one after the other, row by row, then the one for no row.
    std::string m_text;
    std::vector<Span> m_spans;
    std::size_t m_longest = 0;
};

} // namespace tavenor
