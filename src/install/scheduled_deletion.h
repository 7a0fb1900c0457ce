#pragma once
#include <windows.h>

// The wininit.ini key of the shell-extension library's entry, and the size
// of a key made for an uninstaller, terminator included.
const char LibraryWininitKey[] = "ZJ1";
const DWORD WininitKeySize = 12;

// The wininit.ini key of item i's uninstaller: "ZJ" and i + 2 in lower-case
// hexadecimal, so that it never meets the library's key. It stays three
// characters long up to i = 13.
void FormatUninstallerWininitKey(DWORD i, char* key);

// Has path deleted at the next start of Windows. On the NT family it becomes
// a pending rename without a target. On the 9x family the entry
// wininitKey=short path goes into the section "Rename" of wininit.ini, where
// it deletes nothing until FinishWininitEntries has turned its key into
// "NUL"; a file without a short path (one that is not there) gets no entry.
// Answers true when a wininit.ini entry was written.
bool ScheduleDeletion(const char* path, const char* wininitKey);

// Writes the profile cache's copy of wininit.ini to disk and then patches
// the file's keys (PatchWininitKeys). For the 9x family, after the last
// ScheduleDeletion.
void FinishWininitEntries();

// In the Windows folder's wininit.ini, turns every key at the start of a line
// (after white space) made of "ZJ" and a hexadecimal digit into "NUL", the
// key under which the start of Windows deletes the named file; sections are
// not looked at. Only those three bytes change and the file keeps its length.
// A file that is missing, locked or cannot be read is left alone.
void PatchWininitKeys();
