#include "install/taskbar.h"
#include <windows.h>

// The taskbar's own menu command for a changed Find menu: identifier 0xA065,
// notification code 1 in the high word.
static const WPARAM FindMenuChangedCommand = MAKEWPARAM(0xA065, 1);

void NotifyTaskbar()
{
    HWND taskbar = FindWindowExA(nullptr, nullptr, "Shell_TrayWnd", nullptr);
    if (taskbar)
        SendMessageA(taskbar, WM_COMMAND, FindMenuChangedCommand, 0);
}
