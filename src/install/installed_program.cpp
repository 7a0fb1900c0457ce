#include "install/installed_program.h"

const char* InstalledFilePath(const SetupContext* context, DWORD i, const char* fileName)
{
    const char* folder = context->items[i].installFolder;
    const char* path = InstallPathOf(context, i, fileName);
    // InstallPathOf leaves the bare folder when the name does not fit behind
    // it; a joined path is always the longer one.
    return lstrlenA(path) > lstrlenA(folder ? folder : "") ? path : nullptr;
}

const char* InstalledProgramPath(const SetupContext* context, DWORD i)
{
    return InstalledFilePath(context, i, context->items[i].exeName);
}
