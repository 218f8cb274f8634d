#pragma once

#include "cli/terminal.h"
#include "pinyin/lu_question.h"

#include <stdexcept>

namespace tavenor {

// The lu question as text on a terminal: the title and message (converted to UTF-8), then a
// prompt that takes y/yes or n/no and asks again for anything else.
class TerminalLuQuestion final : public LuQuestion {
public:
    // The terminal was closed (end of input) before the user answered.
    struct NoAnswer : std::runtime_error {
        NoAnswer()
            : std::runtime_error("no answer to the lu question: the terminal was closed")
        {
        }
    };

    explicit TerminalLuQuestion(Terminal& terminal)
        : m_terminal(terminal)
    {
    }

    // Throws NoAnswer at the end of the terminal's input.
    bool askIsLu(std::string_view title, std::string_view message, const LuOccurrence& lu) override;

private:
    Terminal& m_terminal;
};

} // namespace tavenor
