#include "install/file_removal.h"
#include "foundation/paths.h"
#include "foundation/text.h"
#include "install/installed_program.h"
#include "install/product_family.h"
#include "install/scheduled_deletion.h"

static void DeleteInstalledFile(const SetupContext* context, DWORD i, const char* name)
{
    // An empty name would name the folder; a path that did not fit, the bare
    // folder: neither is a file of ours.
    const char* path = name[0] ? InstalledFilePath(context, i, name) : nullptr;
    if (path)
        DeleteFileA(path);
}

// Removes the folder, then each parent it leaves empty, and stops at the
// first folder that cannot be removed. Only paths that still hold a
// backslash are tried: cut back to "C:", a path would name that drive's
// current folder rather than a parent.
static void RemoveFolderUpward(const char* installFolder)
{
    if (static_cast<DWORD>(lstrlenA(installFolder)) >= PathBufferSize)
        return;
    char folder[PathBufferSize];
    lstrcpynA(folder, installFolder, PathBufferSize);
    DWORD length = lstrlenA(folder);
    if (length > 0 && folder[length - 1] == '\\')
        folder[length - 1] = 0;
    for (;;) {
        char* cut = const_cast<char*>(FindLastChar(folder, '\\'));
        if (!cut || !RemoveDirectoryA(folder))
            return;
        *cut = 0;
    }
}

static void RemoveItemFiles(const SetupContext* context, DWORD i)
{
    const ProductItem& item = context->items[i];
    // Without a folder the names would be taken in the current folder, where
    // nothing of this install lies.
    if (!item.installFolder || !item.installFolder[0])
        return;
    const char* names[] = {item.exeName, item.helpFileName, item.helpContentsName, item.helpIndexName};
    for (const char* name : names)
        DeleteInstalledFile(context, i, name);
    if (lstrcmpiA(item.settingsKey, "News") == 0)
        DeleteMatchingFiles(item.installFolder, "*.servercache");
    if (lstrcmpiA(item.settingsKey, "Web") == 0)
        DeleteInstalledFile(context, i, "Start.ZintaraSearch");
    RemoveFolderUpward(item.installFolder);
}

// The family's temporary files and its shell-extension library; answers true
// when the library got a wininit.ini entry.
static bool RemoveFamilyFiles(const SetupContext* context)
{
    char folder[PathBufferSize];
    if (GetSetupTempFolder(folder, PathBufferSize)) {
        DeleteMatchingFiles(folder, "*.*");
        RemoveDirectoryA(folder);
    }
    DWORD length = GetTempPathA(PathBufferSize, folder);
    if (length > 0 && length < PathBufferSize)
        DeleteMatchingFiles(folder, "*.zja");
    const char* library = context->extensionDllPath;
    // A library that is not there needs no deletion later: an entry for it
    // would only delete whatever library the family puts there next.
    if (DeleteFileA(library) || GetFileAttributesA(library) == INVALID_FILE_ATTRIBUTES)
        return false;
    return ScheduleDeletion(library, LibraryWininitKey);
}

void RemoveFiles(const SetupContext* context)
{
    bool familyDone = false;
    bool wininitWritten = false;
    for (DWORD i = 0; i < context->itemCount; i++) {
        if (!context->selected[i])
            continue;
        RemoveItemFiles(context, i);
        if (!familyDone && !FamilyRegistered(context)) {
            familyDone = true;
            wininitWritten = RemoveFamilyFiles(context) || wininitWritten;
        }
        char key[WininitKeySize];
        FormatUninstallerWininitKey(i, key);
        wininitWritten = ScheduleDeletion(context->items[i].uninstallerPath, key) || wininitWritten;
    }
    if (wininitWritten)
        FinishWininitEntries();
}
