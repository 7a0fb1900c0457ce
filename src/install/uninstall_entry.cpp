#include "install/uninstall_entry.h"
#include "foundation/registry_key.h"
#include "foundation/text.h"
#include "install/registration_keys.h"

static void RegisterItemEntry(RegistryKey& key, const ProductItem& item)
{
    char path[RegistryTextSize];
    if (!ItemSubkeyPath(path, UninstallListKey, item.baseName) || !key.Open(MachinePath, path, false))
        return;
    key.WriteString("DisplayName", item.displayName);
    char command[UninstallStringSize] = "";
    if (AppendText(command, UninstallStringSize, item.uninstallerPath)
        && AppendText(command, UninstallStringSize, " ")
        && AppendText(command, UninstallStringSize, item.installFolder ? item.installFolder : ""))
        key.WriteString("UninstallString", command);
}

void RegisterUninstallEntry(const SetupContext* context)
{
    RegistryKey key(context->items[0].settingsKey);
    for (DWORD i = 0; i < context->itemCount; i++) {
        if (context->selected[i])
            RegisterItemEntry(key, context->items[i]);
    }
}
