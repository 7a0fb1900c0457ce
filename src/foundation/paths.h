#pragma once
#include <windows.h>

// Paths live in buffers of this many bytes, terminator included.
const DWORD PathBufferSize = MAX_PATH;

// Joins part onto the path in a buffer of size bytes: one backslash between
// them unless the path already ends in one (none when the path is empty).
// A join that would not fit leaves the path unchanged and answers false.
bool JoinPathPart(char* path, DWORD size, const char* part);

// JoinPathPart on a PathBufferSize buffer; answers the buffer for nesting.
char* AppendPathPart(char* path, const char* part);

// The setup's own temporary folder (the temporary folder joined with
// "quenbrook", no trailing backslash). Neither created nor tested here.
bool GetSetupTempFolder(char* buffer, DWORD size);

// Deletes every file in folder that matches pattern; reports nothing.
void DeleteMatchingFiles(const char* folder, const char* pattern);

// The short (8.3) form of an existing path in a PathBufferSize buffer;
// answers its length, or 0 when there is none or it does not fit.
DWORD ShortPathOf(const char* path, char* buffer);
