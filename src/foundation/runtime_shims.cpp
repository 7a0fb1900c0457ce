// The few runtime entry points that compiled C++ may call on its own, for
// setup.exe alone, which links no C runtime: the compiler can emit calls to
// memcpy, memset and memmove for block copies and clears, and new and delete
// belong on the process heap like every other block of the program.
#include "foundation/memory.h"
#include <stddef.h>

extern "C" void* memcpy(void* destination, const void* source, size_t count)
{
    return CopyBytes(destination, source, count);
}

extern "C" void* memmove(void* destination, const void* source, size_t count)
{
    return MoveBytes(destination, source, count);
}

extern "C" void* memset(void* destination, int value, size_t count)
{
    return FillBytes(destination, value, count);
}

void* operator new(size_t size)
{
    return MemAlloc(size);
}

void operator delete(void* block) noexcept
{
    MemFree(block);
}

void operator delete(void* block, size_t) noexcept
{
    MemFree(block);
}
