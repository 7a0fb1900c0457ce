#include "foundation/text.h"
#include "foundation/memory.h"

bool IsSpaceChar(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsDigitChar(char c)
{
    return c >= '0' && c <= '9';
}

bool IsHexDigitChar(char c)
{
    return IsDigitChar(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// CharUpperA's single-character form: the character travels in the low word
// of the pointer argument, so it must be zero-extended, never sign-extended.
static char UpperChar(char c)
{
    ULONG_PTR upper = reinterpret_cast<ULONG_PTR>(
        CharUpperA(reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(static_cast<BYTE>(c)))));
    return static_cast<char>(upper);
}

static int CompareBytes(const char* a, const char* b, DWORD count, bool ignoreCase)
{
    for (DWORD i = 0; i < count; i++) {
        bool same = ignoreCase ? UpperChar(a[i]) == UpperChar(b[i]) : a[i] == b[i];
        if (!same)
            return static_cast<signed char>(a[i]) - static_cast<signed char>(b[i]);
    }
    return 0;
}

int CompareCounted(const char* a, const char* b, DWORD count)
{
    return CompareBytes(a, b, count, false);
}

int CompareCountedNoCase(const char* a, const char* b, DWORD count)
{
    return CompareBytes(a, b, count, true);
}

int CompareForSort(const char* a, const char* b)
{
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a, -1, b, -1) - 2;
}

char* DuplicateString(const char* text)
{
    DWORD size = lstrlenA(text) + 1;
    return static_cast<char*>(CopyBytes(MemAlloc(size), text, size));
}

bool AppendText(char* buffer, DWORD size, const char* text)
{
    DWORD length = lstrlenA(buffer);
    DWORD added = lstrlenA(text);
    if (length + added + 1 > size)
        return false;
    CopyBytes(buffer + length, text, added + 1);
    return true;
}

const char* FindChar(const char* text, char c)
{
    for (; *text; text++) {
        if (*text == c)
            return text;
    }
    return nullptr;
}

const char* FindLastChar(const char* text, char c)
{
    const char* last = nullptr;
    for (; *text; text++) {
        if (*text == c)
            last = text;
    }
    return last;
}

const char* FindText(const char* text, const char* sought)
{
    DWORD length = lstrlenA(sought);
    for (; *text; text++) {
        if (CompareCounted(text, sought, length) == 0)
            return text;
    }
    return length == 0 ? text : nullptr;
}

DWORD SpanWithout(const char* text, const char* stopChars)
{
    DWORD length = 0;
    while (text[length] && !FindChar(stopChars, text[length]))
        length++;
    return length;
}

int DecimalToInt(const char* text)
{
    bool negative = *text == '-';
    if (negative)
        text++;
    // Unsigned arithmetic wraps like the platform's conversion instead of
    // overflowing.
    unsigned value = 0;
    for (; IsDigitChar(*text); text++)
        value = value * 10 + (*text - '0');
    return static_cast<int>(negative ? 0u - value : value);
}
