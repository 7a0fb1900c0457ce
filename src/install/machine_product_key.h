#pragma once
#include "core/setup_context.h"

// Deletes the product key keyName under HKEY_LOCAL_MACHINE's family version
// key, then the family version key, the family key and the maker key, each
// only once it holds no subkey. Best effort: nothing is reported.
void RemoveMachineProductKey(const SetupContext* context, const char* keyName);
