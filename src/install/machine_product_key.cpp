#include "install/machine_product_key.h"
#include "foundation/paths.h"
#include "foundation/registry_key.h"
#include "foundation/text.h"
#include "install/key_removal.h"

void RemoveMachineProductKey(const SetupContext* context, const char* keyName)
{
    RegistryKey key(context->items[0].settingsKey);
    char path[RegistryTextSize] = "";
    // An empty name would name the version key itself, which has its own turn.
    if (keyName[0] && AppendText(path, RegistryTextSize, FamilyVersionPath)
        && JoinPathPart(path, RegistryTextSize, keyName))
        DeleteKeyWithoutSubkeys(key, MachinePath, path);
    // Another product's key, or another family's, keeps its parents.
    DeleteKeyWithoutSubkeys(key, MachinePath, FamilyVersionPath);
    DeleteKeyWithoutSubkeys(key, MachinePath, FamilyKeyPath);
    DeleteKeyWithoutSubkeys(key, MachinePath, MakerKeyPath);
}
