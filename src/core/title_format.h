#pragma once

// FormatPlaceholders with the current context's title as argument 1 (""
// without a context or a title); the caller releases the text with MemFree.
char* FormatWithTitle(const char* pattern, const char* argument2 = nullptr,
                      const char* argument3 = nullptr, const char* argument4 = nullptr);
