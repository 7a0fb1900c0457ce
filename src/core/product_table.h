#pragma once
#include "core/setup_context.h"

// The built-in product table. Display name and menu texts are empty here and
// come from the message catalogue at start; the uninstaller is a bare file
// name until the context joins it onto the Windows folder.
const DWORD ProductCount = 1;
extern const ProductItem ProductTable[ProductCount];
