#pragma once
#include "core/setup_context.h"

// One shell link per selected item on the current user's desktop, named
// displayName + ".LNK", pointing at the installed program with displayName as
// its description. No link is made when the desktop folder cannot be found or
// a path does not fit. Best effort: nothing is reported.
void CreateDesktopShortcuts(const SetupContext* context);
