#pragma once
#include "core/setup_context.h"

// The full path of item i's installed program (install folder and exeName),
// in InstallPathOf's shared buffer; null when it does not fit a path buffer,
// so that no caller stores or links to the bare folder instead.
const char* InstalledProgramPath(const SetupContext* context, DWORD i);
