#pragma once
#include "foundation/registry_key.h"

// Deletes the key at kind and subPath only when it can be opened and shows no
// subkey. No removal ever takes another key with it, whatever the platform's
// own deletion would do (the 9x family's deletes a whole tree, the NT
// family's refuses): a key that still holds subkeys stays, so callers delete
// children before their parents. Leaves key closed.
void DeleteKeyWithoutSubkeys(RegistryKey& key, RegistryLocation kind, const char* subPath);
