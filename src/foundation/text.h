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

// Appends text to the text in a buffer of size bytes when all of it fits with
// the terminator; otherwise leaves the buffer unchanged and answers false, so
// that a cut text never goes on.
bool AppendText(char* buffer, DWORD size, const char* text);

// Text searches, case counted. Each answers null (or 0) when nothing is found.
const char* FindChar(const char* text, char c);
const char* FindLastChar(const char* text, char c);
const char* FindText(const char* text, const char* sought);
// Length of the leading run of text without any of the stop characters.
DWORD SpanWithout(const char* text, const char* stopChars);
// An optional minus sign and the leading decimal digits; 0 when there are none.
int DecimalToInt(const char* text);
