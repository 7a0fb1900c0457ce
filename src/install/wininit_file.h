#pragma once
#include <windows.h>

// The Windows folder's wininit.ini, which the 9x family carries out at its
// next start, opened for reading and writing without sharing, so that no
// other writer changes it between a read and the write back. Answers
// INVALID_HANDLE_VALUE when it is missing or locked, or when its path does
// not fit a path buffer; a missing file is never made here.
HANDLE OpenWininitFile();
