#include "cli/windows_console.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace tavenor {

namespace {

// How many bytes of text form whole UTF-8 characters: a lead byte near the end whose character
// is not complete yet is left for later.
std::size_t wholeCharacters(const std::string& text)
{
    for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
        const auto byte = static_cast<unsigned char>(text[text.size() - back]);
        if (byte < 0x80)
            return text.size();
        if (byte >= 0xC0) {
            const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
            return length > back ? text.size() - back : text.size();
        }
    }
    return text.size();
}

std::wstring toUtf16(const char* bytes, std::size_t count)
{
    if (count == 0)
        return {};
    const int size = static_cast<int>(count);
    const int units = MultiByteToWideChar(CP_UTF8, 0, bytes, size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes, size, text.data(), units);
    return text;
}

std::string toUtf8(const wchar_t* units, std::size_t count)
{
    if (count == 0)
        return {};
    const int size = static_cast<int>(count);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, units, size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, units, size, text.data(), bytes, nullptr, nullptr);
    return text;
}

// Output waits until this much is pending, so that the console is written in few calls.
constexpr std::size_t kFlushSize = 16 * 1024;

} // namespace

bool IsConsole(void* handle)
{
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

ConsoleOutputBuffer::ConsoleOutputBuffer(void* console)
    : m_console(console)
{
}

ConsoleOutputBuffer::~ConsoleOutputBuffer() { sync(); }

ConsoleOutputBuffer::int_type ConsoleOutputBuffer::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return sync() == 0 ? traits_type::not_eof(c) : traits_type::eof();
    const char byte = traits_type::to_char_type(c);
    return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
}

std::streamsize ConsoleOutputBuffer::xsputn(const char* bytes, std::streamsize count)
{
    m_pending.append(bytes, static_cast<std::size_t>(count));
    if (m_pending.size() >= kFlushSize && sync() != 0)
        return 0;
    return count;
}

int ConsoleOutputBuffer::sync()
{
    const std::size_t whole = wholeCharacters(m_pending);
    const std::wstring text = toUtf16(m_pending.data(), whole);
    m_pending.erase(0, whole);
    std::size_t written = 0;
    while (written < text.size()) {
        DWORD now = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - written, 8192));
        if (!WriteConsoleW(m_console, text.data() + written, chunk, &now, nullptr) || now == 0)
            return -1;
        written += now;
    }
    return 0;
}

ConsoleInputBuffer::ConsoleInputBuffer(void* console)
    : m_console(console)
{
}

ConsoleInputBuffer::int_type ConsoleInputBuffer::underflow()
{
    if (gptr() < egptr())
        return traits_type::to_int_type(*gptr());
    std::vector<wchar_t> units(4096);
    std::wstring line;
    // One read returns one typed line, up to its CR LF, or what fits; a surrogate pair cut by
    // the buffer's end waits for its second half.
    do {
        DWORD read = 0;
        if (m_ended
            || !ReadConsoleW(m_console, units.data(), static_cast<DWORD>(units.size()), &read,
                             nullptr)
            || read == 0)
            break;
        line.append(units.data(), read);
    } while (IS_HIGH_SURROGATE(line.back()));
    if (line.empty() || line.front() == L'\x1A') {
        m_ended = true;
        return traits_type::eof();
    }
    if (line.size() >= 2 && line.ends_with(L"\r\n"))
        line.erase(line.size() - 2, 1);
    m_line = toUtf8(line.data(), line.size());
    setg(m_line.data(), m_line.data(), m_line.data() + m_line.size());
    return traits_type::to_int_type(*gptr());
}

} // namespace tavenor
