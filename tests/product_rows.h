#pragma once
// Product rows for tests: the built-in table's row as the program's start
// fills it in, and a second product of the family as a larger table would
// hold it.
#include "core/product_table.h"

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
