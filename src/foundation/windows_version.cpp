#include "foundation/windows_version.h"
#include "foundation/memory.h"
#include <windows.h>

static OSVERSIONINFOA QueryVersion()
{
    OSVERSIONINFOA info;
    FillBytes(&info, 0, sizeof info);
    info.dwOSVersionInfoSize = sizeof info;
    GetVersionExA(&info);
    return info;
}

bool IsWin9xPlatform()
{
    return QueryVersion().dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

bool IsVersion5OrLater()
{
    return QueryVersion().dwMajorVersion >= 5;
}
