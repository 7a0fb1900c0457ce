#include "core/product_table.h"

const ProductItem ProductTable[ProductCount] = {
    {nullptr, "Email", "Tessaly", "Tessaly.exe", "Tessaly.hlp", "Tessaly.cnt", "Tessaly.gid",
     "TessalyUninstall.exe", nullptr, nullptr, nullptr, nullptr},
};
