#include "install/registration_removal.h"
#include "foundation/paths.h"
#include "foundation/registry_key.h"
#include "foundation/text.h"
#include "foundation/windows_version.h"
#include "install/key_removal.h"
#include "install/machine_product_key.h"
#include "install/product_family.h"
#include "install/registration_keys.h"
#include "install/search_file_class.h"
#include "install/taskbar.h"
#include <shlobj.h>

// The browser's search page, which a "Web" product sets to its own start
// page: that page's name, upper-cased, contains the mark.
static const char SearchPageKey[] = "Software\\Microsoft\\Internet Explorer\\Main";
static const char SearchPageValue[] = "Search Page";
static const char SearchPageMark[] = ".ZINTARASEARCH";

// Deletes the item's own subkey name of the list at listPath.
static void DeleteItemKey(RegistryKey& key, const char* listPath, const char* name)
{
    char path[RegistryTextSize];
    if (ItemSubkeyPath(path, listPath, name))
        DeleteKeyWithoutSubkeys(key, MachinePath, path);
}

// What the family's products share, children before parents. The settings
// of a product that is not registered any more, under the version key, keep
// it and its parents.
static void RemoveFamilyRegistration(RegistryKey& key)
{
    DeleteKeyWithoutSubkeys(key, Browser, nullptr);
    DeleteKeyWithoutSubkeys(key, Mailer, nullptr);
    DeleteKeyWithoutSubkeys(key, Updates, nullptr);
    DeleteKeyWithoutSubkeys(key, FamilyVersion, nullptr);
    DeleteKeyWithoutSubkeys(key, UserPath, FamilyKeyPath);
    DeleteKeyWithoutSubkeys(key, UserPath, MakerKeyPath);
    DeleteKeyWithoutSubkeys(key, MachinePath, FindExtensionsKey);
    DeleteKeyWithoutSubkeys(key, ClassesPath, ExtensionServerKey);
    DeleteKeyWithoutSubkeys(key, ClassesPath, ExtensionClassKey);
    if (!IsWin9xPlatform() && key.Open(MachinePath, ApprovedExtensionsKey, false))
        key.DeleteValue(ExtensionClassId);
    key.Close();
}

// The search page goes back to the browser's own when it is the product's.
static void ResetSearchPage(RegistryKey& key)
{
    char page[RegistryTextSize];
    if (key.Open(UserPath, SearchPageKey, false)
        && key.ReadString(SearchPageValue, page, RegistryTextSize)) {
        CharUpperA(page);
        if (FindText(page, SearchPageMark))
            key.WriteString(SearchPageValue, "");
    }
    key.Close();
}

void RemoveRegistration(const SetupContext* context)
{
    RegistryKey key(context->items[0].settingsKey);
    bool familyDone = false;
    for (DWORD i = 0; i < context->itemCount; i++) {
        if (!context->selected[i])
            continue;
        const ProductItem& item = context->items[i];
        RemoveMachineProductKey(context, item.settingsKey);
        // An empty settings key would name the family's version key.
        if (item.settingsKey[0]) {
            RegistryKey settings(item.settingsKey);
            DeleteKeyWithoutSubkeys(settings, ProductSettings, nullptr);
        }
        DeleteItemKey(key, UninstallListKey, item.baseName);
        DeleteItemKey(key, FindExtensionsKey, item.baseName);
        if (!familyDone && !FamilyRegistered(context)) {
            familyDone = true;
            RemoveFamilyRegistration(key);
        }
        char className[PathBufferSize] = "";
        if (AppendText(className, PathBufferSize, item.baseName)
            && AppendText(className, PathBufferSize, "Search"))
            RemoveSearchFileClass(context, className);
        SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
        if (lstrcmpiA(item.settingsKey, "Web") == 0)
            ResetSearchPage(key);
    }
    NotifyTaskbar();
}
