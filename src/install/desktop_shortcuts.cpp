#include "install/desktop_shortcuts.h"
#include "foundation/paths.h"
#include "foundation/text.h"
#include "install/installed_program.h"
#include "install/shell_link.h"
#include <objbase.h>
#include <shlobj.h>

// The desktop folder's path in a PathBufferSize buffer; false when the shell
// cannot name it.
static bool GetDesktopFolder(HWND owner, char* folder)
{
    LPITEMIDLIST list = nullptr;
    bool found = SUCCEEDED(SHGetSpecialFolderLocation(owner, CSIDL_DESKTOP, &list)) && list
        && SHGetPathFromIDListA(list, folder) && folder[0];
    CoTaskMemFree(list);
    return found;
}

void CreateDesktopShortcuts(const SetupContext* context)
{
    for (DWORD i = 0; i < context->itemCount; i++) {
        if (!context->selected[i])
            continue;
        const ProductItem& item = context->items[i];
        char link[PathBufferSize] = "";
        if (!GetDesktopFolder(context->mainWindow, link)
            || !JoinPathPart(link, PathBufferSize, item.displayName)
            || !AppendText(link, PathBufferSize, ".LNK"))
            continue;
        const char* program = InstalledProgramPath(context, i);
        if (program)
            CreateShellLink(program, link, item.displayName);
    }
}
