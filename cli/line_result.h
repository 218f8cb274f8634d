#pragma once

#include "cli/cli.h"
#include "cli/cli_output.h"
#include "cli/missing_syllables_report.h"
#include "cli/printed_row_texts.h"
#include "romaji/syllable_speller.h"
#include "table/syllable_table.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavenor {

// Which box an input line went into: the lyrics box adds its pinyin list to the JSON record.
enum class LineSource { PinyinBox, LyricsBox };

// What the command line tells for each input line in turn: on out, with json one object of every
// box text, else the final result text, records parted by an empty line; on err, unless quiet,
// the pieces that have no syllable. The texts are those of the conversion, but what a piece adds
// to each of them depends on its row alone when it has one (its pinyin is then the row's), so
// that part is kept ready for every row in its printed form; only the rare piece without a row
// is spelled out as it comes. A record prints only the texts it shows.
class LineResultWriter {
public:
    LineResultWriter(CliOutput& output, LineOutput lineOutput, LineSource source,
                     const SyllableTable& table);

    // The next line's record: the conversion of the pinyin text that the line gave.
    void write(std::string_view pinyinText);

private:
    void appendJson(std::string_view pinyinText, std::string& out);
    void appendFinalText(std::string_view pinyinText, std::string& out);
    // The row of a piece, which is missing where there is none.
    RowNumber rowOf(std::string_view piece);

    CliOutput& m_output;
    LineOutput m_lineOutput;
    LineSource m_source;
    const SyllableTable& m_table;
    PrintedRowTexts m_finalLines;
    PrintedRowTexts m_jsonDecomposition;
    PrintedRowTexts m_jsonRomaji;
    PrintedRowTexts m_jsonFinal;
    PrintedRowTexts m_jsonHistory;
    MissingSyllables m_missing{kMissingSyllablesNamed};
    std::size_t m_lineNumber = 0;
    // Reused from line to line, so that a long input costs few allocations: the row of each
    // piece of the line, and for the pieces with none, their decomposition and history as JSON,
    // one after the other, and where each ends.
    std::vector<RowNumber> m_rows;
    SyllableSpeller m_speller;
    std::string m_spelled[2];
    std::string m_missedJson[2];
    std::vector<std::size_t> m_missedEnds[2];
};

} // namespace tavenor
