#include "install/pending_deletions.h"
#include "foundation/memory.h"
#include "foundation/paths.h"
#include "foundation/registry_key.h"
#include "foundation/text.h"
#include "foundation/windows_version.h"
#include "install/wininit_file.h"

// A wininit.ini line is judged by its first LineBufferSize - 1 characters:
// the key and the path, which come first, fit well within them.
static const DWORD LineBufferSize = 1024;
// "PendingFileRenameOperations" is read whole or not at all.
static const DWORD PendingOperationsSize = 16384;

static const char SessionManagerKey[] = "System\\CurrentControlSet\\Control\\Session Manager";
static const char FileRenameOperationsKey[] =
    "System\\CurrentControlSet\\Control\\Session Manager\\FileRenameOperations";
static const char PendingOperationsValue[] = "PendingFileRenameOperations";

static bool NamesFile(const char* file, const char* text, bool shortForm)
{
    // An empty path would be found in every text.
    if (!file || !file[0])
        return false;
    if (!shortForm)
        return FindText(text, file) != nullptr;
    char shortPath[PathBufferSize];
    DWORD length = ShortPathOf(file, shortPath);
    if (length == 0)
        return false;
    // Stops at the first difference, so a shorter text ends the comparison
    // at its terminator.
    return CompareCounted(text, shortPath, length) == 0;
}

bool NamesInstalledFile(const SetupContext* context, const char* text, bool shortForm)
{
    for (DWORD i = 0; i <= context->itemCount; i++) {
        const char* file = i == context->itemCount ? context->extensionDllPath
                         : context->selected[i]    ? context->items[i].uninstallerPath
                                                   : nullptr;
        if (NamesFile(file, text, shortForm))
            return true;
    }
    return false;
}

static const char* SkipSpaces(const char* text)
{
    while (IsSpaceChar(*text))
        text++;
    return text;
}

// "NUL" in any case, then "=" and the path; white space may surround both.
static bool DeletesInstalledFile(const SetupContext* context, const char* line)
{
    line = SkipSpaces(line);
    if (CompareCountedNoCase(line, "NUL", 3) != 0)
        return false;
    line = SkipSpaces(line + 3);
    if (*line != '=')
        return false;
    return NamesInstalledFile(context, SkipSpaces(line + 1), true);
}

// Reads one line from the file position, through the CR or LF that ends it,
// and adds the bytes consumed to *position. The line's first
// LineBufferSize - 1 bytes land in line, terminated; the rest of a longer
// line is consumed unkept, so that its tail is never taken for a line of its
// own. False when the end of the file or a failed read ended the line.
static bool ReadLine(HANDLE file, char* line, DWORD* position)
{
    DWORD length = 0;
    bool more = true;
    for (;;) {
        char c;
        DWORD got = 0;
        if (!ReadFile(file, &c, 1, &got, nullptr) || got != 1) {
            more = false;
            break;
        }
        ++*position;
        if (c == '\r' || c == '\n')
            break;
        if (length < LineBufferSize - 1)
            line[length++] = c;
    }
    line[length] = 0;
    return more;
}

// Overwrites the bytes from start up to end with spaces; the file position
// is end again afterwards.
static bool BlankBytes(HANDLE file, DWORD start, DWORD end)
{
    if (SetFilePointer(file, static_cast<LONG>(start), nullptr, FILE_BEGIN) != start)
        return false;
    char spaces[LineBufferSize];
    FillBytes(spaces, ' ', sizeof spaces);
    for (DWORD left = end - start; left > 0;) {
        DWORD chunk = left < sizeof spaces ? left : sizeof spaces;
        DWORD written = 0;
        if (!WriteFile(file, spaces, chunk, &written, nullptr) || written != chunk)
            return false;
        left -= chunk;
    }
    return true;
}

// Every line of the file counts, whatever its section. A matching line is
// blanked together with the CR or LF that ended it: a CR LF ending leaves a
// space and the LF, and the file keeps its length, so nothing that follows
// moves.
static void CancelWininitDeletions(const SetupContext* context)
{
    // Unshared for the whole scan: no other writer changes the file between
    // the reading of a line and its blanking.
    HANDLE file = OpenWininitFile();
    if (file == INVALID_HANDLE_VALUE)
        return;
    char line[LineBufferSize];
    DWORD position = 0;
    bool more = true;
    while (more) {
        DWORD lineStart = position;
        more = ReadLine(file, line, &position);
        if (DeletesInstalledFile(context, line) && !BlankBytes(file, lineStart, position))
            more = false;
    }
    CloseHandle(file);
}

// Values whose name holds an installed file's path. After each deletion the
// enumeration starts over, since the indexes of the rest may have moved.
static void CancelRenameOperationValues(const SetupContext* context, RegistryKey& key)
{
    if (!key.Open(MachinePath, FileRenameOperationsKey, false))
        return;
    char name[RegistryTextSize];
    DWORD index = 0;
    while (key.EnumValueName(index, name, RegistryTextSize)) {
        // A name that the ANSI code page cannot spell is enumerated with
        // stand-in characters and found by nobody under that spelling; its
        // "deletion" would succeed without effect and the enumeration would
        // meet it again forever.
        if (NamesInstalledFile(context, name, false) && key.ValueExists(name) && key.DeleteValue(name))
            index = 0;
        else
            index++;
    }
}

// The value is a list of entries of two zero-terminated strings, a source
// path and a target path (empty for a deletion, a new name for a rename),
// closed by an empty string. An entry whose source names an installed file is
// taken out whole; every other entry stays as stored, with its target. An
// entry is only judged when both its strings end inside the data: a cut entry
// at the end, and whatever follows the closing empty string, stay untouched.
static void CancelPendingRenameEntries(const SetupContext* context, RegistryKey& key)
{
    if (!key.Open(MachinePath, SessionManagerKey, false) || !key.ValueExists(PendingOperationsValue))
        return;
    // One byte more than the data may fill, for a terminator after it: no
    // string of the data, whatever it holds, is read past its end.
    char* data = static_cast<char*>(MemAlloc(PendingOperationsSize + 1));
    BYTE* bytes = reinterpret_cast<BYTE*>(data);
    DWORD size = PendingOperationsSize;
    if (data && key.ReadMultiString(PendingOperationsValue, bytes, &size)) {
        bool changed = false;
        data[size] = 0;
        DWORD source = 0;
        while (source < size && data[source] != 0) {
            DWORD target = source + lstrlenA(data + source) + 1;
            if (target >= size)
                break;
            DWORD next = target + lstrlenA(data + target) + 1;
            if (next > size)
                break;
            if (NamesInstalledFile(context, data + source, false)) {
                MoveBytes(data + source, data + next, size - next);
                size -= next - source;
                data[size] = 0;
                changed = true;
            } else {
                source = next;
            }
        }
        // A value without a match is left as it is, not rewritten.
        if (changed)
            key.WriteMultiString(PendingOperationsValue, bytes, size);
    }
    MemFree(data);
}

void CancelPendingDeletions(const SetupContext* context)
{
    if (IsWin9xPlatform()) {
        CancelWininitDeletions(context);
        return;
    }
    RegistryKey key(context->items[0].settingsKey);
    CancelRenameOperationValues(context, key);
    CancelPendingRenameEntries(context, key);
}
