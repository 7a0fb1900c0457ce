#pragma once
#include <windows.h>

// Folder paths are drive paths ("X:\...") or network paths ("\\server\share\...");
// any other path, and one that does not fit a path buffer with a backslash
// (and, for the write test, "test.tmp") behind it, fails and touches nothing.

// Creates every missing folder along path; true when all exist afterwards.
// Folders created before a failure stay.
bool CreateFolderPath(const char* path);

// True when the folder exists or can be created and a new file can be
// created in it. Leaves the disk as it found it: the test file is deleted
// and every folder the call created is removed again, on failure as well.
// A "test.tmp" already in the folder is left alone and fails the test.
bool TestFolderWritable(const char* path);

// Shows the shell's folder browser; true with the chosen folder's path in
// path (a buffer of PathBufferSize bytes), false when the user cancels.
bool BrowseForFolder(char* path, HWND owner);
