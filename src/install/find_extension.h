#pragma once
#include "core/setup_context.h"

// Registers the family's shell extension, its list of Find-menu entries and
// one entry per selected item (program path, menu text by Windows version,
// help text); on the NT family also approves the extension. A key that cannot
// be made skips what depends on it. Best effort: nothing is reported.
void RegisterFindExtension(const SetupContext* context);
