#include "foundation/paths.h"
#include "foundation/memory.h"

bool JoinPathPart(char* path, DWORD size, const char* part)
{
    DWORD length = lstrlenA(path);
    DWORD separator = (length > 0 && path[length - 1] != '\\') ? 1 : 0;
    DWORD partLength = lstrlenA(part);
    if (length + separator + partLength + 1 > size)
        return false;
    if (separator)
        path[length++] = '\\';
    CopyBytes(path + length, part, partLength + 1);
    return true;
}

char* AppendPathPart(char* path, const char* part)
{
    JoinPathPart(path, PathBufferSize, part);
    return path;
}

bool GetSetupTempFolder(char* buffer, DWORD size)
{
    DWORD length = GetTempPathA(size, buffer);
    // A folder that did not fit was not written at all.
    if (length == 0 || length >= size)
        return false;
    return JoinPathPart(buffer, size, "quenbrook");
}

// Folder joined with name in a fresh PathBufferSize buffer; false when the
// folder or the joined path does not fit.
static bool BuildPath(char* buffer, const char* folder, const char* name)
{
    if (static_cast<DWORD>(lstrlenA(folder)) >= PathBufferSize)
        return false;
    lstrcpynA(buffer, folder, PathBufferSize);
    return JoinPathPart(buffer, PathBufferSize, name);
}

void DeleteMatchingFiles(const char* folder, const char* pattern)
{
    char search[PathBufferSize];
    if (!BuildPath(search, folder, pattern))
        return;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA(search, &entry);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        // Folders among the matches (".", "..", subfolders) simply fail to delete.
        char file[PathBufferSize];
        if (BuildPath(file, folder, entry.cFileName))
            DeleteFileA(file);
    } while (FindNextFileA(find, &entry));
    FindClose(find);
}

DWORD ShortPathOf(const char* path, char* buffer)
{
    DWORD length = GetShortPathNameA(path, buffer, PathBufferSize);
    // A length of PathBufferSize or more is the size the buffer lacked: the
    // buffer then holds no short path.
    return length < PathBufferSize ? length : 0;
}
