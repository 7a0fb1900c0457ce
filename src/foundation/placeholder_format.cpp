#include "foundation/placeholder_format.h"
#include "foundation/memory.h"
#include "foundation/text.h"

const int ArgumentCount = 4;

// The walk that both passes share: answers the length of the formatted text
// without its terminator, and writes it to output unless output is null.
static DWORD ExpandPattern(const char* pattern, const char* const* arguments, char* output)
{
    DWORD length = 0;
    const char* p = pattern;
    while (*p) {
        const char* piece = p;
        DWORD pieceLength = 1;
        if (*p == '%' && p[1] != 0) {
            if (IsDigitChar(p[1])) {
                int index = p[1] - '1';
                piece = (index >= 0 && index < ArgumentCount) ? arguments[index] : nullptr;
                pieceLength = piece ? lstrlenA(piece) : 0;
            } else {
                piece = p + 1;
            }
            p += 2;
        } else {
            // An ordinary character, or a "%" that ends the template: copied,
            // and the terminator behind it is never passed.
            p++;
        }
        if (output)
            CopyBytes(output + length, piece, pieceLength);
        length += pieceLength;
    }
    return length;
}

char* FormatPlaceholders(const char* pattern, const char* argument1, const char* argument2,
                         const char* argument3, const char* argument4)
{
    const char* arguments[ArgumentCount] = {argument1, argument2, argument3, argument4};
    DWORD length = ExpandPattern(pattern, arguments, nullptr);
    char* text = static_cast<char*>(MemAlloc(length + 1));
    ExpandPattern(pattern, arguments, text);
    text[length] = 0;
    return text;
}

void FormatPlaceholdersInto(char* destination, DWORD size, const char* pattern,
                            const char* argument1, const char* argument2, const char* argument3,
                            const char* argument4)
{
    if (size == 0)
        return;
    char* text = FormatPlaceholders(pattern, argument1, argument2, argument3, argument4);
    lstrcpynA(destination, text, size);
    MemFree(text);
}
