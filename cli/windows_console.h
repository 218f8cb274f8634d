#pragma once

#include <streambuf>
#include <string>

namespace tavenor {

// A Windows console, written and read as UTF-8 through the console's wide-character API: the
// console's code page (often 936 or 437) never touches the text. Windows only.

// Whether handle (a HANDLE) is a console.
bool IsConsole(void* handle);

// UTF-8 out, as UTF-16 to WriteConsoleW. A character whose bytes are split between two writes
// waits for the rest.
class ConsoleOutputBuffer final : public std::streambuf {
public:
    explicit ConsoleOutputBuffer(void* console);
    ~ConsoleOutputBuffer() override;

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* bytes, std::streamsize count) override;
    int sync() override;

private:
    void* m_console;
    std::string m_pending;
};

// UTF-16 from ReadConsoleW, as UTF-8 in. Ctrl+Z at the start of a line ends the input, as the
// console's convention has it; CR LF comes in as LF.
class ConsoleInputBuffer final : public std::streambuf {
public:
    explicit ConsoleInputBuffer(void* console);

protected:
    int_type underflow() override;

private:
    void* m_console;
    std::string m_line;
    bool m_ended = false;
};

} // namespace tavenor
