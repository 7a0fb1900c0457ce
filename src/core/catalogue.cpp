#include "core/catalogue.h"
#include "core/country_table.h"
#include "foundation/memory.h"
#include "foundation/text.h"

static const char LicenceText[] =
#include "core/licence_text.inc"
    ;

#define CATALOGUE_ENTRY(id, stored) {stored, nullptr},
static UiString Catalogue[MessageCount] = {
    PAGE_TEXTS(CATALOGUE_ENTRY)
    INSTALL_TEXTS(CATALOGUE_ENTRY)
    WIZARD_BUTTON_TEXTS(CATALOGUE_ENTRY)
};

#define CATALOGUE_COUNT(id, stored) +1
static const int PageTextCount = 0 PAGE_TEXTS(CATALOGUE_COUNT);
static const int InstallTextCount = 0 INSTALL_TEXTS(CATALOGUE_COUNT);
static UiString* const PageGroup = Catalogue;
static UiString* const InstallGroup = PageGroup + PageTextCount;
static UiString* const WizardButtonGroup = InstallGroup + InstallTextCount;
static UiString* const CatalogueEnd = Catalogue + MessageCount;

const char* MessageText(MessageId id)
{
    return Catalogue[id].text;
}

char* CopyWithHighBytesMasked(const char* stored)
{
    char* copy = DuplicateString(stored);
    for (char* c = copy; *c; c++) {
        if (static_cast<BYTE>(*c) >= 0x80)
            *c = '*';
    }
    return copy;
}

char* ToAnsiCodePage(const char* stored)
{
    const UINT latin1 = 1252;
    const DWORD flags = WC_COMPOSITECHECK | WC_DISCARDNS;
    int wideLength = MultiByteToWideChar(latin1, 0, stored, -1, nullptr, 0);
    if (wideLength == 0)
        return CopyWithHighBytesMasked(stored);
    WCHAR* wide = static_cast<WCHAR*>(MemAlloc((wideLength + 1) * sizeof(WCHAR)));
    MultiByteToWideChar(latin1, 0, stored, -1, wide, wideLength + 1);
    wide[wideLength] = 0;
    int length = WideCharToMultiByte(CP_ACP, flags, wide, -1, nullptr, 0, "*", nullptr);
    char* text = static_cast<char*>(MemAlloc(length + 1));
    WideCharToMultiByte(CP_ACP, flags, wide, -1, text, length + 1, "*", nullptr);
    text[length] = 0;
    MemFree(wide);
    return text;
}

static void CreateEntries(UiString* first, UiString* end)
{
    for (UiString* entry = first; entry != end; entry++)
        entry->text = ToAnsiCodePage(entry->stored);
}

static void ReleaseEntries(UiString* first, UiString* end)
{
    for (UiString* entry = end; entry != first;) {
        --entry;
        MemFree(entry->text);
        entry->text = nullptr;
    }
}

void PageTexts()
{
    CreateEntries(PageGroup, InstallGroup);
    CreateEntries(CountryNames, CountryNames + CountryCount);
    for (DWORD row = 0; row < CountryCount; row++)
        CountryTable[row].listName = CountryNames[row].text;
}

void InstallTexts()
{
    CreateEntries(InstallGroup, WizardButtonGroup);
}

void WizardButtonTexts()
{
    CreateEntries(WizardButtonGroup, CatalogueEnd);
}

void ReleasePageTexts()
{
    for (DWORD row = 0; row < CountryCount; row++)
        CountryTable[row].listName = nullptr;
    ReleaseEntries(CountryNames, CountryNames + CountryCount);
    ReleaseEntries(PageGroup, InstallGroup);
}

void ReleaseInstallTexts()
{
    ReleaseEntries(InstallGroup, WizardButtonGroup);
}

void ReleaseWizardButtonTexts()
{
    ReleaseEntries(WizardButtonGroup, CatalogueEnd);
}
