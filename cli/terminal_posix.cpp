#include "cli/terminal.h"

#include <fstream>

namespace tavenor {
namespace {

// Standard input and output may be files or pipes, so questions use /dev/tty itself. Reading and
// writing go through separate streams: one file buffer cannot switch direction on a terminal.
class ControllingTerminal final : public Terminal {
public:
    ControllingTerminal()
        : m_answers("/dev/tty")
        , m_questions("/dev/tty")
    {
    }

    bool isOpen() const { return m_answers.is_open() && m_questions.is_open(); }
    std::ostream& questions() override { return m_questions; }
    std::istream& answers() override { return m_answers; }

private:
    std::ifstream m_answers;
    std::ofstream m_questions;
};

} // namespace

std::unique_ptr<Terminal> OpenControllingTerminal()
{
    auto terminal = std::make_unique<ControllingTerminal>();
    if (!terminal->isOpen())
        return nullptr;
    return terminal;
}

} // namespace tavenor
