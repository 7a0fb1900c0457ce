#include "install/product_family.h"
#include "foundation/registry_key.h"
#include "install/registration_keys.h"

bool FamilyRegistered(const SetupContext* context)
{
    RegistryKey key(context->items[0].settingsKey);
    return key.Open(MachinePath, FindExtensionsKey, true) && key.HasSubkeys();
}
