#pragma once
#include "core/setup_context.h"

// Takes back the registry entries of the selected items after a failed
// install: the product keys, the settings, the uninstall entry, the Find-menu
// entry and the search file class of each item, and the browser's search page
// when a "Web" item had set it. When no product of the family remains
// registered, also the family's settings, its Find-menu list, its shell
// extension's class and (on the NT family) its approval. No key that still
// holds a subkey is deleted. Ends by telling the taskbar. Runs before
// RemoveFiles. Best effort: nothing is reported.
void RemoveRegistration(const SetupContext* context);
