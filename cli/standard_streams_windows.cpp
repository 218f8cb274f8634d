#include "cli/standard_streams.h"

#include "cli/windows_console.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <iostream>

namespace tavenor {

namespace {

// The buffers live as long as the process: the streams flush through them at its very end.
void attachConsole(std::ios& stream, DWORD standardHandle, bool input)
{
    HANDLE handle = GetStdHandle(standardHandle);
    if (!IsConsole(handle))
        return;
    if (input)
        stream.rdbuf(new ConsoleInputBuffer(handle));
    else
        stream.rdbuf(new ConsoleOutputBuffer(handle));
}

} // namespace

void PrepareStandardStreams()
{
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    attachConsole(std::cin, STD_INPUT_HANDLE, true);
    attachConsole(std::cout, STD_OUTPUT_HANDLE, false);
    attachConsole(std::cerr, STD_ERROR_HANDLE, false);
}

} // namespace tavenor
