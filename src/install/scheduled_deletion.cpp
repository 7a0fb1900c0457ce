#include "install/scheduled_deletion.h"
#include "foundation/memory.h"
#include "foundation/paths.h"
#include "foundation/text.h"
#include "foundation/windows_version.h"
#include "install/wininit_file.h"

static const char WininitName[] = "wininit.ini";

void FormatUninstallerWininitKey(DWORD i, char* key)
{
    wsprintfA(key, "ZJ%x", i + 2);
}

bool ScheduleDeletion(const char* path, const char* wininitKey)
{
    if (!IsWin9xPlatform()) {
        MoveFileExA(path, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
        return false;
    }
    char shortPath[PathBufferSize];
    if (!ShortPathOf(path, shortPath))
        return false;
    return WritePrivateProfileStringA("Rename", wininitKey, shortPath, WininitName) != FALSE;
}

void FinishWininitEntries()
{
    // The profile functions keep the file in a cache; the patch reads the
    // disk, so the cache goes there first.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, WininitName);
    PatchWininitKeys();
}

// Turns the keys in the size bytes of text, which need not hold a
// terminator; answers true when one was turned.
static bool TurnKeysIntoNul(char* text, DWORD size)
{
    bool changed = false;
    DWORD pos = 0;
    // Three bytes are needed for a key, so pos + 2 stays inside the text.
    while (pos + 2 < size) {
        while (pos + 2 < size && IsSpaceChar(text[pos]))
            pos++;
        if (pos + 2 < size && CompareCounted(text + pos, "ZJ", 2) == 0
            && IsHexDigitChar(text[pos + 2])) {
            CopyBytes(text + pos, "NUL", 3);
            changed = true;
        }
        while (pos < size && text[pos] != '\r' && text[pos] != '\n')
            pos++;
    }
    return changed;
}

void PatchWininitKeys()
{
    // A missing file has no key to patch.
    HANDLE file = OpenWininitFile();
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD size = GetFileSize(file, nullptr);
    char* text = size != INVALID_FILE_SIZE && size > 2 ? static_cast<char*>(MemAlloc(size)) : nullptr;
    DWORD done = 0;
    if (text && ReadFile(file, text, size, &done, nullptr) && done == size
        && TurnKeysIntoNul(text, size)
        && SetFilePointer(file, 0, nullptr, FILE_BEGIN) == 0)
        WriteFile(file, text, size, &done, nullptr);
    MemFree(text);
    CloseHandle(file);
}
