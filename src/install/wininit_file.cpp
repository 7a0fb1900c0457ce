#include "install/wininit_file.h"
#include "foundation/paths.h"

HANDLE OpenWininitFile()
{
    char path[PathBufferSize] = "";
    DWORD length = GetWindowsDirectoryA(path, PathBufferSize);
    if (length == 0 || length >= PathBufferSize || !JoinPathPart(path, PathBufferSize, "wininit.ini"))
        return INVALID_HANDLE_VALUE;
    return CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}
