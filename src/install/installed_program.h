#pragma once
#include "core/setup_context.h"

// The full path of item i's installed file fileName (install folder and
// name), in InstallPathOf's shared buffer; null when it does not fit a path
// buffer, so that no caller uses the bare folder instead.
const char* InstalledFilePath(const SetupContext* context, DWORD i, const char* fileName);

// InstalledFilePath of item i's program (exeName).
const char* InstalledProgramPath(const SetupContext* context, DWORD i);
