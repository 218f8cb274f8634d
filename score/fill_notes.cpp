#include "score/fill_notes.h"

#include "score/kana_spelling.h"
#include "score/note_split.h"
#include "score/romaji_parts.h"
#include "score/sung_units.h"
#include "score/unit_syllable.h"

#include <algorithm>

namespace tavenor {
namespace {

// A lyric as the note sings it: the part in hiragana, or as the table writes it.
std::string spelled(std::string_view part, bool romaji)
{
    const std::string_view kana = romaji ? std::string_view() : KanaForRomaji(part);
    return std::string(kana.empty() ? part : kana);
}

// A lyric must never read as one with a phonetic hint, x[...].
std::string withoutBrackets(std::string text)
{
    std::erase_if(text, [](char c) { return c == '[' || c == ']'; });
    return text;
}

class Filler {
public:
    Filler(const std::vector<ScoreNote>& notes, const FillOptions& options,
           const SyllableTable& table, const PinyinProvider& provider)
        : m_notes(notes)
        , m_options(options)
        , m_table(table)
        , m_provider(provider)
    {
    }

    // Note `note` sings unit, the ordinal-th of the units (from 0).
    void sing(std::size_t note, const SungUnit& unit, std::size_t ordinal)
    {
        const ScoreNote& given = m_notes[note];
        NoteFill fill{note, {}, given.duration, {}};
        const std::string syllable = syllableOf(unit, ordinal);
        const SyllableRecord* const row = syllable.empty() ? nullptr : m_table.findFirst(syllable);
        const std::vector<std::string_view> parts
            = row ? RomajiParts(row->romaji) : std::vector<std::string_view>();
        if (parts.empty()) {
            // The note sings what there is, so that the user sees what to mend.
            const std::string& shown = syllable.empty() ? unit.utf8 : syllable;
            fill.lyric = withoutBrackets(shown);
            if (fill.lyric.empty())
                fill.lyric = unit.utf8; // never a rest
            m_plan.reports.push_back({FillReport::Kind::MissingSyllable, note, 1, shown});
        } else {
            fill.lyric = spelled(parts.front(), m_options.romaji);
            if (m_options.split && parts.size() > 1) {
                if (const auto lengths = SplitNote(given.duration, parts.size(), m_options.tail)) {
                    fill.duration = lengths->first;
                    for (std::size_t p = 1; p < parts.size(); ++p)
                        fill.added.push_back(
                            {spelled(parts[p], m_options.romaji), lengths->eachLater});
                } else {
                    m_plan.reports.push_back(
                        {FillReport::Kind::TooShortToSplit, note, 1, syllable});
                }
            }
        }
        if (fill.lyric != given.lyric || fill.duration != given.duration || !fill.added.empty())
            m_plan.fills.push_back(std::move(fill));
    }

    void reserve(std::size_t fills) { m_plan.fills.reserve(fills); }

    void report(FillReport report) { m_plan.reports.push_back(std::move(report)); }

    FillPlan take() && { return std::move(m_plan); }

private:
    std::string syllableOf(const SungUnit& unit, std::size_t ordinal) const
    {
        const std::vector<std::string>& chosen = m_options.syllables;
        if (ordinal < chosen.size() && !chosen[ordinal].empty())
            return chosen[ordinal];
        return UnitSyllable(unit.character, m_options.lu, m_provider);
    }

    const std::vector<ScoreNote>& m_notes;
    const FillOptions& m_options;
    const SyllableTable& m_table;
    const PinyinProvider& m_provider;
    FillPlan m_plan;
};

} // namespace

FillPlan PlanFill(const std::vector<ScoreNote>& notes, const FillOptions& options,
                  const SyllableTable& table, const PinyinProvider& provider)
{
    Filler filler(notes, options, table, provider);
    if (!options.lyrics) {
        const std::vector<SungUnit> units = UnitsOfNotes(notes);
        filler.reserve(units.size());
        for (std::size_t u = 0; u < units.size(); ++u)
            filler.sing(units[u].note, units[u], u);
        return std::move(filler).take();
    }
    const std::vector<SungUnit> units = UnitsOfLyrics(*options.lyrics);
    filler.reserve(std::min(units.size(), notes.size()));
    std::size_t next = 0;
    std::size_t firstWithout = notes.size();
    std::size_t without = 0;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        if (!SingsAUnit(notes[i].lyric, options.emptyLyricIsRest))
            continue;
        if (next < units.size()) {
            filler.sing(i, units[next], next);
            ++next;
        } else if (without++ == 0) {
            firstWithout = i;
        }
    }
    if (without > 0)
        filler.report({FillReport::Kind::NotesWithoutCharacter, firstWithout, without, {}});
    if (next < units.size()) {
        // No note is concerned: the report's note is one past the last.
        FillReport leftOver{
            FillReport::Kind::CharactersLeftOver, notes.size(), units.size() - next, {}};
        for (std::size_t u = next; u < units.size(); ++u)
            leftOver.text += units[u].utf8;
        filler.report(std::move(leftOver));
    }
    return std::move(filler).take();
}

} // namespace tavenor
