#include "payload/payload_extractor.h"
#include "foundation/memory.h"
#include "foundation/paths.h"
#include "foundation/text.h"
#include <lzexpand.h>

const DWORD HeaderSize = 14;
const char Magic[] = "SZDD\x88\xF0\x27\x33";
const DWORD MagicSize = sizeof Magic - 1;
const char CompressionMode = 'A';
const DWORD LengthOffset = 10;
const INT ReadSize = 1024;

// The expanded length that the SZDD header at the start of source promises;
// false when source cannot be read or does not begin with such a header.
static bool ReadExpandedLength(const char* source, DWORD* length)
{
    HANDLE file = CreateFileA(source, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    BYTE header[HeaderSize];
    DWORD read = 0;
    bool found = ReadFile(file, header, HeaderSize, &read, nullptr) && read == HeaderSize &&
                 CompareCounted(reinterpret_cast<const char*>(header), Magic, MagicSize) == 0 &&
                 header[MagicSize] == CompressionMode;
    CloseHandle(file);
    if (found) {
        const BYTE* field = header + LengthOffset;
        *length = field[0] | field[1] << 8 | field[2] << 16 | static_cast<DWORD>(field[3]) << 24;
    }
    return found;
}

// LZOpenFileA keeps the path in its record's field of OFS_MAXPATHNAME bytes
// and takes no longer one, so a longer path is given in its short form, and
// a path whose short form is still too long cannot be expanded.
static bool PathForExpansion(const char* path, char* fitted)
{
    char shortPath[PathBufferSize];
    if (lstrlenA(path) < OFS_MAXPATHNAME) {
        lstrcpynA(fitted, path, OFS_MAXPATHNAME);
        return true;
    }
    DWORD length = ShortPathOf(path, shortPath);
    if (length == 0 || length >= OFS_MAXPATHNAME)
        return false;
    lstrcpynA(fitted, shortPath, OFS_MAXPATHNAME);
    return true;
}

// Streams the expanded bytes into target through one buffer; a read shorter
// than the buffer (none at all included) is the end. True when every read
// and write succeeded and they came to exactly expectedLength bytes.
static bool CopyExpanded(INT source, HANDLE target, DWORD expectedLength)
{
    char buffer[ReadSize];
    DWORD total = 0;
    INT count;
    do {
        count = LZRead(source, buffer, ReadSize);
        if (count < 0)
            return false;
        DWORD written = 0;
        if (!WriteFile(target, buffer, count, &written, nullptr) ||
            written != static_cast<DWORD>(count))
            return false;
        total += count;
    } while (count == ReadSize);
    return total == expectedLength;
}

bool PayloadExtractor::ExpandCompressedFile(const char* source, const char* target)
{
    DWORD expectedLength = 0;
    char lzPath[OFS_MAXPATHNAME];
    if (!ReadExpandedLength(source, &expectedLength) || !PathForExpansion(source, lzPath))
        return false;
    OFSTRUCT record;
    FillBytes(&record, 0, sizeof record);
    record.cBytes = sizeof record;
    INT expander = LZOpenFileA(lzPath, &record, OF_READ);
    if (expander < 0)
        return false;

    bool expanded = false;
    HANDLE file = CreateFileA(target, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        expanded = CopyExpanded(expander, file, expectedLength);
        CloseHandle(file);
        if (!expanded)
            DeleteFileA(target);
    }
    LZClose(expander);
    // The last-error code says nothing here: a successful CREATE_ALWAYS over
    // an existing file leaves ERROR_ALREADY_EXISTS behind, and the sidebar
    // picture is always expanded over the empty file that reserved its name.
    return expanded;
}

// Reserves a fresh name in the temporary folder (the system creates an empty
// file under it); path is a PathBufferSize buffer.
static bool ReserveTemporaryFile(char* path)
{
    char folder[PathBufferSize];
    DWORD length = GetTempPathA(PathBufferSize, folder);
    return length != 0 && length < PathBufferSize && GetTempFileNameA(folder, "ZJ", 0, path) != 0;
}

// Replaces the content of path with size bytes in one write.
static bool WriteWholeFile(const char* path, const void* bytes, DWORD size)
{
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool complete = WriteFile(file, bytes, size, &written, nullptr) && written == size;
    CloseHandle(file);
    return complete;
}

bool PayloadExtractor::ExtractPayload(WORD id, const char* target)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), "CUSTOM");
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    if (loaded == nullptr)
        return false;

    bool extracted = false;
    const void* bytes = LockResource(loaded);
    char temporary[PathBufferSize];
    if (bytes != nullptr && ReserveTemporaryFile(temporary)) {
        // LZ32 reads files only, so the payload goes to disk first.
        if (WriteWholeFile(temporary, bytes, SizeofResource(nullptr, found)))
            extracted = ExpandCompressedFile(temporary, target);
        // Also when the reserved file could not be opened for the write.
        DeleteFileA(temporary);
    }
    FreeResource(loaded);
    return extracted;
}
