#pragma once

// Bytes the setup needs, estimated from the current context: for its
// temporary files 600 KiB for every product item plus 150 KiB, for the
// installation 1500 KiB for every selected item.
double RequiredBytes(bool forTemporaryFiles);

// Free bytes of the drive that holds path, at most 4294967295; 0 when they
// cannot be read. A drive path ("X:..." longer than two characters) asks
// about its drive, a network path ("\\...") answers 4294967295 without
// asking, and anything else, the bare "X:" included, asks about the drive of
// the current folder.
double FreeBytesOnDrive(const char* path);
