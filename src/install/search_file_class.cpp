#include "install/search_file_class.h"
#include "foundation/memory.h"
#include "foundation/paths.h"
#include "foundation/registry_key.h"
#include "foundation/text.h"
#include "install/installed_program.h"
#include "install/key_removal.h"

// The keys below a class key that hold its icon and its open command, and
// all the keys the registration makes there, children first.
static const char IconKeyPart[] = "\\DefaultIcon";
static const char OpenCommandKeyPart[] = "\\shell\\open\\command";
static const char* const ClassKeyParts[] = {IconKeyPart, OpenCommandKeyPart, "\\shell\\open", "\\shell"};

// Item i's installed program between before and after, in size bytes; an
// empty buffer when the program's path or the whole text does not fit.
static bool Compose(const SetupContext* context, DWORD i, char* buffer, DWORD size,
                    const char* before, const char* after)
{
    const char* program = InstalledProgramPath(context, i);
    buffer[0] = 0;
    bool fits = program && AppendText(buffer, size, before) && AppendText(buffer, size, program)
        && AppendText(buffer, size, after);
    if (!fits)
        buffer[0] = 0;
    return fits;
}

bool BuildSearchIconText(const SetupContext* context, DWORD i, char* buffer)
{
    return Compose(context, i, buffer, SearchIconTextSize, "", ",-10000");
}

bool BuildSearchOpenCommand(const SetupContext* context, DWORD i, char* buffer)
{
    return Compose(context, i, buffer, SearchOpenCommandSize, "\"", "\" /load:%1");
}

// Sets the flag that the shell keeps in bit 0 of the third byte of
// "EditFlags", keeping the other bits. A binary value keeps its length; a
// value of another type keeps its first four bytes, as the read leaves them.
static void SetEditFlag(RegistryKey& key)
{
    BYTE flags[64];
    FillBytes(flags, 0, sizeof flags);
    DWORD size = sizeof flags;
    // A binary value shorter than the flags would not hold the bit.
    if (!key.ReadBinary("EditFlags", flags, &size) || size < 4)
        size = 4;
    flags[2] |= 1;
    key.WriteBinary("EditFlags", flags, size);
}

// Opens classKey + suffix and stores text as its default value, unless the
// text is empty.
static void WriteDefaultBelow(RegistryKey& key, const char* classKey, const char* suffix,
                              const char* text)
{
    char path[RegistryTextSize] = "";
    if (!text || !*text || !AppendText(path, RegistryTextSize, classKey)
        || !AppendText(path, RegistryTextSize, suffix))
        return;
    if (key.Open(ClassesPath, path, false))
        key.WriteString(nullptr, text);
}

// The extension key "." + className and the class key className + "File" in
// PathBufferSize buffers; false when either would not fit.
static bool BuildClassKeyNames(const char* className, char* extension, char* classKey)
{
    extension[0] = '.';
    extension[1] = 0;
    classKey[0] = 0;
    return AppendText(extension, PathBufferSize, className)
        && AppendText(classKey, PathBufferSize, className)
        && AppendText(classKey, PathBufferSize, "File");
}

void RegisterSearchFileClass(const SetupContext* context, const char* className,
                             const char* description, const char* iconText,
                             const char* openCommand)
{
    char extension[PathBufferSize];
    char classKey[PathBufferSize];
    // Names that do not fit would name other keys: register nothing then.
    if (!BuildClassKeyNames(className, extension, classKey))
        return;
    RegistryKey key(context->items[0].settingsKey);
    if (!key.Open(ClassesPath, extension, false))
        return;
    key.WriteString(nullptr, classKey);
    if (key.Open(ClassesPath, classKey, false)) {
        key.WriteString(nullptr, description);
        key.WriteString("NeverShowExt", "");
        SetEditFlag(key);
    }
    WriteDefaultBelow(key, classKey, IconKeyPart, iconText);
    WriteDefaultBelow(key, classKey, OpenCommandKeyPart, openCommand);
}

void RemoveSearchFileClass(const SetupContext* context, const char* className)
{
    char extension[PathBufferSize];
    char ownClassKey[PathBufferSize];
    if (!BuildClassKeyNames(className, extension, ownClassKey))
        return;
    RegistryKey key(context->items[0].settingsKey);
    if (!key.Open(ClassesPath, extension, true))
        return;
    char classKey[PathBufferSize];
    bool named = key.ReadString(nullptr, classKey, PathBufferSize);
    key.Close();
    if (named && lstrcmpiA(classKey, ownClassKey) == 0) {
        for (const char* part : ClassKeyParts) {
            char path[RegistryTextSize] = "";
            if (AppendText(path, RegistryTextSize, classKey) && AppendText(path, RegistryTextSize, part))
                DeleteKeyWithoutSubkeys(key, ClassesPath, path);
        }
        DeleteKeyWithoutSubkeys(key, ClassesPath, classKey);
    }
    DeleteKeyWithoutSubkeys(key, ClassesPath, extension);
}
