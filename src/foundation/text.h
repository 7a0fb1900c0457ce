#pragma once
#include <windows.h>

// Characters are signed 8-bit values: bytes 0x80 to 0xFF belong to no class
// and compare below every ASCII character.
bool IsSpaceChar(char c);
bool IsDigitChar(char c);
bool IsHexDigitChar(char c);

// Compare the first count bytes (a terminator is an ordinary byte, so keep
// count at most one past the shorter text). 0 when they agree; otherwise
// a[i] - b[i] of the stored bytes at the first difference, as signed values.
int CompareCounted(const char* a, const char* b, DWORD count);
// The same, but positions agree when their upper-cased forms do.
int CompareCountedNoCase(const char* a, const char* b, DWORD count);

// The user's case-insensitive collation: -1, 0 or +1; -2 when it fails.
int CompareForSort(const char* a, const char* b);

// A heap copy of text, released by the caller with MemFree.
char* DuplicateString(const char* text);
