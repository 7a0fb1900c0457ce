#pragma once
#include "core/setup_context.h"

// True while a product of the family is registered: the family's list of
// Find-menu entries can be opened and holds at least one entry (a list whose
// entries cannot be enumerated counts as holding some). While it holds, the
// removal keeps what the family shares.
bool FamilyRegistered(const SetupContext* context);
