#pragma once
// The system's shell: opening a document or link with the program registered for it. Here
// the host UI driver decides what opening means (a browser, a command, a printed line).

#include "platform/win/WinTypes.h"

#include <cstdint>

// Opens `file` (here: a link) with the registered program. The window, verb, parameters,
// directory and show mode are accepted as the system takes them. Like the system's call,
// it answers a value greater than 32 when the file was handed over.
std::intptr_t ShellExecuteW(HWND window, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                            const wchar_t* directory, int showMode);
