#include "install/key_removal.h"

void DeleteKeyWithoutSubkeys(RegistryKey& key, RegistryLocation kind, const char* subPath)
{
    // A key that cannot be opened is gone already; one whose subkeys cannot
    // be listed counts as holding some.
    if (key.Open(kind, subPath, true) && !key.HasSubkeys())
        key.DeleteKey(kind, subPath);
    key.Close();
}
