#pragma once
#include "core/setup_context.h"

// Takes back the files of the selected items after a failed install: the
// installed files, the install folder and every parent it leaves empty; the
// uninstaller is always scheduled for deletion at the next start of Windows,
// never deleted at once. When no product of the family remains registered,
// also the family's temporary files and the shell-extension library, which is
// scheduled instead when it cannot be deleted now. Runs after
// RemoveRegistration, whose removal of the product's own Find-menu entry lets
// the family test see whether another product remains. Best effort: nothing
// is reported.
void RemoveFiles(const SetupContext* context);
