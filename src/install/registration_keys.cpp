#include "install/registration_keys.h"
#include "foundation/paths.h"
#include "foundation/registry_key.h"
#include "foundation/text.h"

bool ItemSubkeyPath(char* path, const char* listPath, const char* name)
{
    path[0] = 0;
    return name[0] && AppendText(path, RegistryTextSize, listPath)
        && JoinPathPart(path, RegistryTextSize, name);
}
