#pragma once
#include <windows.h>

// Where a RegistryKey opens: the kind picks the root and the fixed part of the
// path, so that the family's own keys are spelled in one place. Kinds 0 to 4
// lie under HKEY_CURRENT_USER "Software\Quenbrook\Orvandel\CurrentVersion";
// 5 to 7 take the sub-path as the whole path under their root. Any other value
// selects nothing: Open fails and DeleteKey answers false.
enum RegistryLocation : BYTE {
    Browser = 0,          // ...\CurrentVersion\Browser
    Mailer = 1,           // ...\CurrentVersion\Mailer
    Updates = 2,          // ...\CurrentVersion\Updates
    ProductSettings = 3,  // ...\CurrentVersion\<settings key name>
    FamilyVersion = 4,    // ...\CurrentVersion
    MachinePath = 5,      // HKEY_LOCAL_MACHINE, sub-path required
    UserPath = 6,         // HKEY_CURRENT_USER, sub-path required
    ClassesPath = 7,      // HKEY_CLASSES_ROOT, sub-path required
};

// The family's key, its version key and the maker's key above them. Under
// HKEY_CURRENT_USER they hold the family's settings (the kinds 0 to 4); the
// same paths under HKEY_LOCAL_MACHINE hold product keys that the install and
// its removal take away.
const char MakerKeyPath[] = "Software\\Quenbrook";
const char FamilyKeyPath[] = "Software\\Quenbrook\\Orvandel";
const char FamilyVersionPath[] = "Software\\Quenbrook\\Orvandel\\CurrentVersion";

// Resolved registry paths, and registry texts read by callers, fit in this
// many bytes, terminator included.
const DWORD RegistryTextSize = 1024;
const DWORD SettingsKeyNameSize = 512;

// Holds at most one open key. Callers keep one on the stack for the length of
// one operation. Every operation answers true for success and shows nothing.
class RegistryKey {
public:
    // settingsKeyName names the ProductSettings kind's key; a name that does
    // not fit SettingsKeyNameSize makes that kind resolve to nothing rather
    // than to a cut name.
    explicit RegistryKey(const char* settingsKeyName);
    ~RegistryKey();
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    void Close();

    // Closes first. For kinds 0 to 4 a non-null sub-path is joined with one
    // backslash. Read-only opens an existing key; otherwise every missing key
    // along the path is created. A path that would not fit RegistryTextSize
    // resolves to nothing. The key stays closed on failure.
    bool Open(RegistryLocation kind, const char* subPath, bool readOnly);
    // Closes first; false without touching the registry when the path resolves
    // to nothing. Keys with subkeys are refused or not by the platform's rule:
    // callers test HasSubkeys where it matters.
    bool DeleteKey(RegistryLocation kind, const char* subPath);

    // False only when the key is open and shown to have no subkey: a closed
    // key and an enumeration error both count as having subkeys.
    bool HasSubkeys();

    // Typed reads succeed only on a value of their own type. The data may land
    // in the buffer before the type is found wrong.
    // A REG_SZ value is answered with its terminator inside size bytes.
    bool ReadString(const char* name, char* buffer, DWORD size);
    // size: in the buffer's size, out the stored length.
    bool ReadMultiString(const char* name, BYTE* buffer, DWORD* size);
    bool ReadBinary(const char* name, BYTE* buffer, DWORD* size);
    bool ReadDword(const char* name, DWORD* value);
    bool ValueExists(const char* name);

    // REG_SZ with its terminator counted in the length.
    bool WriteString(const char* name, const char* text);
    bool WriteMultiString(const char* name, const BYTE* data, DWORD size);
    bool WriteBinary(const char* name, const BYTE* data, DWORD size);
    bool WriteDword(const char* name, DWORD value);
    // A value that is not there counts as deleted.
    bool DeleteValue(const char* name);
    // size in characters, terminator included.
    bool EnumValueName(DWORD index, char* buffer, DWORD size);

private:
    HKEY Resolve(RegistryLocation kind, const char* subPath, char* path) const;
    bool ReadTyped(const char* name, DWORD expectedType, BYTE* buffer, DWORD* size);
    bool WriteTyped(const char* name, DWORD type, const BYTE* data, DWORD size);

    HKEY handle;
    char keyName[SettingsKeyNameSize];
    bool keyNameFits;
};
