#pragma once

#include "cli/cli.h"
#include "cli/cli_output.h"
#include "cli/json_line.h"
#include "romaji/romaji_texts.h"
#include "table/syllable_table.h"

#include <cstddef>
#include <string_view>

namespace tavenor {

// Which box an input line went into: the lyrics box adds its pinyin list to the JSON record.
enum class LineSource { PinyinBox, LyricsBox };

// What the command line tells for each input line in turn: on out, with json one object of every
// box text, else the final result text, records parted by an empty line; on err, unless quiet,
// the pieces that have no syllable.
class LineResultWriter {
public:
    LineResultWriter(CliOutput& output, LineOutput lineOutput, LineSource source,
                     const SyllableTable& table)
        : m_output(output)
        , m_lineOutput(lineOutput)
        , m_source(source)
        , m_table(table)
    {
    }

    // The next line's record: the pinyin text that it converted, and what that gave.
    void write(std::string_view pinyinText, const RomajiTexts& texts);

private:
    CliOutput& m_output;
    LineOutput m_lineOutput;
    LineSource m_source;
    const SyllableTable& m_table;
    JsonLineWriter m_jsonLine;
    std::size_t m_lineNumber = 0;
};

} // namespace tavenor
