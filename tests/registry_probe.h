#pragma once
// The tests' own view of the registry, through the plain Win32 calls, so that
// what the product stored is judged independently of RegistryKey.
#include <windows.h>
#include <ostream>
#include <string>
#include <vector>

namespace probe {

inline const char* RootName(HKEY root)
{
    return root == HKEY_LOCAL_MACHINE ? "HKLM" : root == HKEY_CURRENT_USER ? "HKCU" : "HKCR";
}

inline bool KeyExists(HKEY root, const std::string& path)
{
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// Removes the key and everything below it; nothing when it is not there.
inline void DeleteTree(HKEY root, const std::string& path)
{
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    std::vector<std::string> children;
    char name[1024];
    for (DWORD i = 0; RegEnumKeyA(key, i, name, sizeof name) == ERROR_SUCCESS; i++)
        children.push_back(name);
    RegCloseKey(key);
    for (const std::string& child : children)
        DeleteTree(root, path + "\\" + child);
    RegDeleteKeyA(root, path.c_str());
}

inline DWORD SubkeyCount(HKEY root, const std::string& path)
{
    HKEY key;
    DWORD count = 0;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return count;
}

// A value as stored: its type and its bytes.
struct Value {
    bool found = false;
    DWORD type = REG_NONE;
    std::string bytes;

    bool operator==(const Value& other) const
    {
        return found == other.found && type == other.type && bytes == other.bytes;
    }
};

inline Value Missing()
{
    return Value();
}

inline Value Stored(DWORD type, const std::string& bytes)
{
    Value value;
    value.found = true;
    value.type = type;
    value.bytes = bytes;
    return value;
}

// A REG_SZ value holding text and its terminator.
inline Value Text(const std::string& text)
{
    return Stored(REG_SZ, std::string(text.c_str(), text.size() + 1));
}

inline std::ostream& operator<<(std::ostream& out, const Value& value)
{
    if (!value.found)
        return out << "(no value)";
    out << "type " << value.type << ", " << value.bytes.size() << " bytes:";
    static const char digits[] = "0123456789abcdef";
    for (unsigned char b : value.bytes)
        out << ' ' << digits[b >> 4] << digits[b & 15];
    return out << " \"" << value.bytes.c_str() << '"';
}

inline Value Read(HKEY root, const std::string& path, const char* name)
{
    Value value;
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return value;
    BYTE data[4096];
    DWORD size = sizeof data;
    if (RegQueryValueExA(key, name, nullptr, &value.type, data, &size) == ERROR_SUCCESS) {
        value.found = true;
        value.bytes.assign(reinterpret_cast<char*>(data), size);
    }
    RegCloseKey(key);
    return value;
}

inline bool Write(HKEY root, const std::string& path, const char* name, DWORD type,
                  const std::string& bytes)
{
    HKEY key;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

inline void DeleteValue(HKEY root, const std::string& path, const char* name)
{
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, name);
    RegCloseKey(key);
}

}  // namespace probe
