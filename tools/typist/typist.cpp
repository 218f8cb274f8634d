// Types text into the focused window as Unicode keystrokes, one character at a time, the way an
// on-screen keyboard or an input method sends it: the Windows picture's typist under Wine, where
// characters typed on the virtual display's keyboard arrive wrong.
//
//     tavenor-typist.exe TEXT MILLISECONDS_BETWEEN_KEYS
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3)
        return 2;
    const DWORD pause = std::wcstoul(argv[2], nullptr, 10);
    for (const wchar_t* unit = argv[1]; *unit != L'\0'; ++unit) {
        INPUT keys[2] = {};
        for (INPUT& key : keys) {
            key.type = INPUT_KEYBOARD;
            key.ki.wScan = static_cast<WORD>(*unit);
            key.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        keys[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        if (SendInput(2, keys, sizeof(INPUT)) != 2)
            return 1;
        Sleep(pause);
    }
    return 0;
}
