#include "plugin/BrokenMessage.h"

#include <windows.h>

// A plain box with no owner: the host's window may be busy or not exist yet.
void showBrokenMessage() { MessageBoxW(nullptr, L"BROKEN", L"Vantorel", MB_OK | MB_ICONERROR | MB_TASKMODAL); }
