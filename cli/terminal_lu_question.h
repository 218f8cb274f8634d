#pragma once

#include "cli/terminal.h"
#include "pinyin/lu_question.h"

#include <cstddef>
#include <stdexcept>
#include <string_view>

namespace tavenor {

// The terminal was closed (end of input) before the user answered.
struct NoLuAnswer : std::runtime_error {
    NoLuAnswer()
        : std::runtime_error("no answer to the lu question: the terminal was closed")
    {
    }
};

// The lu question as text on a terminal: the title and message (converted to UTF-8), the
// character with its input line and its place in it, then a prompt that takes y/yes or n/no,
// takes the built-in reading on Return, and asks again for anything else. True for lu. Throws
// NoLuAnswer at the end of the terminal's input.
bool AskLuOnTerminal(Terminal& terminal, std::string_view title, std::string_view message,
                     std::size_t line, const LuOccurrence& lu);

} // namespace tavenor
