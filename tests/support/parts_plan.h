#pragma once

#include "score/fill_plan.h"
#include "score/score_note.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace tavenor::testing {

// A plan as the fill makes one, for the project files' tests: note i sings parts[i], its first
// part on the note itself and each later part on a note of min(tail, L div k) ticks split off
// its end; a note shorter than its k parts gets the first only, and one given no parts is left.
inline FillPlan PartsPlan(const std::vector<ScoreNote>& notes,
                          const std::vector<std::vector<std::string>>& parts,
                          std::int64_t tail = 120)
{
    FillPlan plan;
    for (std::size_t i = 0; i < notes.size() && i < parts.size(); ++i) {
        if (parts[i].empty())
            continue;
        NoteFill fill{i, parts[i][0], notes[i].duration, {}};
        const auto k = static_cast<std::int64_t>(parts[i].size());
        if (k > 1 && notes[i].duration >= k) {
            const std::int64_t length = std::min(tail, notes[i].duration / k);
            fill.duration -= (k - 1) * length;
            for (std::size_t j = 1; j < parts[i].size(); ++j)
                fill.added.push_back({parts[i][j], length});
        }
        plan.fills.push_back(std::move(fill));
    }
    return plan;
}

// The notes that a project filled by `plan` holds, in time order (notes starting together in
// the order the plan gives them).
inline std::vector<ScoreNote> PlannedNotes(std::vector<ScoreNote> notes, const FillPlan& plan)
{
    std::vector<std::vector<ScoreNote>> after(notes.size());
    for (const NoteFill& fill : plan.fills) {
        ScoreNote& note = notes[fill.note];
        note.lyric = fill.lyric;
        note.duration = fill.duration;
        std::int64_t position = note.position + note.duration;
        for (const AddedNote& added : fill.added) {
            after[fill.note].push_back({added.lyric, position, added.duration, note.tone});
            position += added.duration;
        }
    }
    std::vector<ScoreNote> planned;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        planned.push_back(notes[i]);
        planned.insert(planned.end(), after[i].begin(), after[i].end());
    }
    std::stable_sort(planned.begin(), planned.end(), [](const ScoreNote& a, const ScoreNote& b) {
        return a.position < b.position;
    });
    return planned;
}

} // namespace tavenor::testing
