#include "foundation/registry_key.h"
#include "foundation/paths.h"
#include "foundation/text.h"

// The subkeys of the family's key named by the kinds Browser, Mailer, Updates.
static const char* const FamilyParts[] = {"Browser", "Mailer", "Updates"};

RegistryKey::RegistryKey(const char* settingsKeyName) : handle(nullptr)
{
    keyName[0] = 0;
    keyNameFits = AppendText(keyName, SettingsKeyNameSize, settingsKeyName);
}

RegistryKey::~RegistryKey()
{
    Close();
}

void RegistryKey::Close()
{
    if (handle)
        RegCloseKey(handle);
    handle = nullptr;
}

// The root of the kind, with its path in a RegistryTextSize buffer; a null
// root and an empty path when the kind selects nothing or the path would not
// fit, so that no shortened path ever reaches the registry.
HKEY RegistryKey::Resolve(RegistryLocation kind, const char* subPath, char* path) const
{
    path[0] = 0;
    HKEY root = nullptr;
    bool fits = false;
    if (kind <= FamilyVersion) {
        root = HKEY_CURRENT_USER;
        fits = AppendText(path, RegistryTextSize, FamilyVersionPath);
        if (kind == ProductSettings)
            fits = fits && keyNameFits && JoinPathPart(path, RegistryTextSize, keyName);
        else if (kind != FamilyVersion)
            fits = fits && JoinPathPart(path, RegistryTextSize, FamilyParts[kind]);
        if (subPath)
            fits = fits && JoinPathPart(path, RegistryTextSize, subPath);
    } else if (kind <= ClassesPath) {
        root = kind == MachinePath ? HKEY_LOCAL_MACHINE
             : kind == UserPath    ? HKEY_CURRENT_USER
                                   : HKEY_CLASSES_ROOT;
        fits = subPath && AppendText(path, RegistryTextSize, subPath);
    }
    if (fits)
        return root;
    path[0] = 0;
    return nullptr;
}

bool RegistryKey::Open(RegistryLocation kind, const char* subPath, bool readOnly)
{
    Close();
    char path[RegistryTextSize];
    HKEY root = Resolve(kind, subPath, path);
    if (!root)
        return false;
    LONG result = readOnly ? RegOpenKeyExA(root, path, 0, KEY_READ, &handle)
                           : RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                             &handle, nullptr);
    if (result != ERROR_SUCCESS)
        handle = nullptr;
    return handle != nullptr;
}

bool RegistryKey::DeleteKey(RegistryLocation kind, const char* subPath)
{
    Close();
    char path[RegistryTextSize];
    HKEY root = Resolve(kind, subPath, path);
    // An empty path would name the root itself.
    if (!root || path[0] == 0)
        return false;
    return RegDeleteKeyA(root, path) == ERROR_SUCCESS;
}

bool RegistryKey::HasSubkeys()
{
    if (!handle)
        return true;
    char name[RegistryTextSize];
    DWORD size = RegistryTextSize;
    return RegEnumKeyExA(handle, 0, name, &size, nullptr, nullptr, nullptr, nullptr)
        != ERROR_NO_MORE_ITEMS;
}

bool RegistryKey::ReadTyped(const char* name, DWORD expectedType, BYTE* buffer, DWORD* size)
{
    if (!handle)
        return false;
    DWORD type = REG_NONE;
    return RegQueryValueExA(handle, name, nullptr, &type, buffer, size) == ERROR_SUCCESS
        && type == expectedType;
}

bool RegistryKey::ReadString(const char* name, char* buffer, DWORD size)
{
    DWORD stored = size;
    if (!ReadTyped(name, REG_SZ, reinterpret_cast<BYTE*>(buffer), &stored))
        return false;
    // The registry keeps what a writer stored, which need not end in a zero:
    // callers get a terminated text or nothing.
    if (stored > 0 && buffer[stored - 1] == 0)
        return true;
    if (stored >= size)
        return false;
    buffer[stored] = 0;
    return true;
}

bool RegistryKey::ReadMultiString(const char* name, BYTE* buffer, DWORD* size)
{
    return ReadTyped(name, REG_MULTI_SZ, buffer, size);
}

bool RegistryKey::ReadBinary(const char* name, BYTE* buffer, DWORD* size)
{
    return ReadTyped(name, REG_BINARY, buffer, size);
}

bool RegistryKey::ReadDword(const char* name, DWORD* value)
{
    DWORD size = sizeof *value;
    return ReadTyped(name, REG_DWORD, reinterpret_cast<BYTE*>(value), &size);
}

bool RegistryKey::ValueExists(const char* name)
{
    return handle && RegQueryValueExA(handle, name, nullptr, nullptr, nullptr, nullptr)
        == ERROR_SUCCESS;
}

bool RegistryKey::WriteTyped(const char* name, DWORD type, const BYTE* data, DWORD size)
{
    return handle && RegSetValueExA(handle, name, 0, type, data, size) == ERROR_SUCCESS;
}

bool RegistryKey::WriteString(const char* name, const char* text)
{
    return WriteTyped(name, REG_SZ, reinterpret_cast<const BYTE*>(text), lstrlenA(text) + 1);
}

bool RegistryKey::WriteMultiString(const char* name, const BYTE* data, DWORD size)
{
    return WriteTyped(name, REG_MULTI_SZ, data, size);
}

bool RegistryKey::WriteBinary(const char* name, const BYTE* data, DWORD size)
{
    return WriteTyped(name, REG_BINARY, data, size);
}

bool RegistryKey::WriteDword(const char* name, DWORD value)
{
    return WriteTyped(name, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

bool RegistryKey::DeleteValue(const char* name)
{
    if (!handle)
        return false;
    LONG result = RegDeleteValueA(handle, name);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool RegistryKey::EnumValueName(DWORD index, char* buffer, DWORD size)
{
    return handle && RegEnumValueA(handle, index, buffer, &size, nullptr, nullptr, nullptr, nullptr)
        == ERROR_SUCCESS;
}
