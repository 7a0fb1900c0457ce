#pragma once
#include <windows.h>

// Fills in the numbered placeholders of a template: "%1" to "%4" become
// argument 1 to 4, copied unchanged (a "%" inside an argument is not looked
// at again). "%" and a digit that selects no argument ("%0", "%5" to "%9")
// give nothing, as does a null argument. "%" before any other character
// stands for that character alone ("%%" is one "%"), and a "%" that ends the
// template stays as it is.
//
// The result is a new text in one block of exactly the right size; the
// caller releases it with MemFree.
char* FormatPlaceholders(const char* pattern, const char* argument1 = nullptr,
                         const char* argument2 = nullptr, const char* argument3 = nullptr,
                         const char* argument4 = nullptr);

// The same text in the caller's buffer of size bytes, cut to fit and always
// terminated (nothing is written when size is 0).
void FormatPlaceholdersInto(char* destination, DWORD size, const char* pattern,
                            const char* argument1 = nullptr, const char* argument2 = nullptr,
                            const char* argument3 = nullptr, const char* argument4 = nullptr);
