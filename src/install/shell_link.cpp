#include "install/shell_link.h"
#include "foundation/paths.h"
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

// The shell link class and the two interfaces used on it, spelled here so
// that the program needs no GUID library.
static const CLSID ShellLinkClass = {0x00021401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
static const IID ShellLinkAnsiInterface = {0x000214EE, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
static const IID PersistFileInterface = {0x0000010B, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// Points the link at target and saves it; answers the result of the save.
static HRESULT SaveLink(IShellLinkA* link, const char* target, const char* linkPath,
                        const char* description)
{
    IPersistFile* file = nullptr;
    HRESULT result = link->QueryInterface(PersistFileInterface, reinterpret_cast<void**>(&file));
    if (FAILED(result))
        return result;
    WCHAR widePath[PathBufferSize];
    // A path that cannot be converted whole is not saved under some other name.
    if (MultiByteToWideChar(CP_ACP, 0, linkPath, -1, widePath, PathBufferSize) == 0) {
        result = E_FAIL;
    } else {
        // The link is saved whatever these answer: a description is not worth
        // losing the shortcut over.
        link->SetPath(target);
        link->SetDescription(description);
        result = file->Save(widePath, TRUE);
    }
    file->Release();
    return result;
}

bool CreateShellLink(const char* target, const char* linkPath, const char* description)
{
    // A thread already in another apartment refuses; it is then not ours to
    // uninitialise.
    bool initialised = SUCCEEDED(CoInitialize(nullptr));
    IShellLinkA* link = nullptr;
    HRESULT result = CoCreateInstance(ShellLinkClass, nullptr, CLSCTX_INPROC_SERVER,
                                      ShellLinkAnsiInterface, reinterpret_cast<void**>(&link));
    if (SUCCEEDED(result)) {
        result = SaveLink(link, target, linkPath, description);
        link->Release();
    }
    if (initialised)
        CoUninitialize();
    return SUCCEEDED(result);
}
