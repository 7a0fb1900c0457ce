#pragma once
#include <windows.h>

// One row of the product table: twelve texts, in the order in which they are
// laid out, copied and released.
struct ProductItem {
    const char* displayName;
    const char* settingsKey;       // below the family's CurrentVersion key
    const char* baseName;          // file class prefix, Find and uninstall subkeys
    const char* exeName;
    const char* helpFileName;
    const char* helpContentsName;
    const char* helpIndexName;     // never installed; removal deletes it
    const char* uninstallerPath;   // table: file name; context: Windows folder + name
    const char* findMenuText;      // major version 4 or lower
    const char* searchMenuText;    // major version 5 or higher
    const char* helpText;
    char* installFolder;           // a PathBufferSize buffer once the install gives one
};

const DWORD ErrorTextSize = 1024;

// The run's one context record. It owns its texts and arrays; mainWindow and
// bannerBitmap belong to the setup run.
struct SetupContext {
    char* extensionDllPath;
    char* title;
    char* folderName;
    DWORD itemCount;
    ProductItem* items;
    BYTE* selected;
    HWND mainWindow;
    HBITMAP bannerBitmap;
    COLORREF shadeColour;
    COLORREF lightColour;
    char errorText[ErrorTextSize];
};

// The context of the running setup, set by BuildSetupContext.
extern SetupContext* CurrentSetupContext;

// Fills storage with copies of the given texts and rows (the arguments stay
// the caller's), selects every item, makes it the current context and
// answers it.
SetupContext* BuildSetupContext(SetupContext* storage, const char* title, const char* folderName,
                                const ProductItem* rows, DWORD rowCount,
                                COLORREF shadeColour, COLORREF lightColour);

// Releases what the context owns; nothing when given none. Leaves
// mainWindow, bannerBitmap and CurrentSetupContext alone.
void FreeSetupContext(SetupContext* context);

// Texts of the current context; "" when there is none or the text is empty.
// The index must be below itemCount.
const char* CurrentTitle();
const char* CurrentFolderName();
const char* ItemDisplayName(DWORD i);
const char* ItemSettingsKey(DWORD i);
const char* ItemBaseName(DWORD i);

// Number of selected items of the current context (0 without one).
DWORD SelectedCount();

// The item's install folder joined with fileName, in one buffer shared by
// every call: use or copy the answer before the next call. A join that would
// not fit in PathBufferSize bytes leaves the bare install folder there.
const char* InstallPathOf(const SetupContext* context, DWORD i, const char* fileName);
