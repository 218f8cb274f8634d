#include "cli/terminal.h"

#include "cli/windows_console.h"

#include <windows.h>

#include <istream>
#include <ostream>

namespace tavenor {
namespace {

// Standard input and output may be files or pipes, so questions use the console itself, through
// its wide-character API.
class ControllingTerminal final : public Terminal {
public:
    ControllingTerminal()
        : m_input(CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                              nullptr))
        , m_output(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                               nullptr))
        , m_answerBuffer(m_input)
        , m_questionBuffer(m_output)
        , m_answers(&m_answerBuffer)
        , m_questions(&m_questionBuffer)
    {
    }

    ~ControllingTerminal() override
    {
        m_questions.flush();
        for (HANDLE handle : {m_input, m_output}) {
            if (handle != INVALID_HANDLE_VALUE)
                CloseHandle(handle);
        }
    }

    bool isOpen() const { return IsConsole(m_input) && IsConsole(m_output); }
    std::ostream& questions() override { return m_questions; }
    std::istream& answers() override { return m_answers; }

private:
    HANDLE m_input;
    HANDLE m_output;
    ConsoleInputBuffer m_answerBuffer;
    ConsoleOutputBuffer m_questionBuffer;
    std::istream m_answers;
    std::ostream m_questions;
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
