#pragma once

#include "score/fill_plan.h"
#include "score/score_note.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace tavenor {

// A file that cannot be read or written as asked. what() is one line that says where (a line or
// a byte offset) and what is wrong, without the file's name, which the front end adds.
class ProjectError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A project read from its bytes: the notes to fill, in time order, and the same bytes with a
// fill applied. Every byte that the plan does not change is kept as it was.
class ProjectFile {
public:
    virtual ~ProjectFile() = default;
    virtual const std::vector<ScoreNote>& notes() const = 0;
    // Throws ProjectError when a lyric cannot be written in the file's encoding, naming the note.
    virtual std::string filled(const FillPlan& plan) const = 0;
};

} // namespace tavenor
