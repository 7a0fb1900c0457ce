#pragma once
#include "core/setup_context.h"

// Capacity of the uninstall command, terminator included: two paths and a
// space.
const DWORD UninstallStringSize = 520;

// One entry per selected item in the list of installed programs: its shown
// name and the command that removes it (the uninstaller's path, one space,
// the install folder, neither quoted: the form the uninstaller expects). A
// command that does not fit is left out rather than stored cut. Best effort:
// nothing is reported.
void RegisterUninstallEntry(const SetupContext* context);
