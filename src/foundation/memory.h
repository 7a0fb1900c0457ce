#pragma once
#include <windows.h>

// Every dynamic block of the program comes from the process heap, zero-filled.
// The asker owns the block and gives it back with MemFree.
void* MemAlloc(DWORD size);
void MemFree(void* block);

// Byte helpers; each answers the destination.
void* FillBytes(void* destination, int value, DWORD count);
// Copies upwards; no promise for overlapping areas.
void* CopyBytes(void* destination, const void* source, DWORD count);
// Safe for overlapping areas.
void* MoveBytes(void* destination, const void* source, DWORD count);
