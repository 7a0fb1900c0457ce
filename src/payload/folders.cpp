#include "payload/folders.h"
#include "foundation/paths.h"
#include "foundation/text.h"
#include <shlobj.h>

// The path in a PathBufferSize buffer, ending in a backslash, and the offset
// at which the first folder that may need creating begins: behind "X:\", or
// behind the server name of a network path, so that the share comes first.
// False for a path of neither form or one that does not fit.
static bool PrepareFolderPath(char* buffer, const char* path, DWORD* walkStart)
{
    if (static_cast<DWORD>(lstrlenA(path)) >= PathBufferSize)
        return false;
    lstrcpynA(buffer, path, PathBufferSize);
    // Joining nothing ends the path in exactly one backslash.
    if (!JoinPathPart(buffer, PathBufferSize, ""))
        return false;
    if (buffer[0] == '\\' && buffer[1] == '\\') {
        const char* serverEnd = FindChar(buffer + 2, '\\');
        if (!serverEnd)
            return false;
        *walkStart = serverEnd + 1 - buffer;
        return true;
    }
    if (IsCharAlphaA(buffer[0]) && buffer[1] == ':' && buffer[2] == '\\') {
        *walkStart = 3;
        return true;
    }
    return false;
}

// Creates each folder along the prepared path from walkStart on; a folder
// that is there already counts as made. Answers false at the first folder
// that cannot be made. firstCreated receives the length of the first folder
// this call created, 0 when it created none.
static bool CreateFoldersAlong(char* buffer, DWORD walkStart, DWORD* firstCreated)
{
    *firstCreated = 0;
    const char* end;
    for (DWORD at = walkStart; (end = FindChar(buffer + at, '\\')) != nullptr;
         at = end + 1 - buffer) {
        char* cut = buffer + (end - buffer);
        *cut = 0;
        bool created = CreateDirectoryA(buffer, nullptr) != FALSE;
        bool present = created || GetLastError() == ERROR_ALREADY_EXISTS;
        *cut = '\\';
        if (!present)
            return false;
        if (created && *firstCreated == 0)
            *firstCreated = cut - buffer;
    }
    return true;
}

// Removes the folders of the prepared path from the deepest up to the one
// of length firstCreated. Every folder below a created one was created too;
// those a failed walk never reached simply fail to go.
static void RemoveCreatedFolders(char* buffer, DWORD firstCreated)
{
    DWORD length = lstrlenA(buffer) - 1;
    buffer[length] = 0;
    for (;;) {
        RemoveDirectoryA(buffer);
        if (length <= firstCreated)
            break;
        length = FindLastChar(buffer, '\\') - buffer;
        buffer[length] = 0;
    }
}

// Creates "test.tmp" as a new file in the prepared folder and deletes it
// again; a file of that name that was there already is not ours to delete.
static bool CanCreateTestFile(const char* folder)
{
    char file[PathBufferSize];
    lstrcpynA(file, folder, PathBufferSize);
    if (!JoinPathPart(file, PathBufferSize, "test.tmp"))
        return false;
    HANDLE handle = CreateFileA(file, GENERIC_READ, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(handle);
    DeleteFileA(file);
    return true;
}

bool CreateFolderPath(const char* path)
{
    char buffer[PathBufferSize];
    DWORD walkStart;
    DWORD firstCreated;
    return PrepareFolderPath(buffer, path, &walkStart)
        && CreateFoldersAlong(buffer, walkStart, &firstCreated);
}

bool TestFolderWritable(const char* path)
{
    char buffer[PathBufferSize];
    DWORD walkStart;
    if (!PrepareFolderPath(buffer, path, &walkStart))
        return false;
    DWORD firstCreated;
    bool writable = CreateFoldersAlong(buffer, walkStart, &firstCreated)
        && CanCreateTestFile(buffer);
    if (firstCreated)
        RemoveCreatedFolders(buffer, firstCreated);
    return writable;
}

bool BrowseForFolder(char* path, HWND owner)
{
    BROWSEINFOA browse = {};
    browse.hwndOwner = owner;
    browse.pszDisplayName = path;
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST chosen = SHBrowseForFolderA(&browse);
    if (!chosen)
        return false;
    SHGetPathFromIDListA(chosen, path);
    CoTaskMemFree(chosen);
    return true;
}
