#pragma once

#include "cli/cli.h"
#include "cli/missing_syllables_report.h"
#include "romaji/romaji_conversion.h"
#include "table/syllable_table.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tavenor {

// Which box an input line went into: the lyrics box adds its pinyin list to the JSON record.
enum class LineSource { PinyinBox, LyricsBox };

// What the command line tells for each input line: with json one object of every box text, else
// the final result text, records parted by an empty line; unless quiet, a report of the pieces
// that have no syllable. A record prints only the texts it shows.
class LineResults {
public:
    LineResults(LineOutput lineOutput, LineSource source, const SyllableTable& table);

    // Appends the record of line lineNumber (from 1), the conversion of the pinyin text that the
    // line gave, to results, and its report to reports.
    void append(std::string_view pinyinText, std::size_t lineNumber, std::string& results,
                std::string& reports);

private:
    void appendJson(std::string_view pinyinText, std::string& out) const;

    LineOutput m_lineOutput;
    LineSource m_source;
    RomajiConversion m_conversion;
};

} // namespace tavenor
