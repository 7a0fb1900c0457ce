#pragma once
#include <windows.h>

// One row of the country list: the name stored in the registry and compared
// with the default country, and the name shown in the list (the catalogue's
// converted text, present while the page texts are).
struct CountryEntry {
    const char* matchName;
    const char* listName;
};

const DWORD CountryCount = 237;

// "Other" first, then the countries in any order (the list sorts them).
extern CountryEntry CountryTable[CountryCount];

// The stored shown names, row by row, as catalogue entries.
extern struct UiString CountryNames[CountryCount];
