#include "plugin/fill_report_line.h"

namespace tavenor {
namespace {

std::string noteName(std::size_t note) { return "note " + std::to_string(note + 1); }

std::string counted(std::size_t count, const char* singular, const char* plural)
{
    return std::to_string(count) + ' ' + (count == 1 ? singular : plural);
}

} // namespace

std::string FillReportLine(const FillReport& report)
{
    switch (report.kind) {
    case FillReport::Kind::MissingSyllable:
        return noteName(report.note) + ": no syllable for \"" + report.text
            + "\"; the note sings the pinyin";
    case FillReport::Kind::CharactersLeftOver:
        return counted(report.count, "character", "characters") + " left over without a note: \""
            + report.text + '"';
    case FillReport::Kind::NotesWithoutCharacter:
        return noteName(report.note) + ": " + counted(report.count, "note", "notes")
            + " from here left without a character";
    case FillReport::Kind::TooShortToSplit:
        return noteName(report.note) + ": too short to split; it sings the first part only";
    }
    return {};
}

} // namespace tavenor
