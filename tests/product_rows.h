#pragma once
// Product rows for tests: the built-in table's row as the program's start
// fills it in, and a second product of the family as a larger table would
// hold it; a context built from rows as the install steps see it, and the
// registration of a row's search file class.
#include "core/product_table.h"
#include "core/setup_context.h"
#include "foundation/memory.h"
#include "foundation/paths.h"
#include "install/search_file_class.h"
#include <string>
#include <vector>

inline ProductItem TessalyRow()
{
    ProductItem row = ProductTable[0];
    row.displayName = "Tessaly";
    row.findMenuText = "&Email Addresses...";
    row.searchMenuText = "For &Email Addresses...";
    row.helpText = "Find email addresses on the Internet";
    return row;
}

inline ProductItem OtherRow()
{
    ProductItem row = TessalyRow();
    row.displayName = "Other Finder";
    row.settingsKey = "Other";
    row.baseName = "Other";
    row.exeName = "Other.exe";
    row.uninstallerPath = "OtherUninstall.exe";
    row.findMenuText = "&Other Things...";
    row.searchMenuText = "For &Other Things...";
    row.helpText = "Find other things";
    return row;
}

// Builds context from rows, with folder as every item's install folder.
inline void BuildInstallContext(SetupContext* context, const std::vector<ProductItem>& rows,
                                const std::string& folder)
{
    BuildSetupContext(context, "Tessaly", "Tessaly", rows.data(), static_cast<DWORD>(rows.size()), 0, 0);
    for (DWORD i = 0; i < context->itemCount; i++) {
        context->items[i].installFolder = static_cast<char*>(MemAlloc(PathBufferSize));
        lstrcpynA(context->items[i].installFolder, folder.c_str(), PathBufferSize);
    }
}

// Registers item i's search file class with the names and texts of a real
// install: the class baseName + "Search", described as "<displayName> Search".
inline void RegisterItemFileClass(const SetupContext* context, DWORD i)
{
    const ProductItem& item = context->items[i];
    std::string className = std::string(item.baseName) + "Search";
    std::string description = std::string(item.displayName) + " Search";
    char icon[SearchIconTextSize];
    char command[SearchOpenCommandSize];
    BuildSearchIconText(context, i, icon);
    BuildSearchOpenCommand(context, i, command);
    RegisterSearchFileClass(context, className.c_str(), description.c_str(), icon, command);
}
