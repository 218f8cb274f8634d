#pragma once

#include "cli/cli.h"
#include "cli/cli_output.h"
#include "cli/missing_syllables_report.h"
#include "romaji/batch_conversion.h"
#include "table/syllable_table.h"

#include <cstddef>
#include <string_view>

namespace tavenor {

// Which box an input line went into: the lyrics box adds its pinyin list to the JSON record.
enum class LineSource { PinyinBox, LyricsBox };

// What the command line tells for each input line in turn: on out, with json one object of every
// box text, else the final result text, records parted by an empty line; on err, unless quiet,
// the pieces that have no syllable. A record prints only the texts it shows.
class LineResultWriter {
public:
    LineResultWriter(CliOutput& output, LineOutput lineOutput, LineSource source,
                     const SyllableTable& table);

    // The next line's record: the conversion of the pinyin text that the line gave.
    void write(std::string_view pinyinText);

private:
    void appendJson(std::string_view pinyinText, std::string& out) const;

    CliOutput& m_output;
    LineOutput m_lineOutput;
    LineSource m_source;
    BatchConversion m_conversion;
    std::size_t m_lineNumber = 0;
};

} // namespace tavenor
