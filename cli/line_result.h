#pragma once

#include "cli/cli.h"
#include "cli/cli_output.h"
#include "cli/json_line.h"
#include "cli/missing_syllables_report.h"
#include "cli/printed_final_lines.h"
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
                     const SyllableTable& table);

    // The next line's record: the conversion of the pinyin text that the line gave.
    void write(std::string_view pinyinText);

private:
    void appendJson(std::string_view pinyinText, std::string& out);
    // Only the final text is printed, so only the rows are looked up: the pieces need no
    // spelling out.
    void appendFinalText(std::string_view pinyinText, std::string& out);

    CliOutput& m_output;
    LineOutput m_lineOutput;
    LineSource m_source;
    const SyllableTable& m_table;
    PrintedFinalLines m_finalLines;
    JsonLineWriter m_jsonLine;
    RomajiTexts m_texts;
    MissingSyllables m_missing{kMissingSyllablesNamed};
    std::size_t m_lineNumber = 0;
};

} // namespace tavenor
