#pragma once
// A fixed buffer as the callers have it, poisoned with 0xFF, with guard bytes
// behind it: a write past its end shows.
#include "foundation/memory.h"
#include <windows.h>
#include <string>

template <DWORD Size>
struct GuardedBuffer {
    char text[Size];
    unsigned char guard[16];

    GuardedBuffer()
    {
        FillBytes(text, 0xFF, sizeof text);
        FillBytes(guard, 0xBD, sizeof guard);
    }
    // Starts with start in it, cut to the buffer.
    explicit GuardedBuffer(const std::string& start) : GuardedBuffer()
    {
        lstrcpynA(text, start.c_str(), Size);
    }
    bool GuardIntact() const
    {
        for (unsigned char g : guard) {
            if (g != 0xBD)
                return false;
        }
        return true;
    }
};
