#include "install/find_extension.h"
#include "foundation/registry_key.h"
#include "foundation/windows_version.h"
#include "install/installed_program.h"
#include "install/registration_keys.h"

// The item's own entry below the family's list; its program path is left out
// when it did not fit a path buffer.
static void RegisterFindEntry(RegistryKey& key, const SetupContext* context, DWORD i,
                              bool searchMenu)
{
    const ProductItem& item = context->items[i];
    char path[RegistryTextSize];
    if (!ItemSubkeyPath(path, FindExtensionsKey, item.baseName) || !key.Open(MachinePath, path, false))
        return;
    const char* program = InstalledProgramPath(context, i);
    if (program)
        key.WriteString("Path", program);
    key.WriteString("MenuText", searchMenu ? item.searchMenuText : item.findMenuText);
    key.WriteString("HelpText", item.helpText);
}

void RegisterFindExtension(const SetupContext* context)
{
    RegistryKey key(context->items[0].settingsKey);
    if (!key.Open(ClassesPath, ExtensionClassKey, false))
        return;
    key.WriteString(nullptr, "Orvandel Find Menu Extension");
    if (!key.Open(ClassesPath, ExtensionServerKey, false))
        return;
    key.WriteString("ThreadingModel", "Apartment");
    key.WriteString(nullptr, context->extensionDllPath);
    if (!key.Open(MachinePath, FindExtensionsKey, false))
        return;
    key.WriteString(nullptr, ExtensionClassId);

    // Windows 2000 calls the menu Search and the entries read accordingly.
    bool searchMenu = IsVersion5OrLater();
    for (DWORD i = 0; i < context->itemCount; i++) {
        if (context->selected[i])
            RegisterFindEntry(key, context, i, searchMenu);
    }

    // Only the NT family's shell loads just the extensions listed as approved.
    if (!IsWin9xPlatform()) {
        RegistryKey approved(context->items[0].settingsKey);
        if (approved.Open(MachinePath, ApprovedExtensionsKey, false))
            approved.WriteString(ExtensionClassId, "Orvandel");
    }
}
