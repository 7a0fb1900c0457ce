#include "core/country_table.h"
#include "core/catalogue.h"

#define COUNTRY_ROW(name) {name, nullptr},
#define RENAMED_COUNTRY_ROW(stored, shown) {stored, nullptr},
CountryEntry CountryTable[CountryCount] = {COUNTRIES(COUNTRY_ROW, RENAMED_COUNTRY_ROW)};

#define COUNTRY_NAME(name) {name, nullptr},
#define RENAMED_COUNTRY_NAME(stored, shown) {shown, nullptr},
UiString CountryNames[CountryCount] = {COUNTRIES(COUNTRY_NAME, RENAMED_COUNTRY_NAME)};
