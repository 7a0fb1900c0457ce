#include "foundation/memory.h"

void* MemAlloc(DWORD size)
{
    return HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size);
}

void MemFree(void* block)
{
    if (block)
        HeapFree(GetProcessHeap(), 0, block);
}

void* FillBytes(void* destination, int value, DWORD count)
{
    BYTE* out = static_cast<BYTE*>(destination);
    while (count--)
        *out++ = static_cast<BYTE>(value);
    return destination;
}

void* CopyBytes(void* destination, const void* source, DWORD count)
{
    BYTE* out = static_cast<BYTE*>(destination);
    const BYTE* in = static_cast<const BYTE*>(source);
    while (count--)
        *out++ = *in++;
    return destination;
}

void* MoveBytes(void* destination, const void* source, DWORD count)
{
    BYTE* out = static_cast<BYTE*>(destination);
    const BYTE* in = static_cast<const BYTE*>(source);
    if (count == 0 || out == in)
        return destination;
    if (in > out)
        return CopyBytes(destination, source, count);
    while (count--)
        out[count] = in[count];
    return destination;
}
