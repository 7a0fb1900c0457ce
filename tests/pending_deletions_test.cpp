#include "core/product_table.h"
#include "core/setup_context.h"
#include "foundation/memory.h"
#include "foundation/paths.h"
#include "host_command.h"
#include "install/pending_deletions.h"
#include "registry_probe.h"
#include "test_files.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>
#include <vector>

static const std::string SessionManager = "System\\CurrentControlSet\\Control\\Session Manager";
static const std::string RenameOperationsKey = SessionManager + "\\FileRenameOperations";
static const wchar_t PendingValue[] = L"PendingFileRenameOperations";
// Another program's files, whose pending operations must survive.
static const std::string OtherFolder = "C:\\pending-deletions-test";

static std::string ShortPathOf(const std::string& path)
{
    char shortPath[MAX_PATH];
    DWORD length = GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(shortPath, length) : "";
}

static std::string Lower(std::string text)
{
    CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

static bool VersionIs(const char* version)
{
    const char* name = std::getenv("TESSALY_EXPECTED_WINDOWS");
    return name && std::string(name) == version;
}

static bool NtFamilyPrefix()
{
    return VersionIs("nt40") || VersionIs("win2k");
}

// A file's bytes, and whether it was there at all.
struct FileState {
    bool found = false;
    std::string bytes;
};

static FileState ReadFileState(const std::string& path)
{
    return {FileExists(path), ReadWholeFile(path)};
}

static void RestoreFile(const std::string& path, const FileState& state)
{
    if (state.found)
        WriteWholeFile(path, state.bytes);
    else
        DeleteFileA(path.c_str());
}

// Registry data as stored, read and written through the wide calls: the
// registry keeps texts in UTF-16, and only the wide calls store what no ANSI
// writer could (an odd length, a character outside the code page) and put
// back exactly what was there.
static probe::Value ReadWide(const std::string& path, const wchar_t* name)
{
    probe::Value value;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return value;
    DWORD size = 0;
    if (RegQueryValueExW(key, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        std::string bytes(size + 2, '\0');
        if (RegQueryValueExW(key, name, nullptr, &value.type, reinterpret_cast<BYTE*>(&bytes[0]), &size)
            == ERROR_SUCCESS) {
            value.found = true;
            value.bytes = bytes.substr(0, size);
        }
    }
    RegCloseKey(key);
    return value;
}

static void WriteWide(const std::string& path, const wchar_t* name, const probe::Value& value)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    // A text whose last character is not a terminator gains one from the
    // registry when a terminator follows it in memory: what follows here is
    // not one.
    std::string bytes = value.bytes + "\xff\xff";
    if (value.found)
        RegSetValueExW(key, name, 0, value.type, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(value.bytes.size()));
    else
        RegDeleteValueW(key, name);
    RegCloseKey(key);
}

// The UTF-16 bytes of a text of ASCII characters and of the wide characters
// given as such.
static std::string Utf16(const std::wstring& text)
{
    return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}

static std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

// The entries of a pending-operations value: each string with its
// terminator, without the closing empty string (callers add it or not).
static std::wstring Strings(const std::vector<std::wstring>& strings)
{
    std::wstring joined;
    for (const std::wstring& s : strings)
        joined += s + L'\0';
    return joined;
}

// A value's bytes as text for a failure message: terminators shown as "|",
// long runs cut.
static std::string Shown(const probe::Value& value)
{
    if (!value.found)
        return "(no value)";
    std::string shown = "type " + std::to_string(value.type) + ", " + std::to_string(value.bytes.size()) + " bytes: ";
    for (size_t i = 0; i + 1 < value.bytes.size() && shown.size() < 400; i += 2) {
        wchar_t c = static_cast<wchar_t>(static_cast<BYTE>(value.bytes[i]) | static_cast<BYTE>(value.bytes[i + 1]) << 8);
        shown += c == 0 ? '|' : c < 0x80 ? static_cast<char>(c) : '?';
    }
    return shown;
}

static testing::AssertionResult SameValue(const probe::Value& actual, const probe::Value& expected)
{
    if (actual == expected)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "stored " << Shown(actual) << "\n  wanted " << Shown(expected);
}

// Each test gets the product's context, the two files it protects in place
// (short paths exist only for files that exist), and the stores as they
// were: wininit.ini and wininit.bak (which the restart leaves), the pending
// operations and FileRenameOperations are put back afterwards.
class PendingDeletionsTest : public testing::Test {
protected:
    void SetUp() override
    {
        FillBytes(&context, 0, sizeof context);
        ProductItem row = ProductTable[0];
        row.displayName = "Tessaly";
        BuildSetupContext(&context, "Tessaly", "Tessaly", &row, 1, 0, 0);
        uninstaller = context.items[0].uninstallerPath;
        library = context.extensionDllPath;
        wininit = WindowsFolder() + "\\wininit.ini";
        wininitBackup = WindowsFolder() + "\\wininit.bak";
        for (const std::string& path : {uninstaller, library, wininit, wininitBackup})
            savedFiles.push_back(ReadFileState(path));
        for (const std::string& path : {uninstaller, library}) {
            if (!FileExists(path))
                WriteWholeFile(path, "stand-in");
        }
        savedPending = ReadWide(SessionManager, PendingValue);
        renameKeyExisted = probe::KeyExists(HKEY_LOCAL_MACHINE, RenameOperationsKey);
        shortUninstaller = ShortPathOf(uninstaller);
        shortLibrary = ShortPathOf(library);
        ASSERT_FALSE(shortUninstaller.empty() || shortLibrary.empty());
    }

    void TearDown() override
    {
        const std::string paths[] = {uninstaller, library, wininit, wininitBackup};
        for (size_t i = 0; i < savedFiles.size(); i++)
            RestoreFile(paths[i], savedFiles[i]);
        WriteWide(SessionManager, PendingValue, savedPending);
        if (!renameKeyExisted)
            probe::DeleteTree(HKEY_LOCAL_MACHINE, RenameOperationsKey);
        for (const char* name : {"old.txt", "a.txt", "b.txt"})
            DeleteFileA((OtherFolder + "\\" + name).c_str());
        RemoveDirectoryA(OtherFolder.c_str());
        FreeSetupContext(&context);
        CurrentSetupContext = nullptr;
    }

    // Another program's folder with a file to delete and one to rename.
    void MakeOtherFiles()
    {
        CreateDirectoryA(OtherFolder.c_str(), nullptr);
        WriteWholeFile(OtherFolder + "\\old.txt", "old");
        WriteWholeFile(OtherFolder + "\\a.txt", "a");
    }

    // What a restart does, carried out by Wine's own start-up program from
    // the host side.
    static long Restart()
    {
        return host::RunShell("wineboot -r >/dev/null 2>&1");
    }

    SetupContext context;
    std::string uninstaller;
    std::string library;
    std::string wininit;
    std::string wininitBackup;
    std::string shortUninstaller;
    std::string shortLibrary;
    std::vector<FileState> savedFiles;
    probe::Value savedPending;
    bool renameKeyExisted = false;
};

TEST_F(PendingDeletionsTest, NamesInstalledFileTakesTheSelectedUninstallersAndTheLibrary)
{
    const std::string missingLibrary = WindowsFolder() + "\\system32\\NoSuchOrvandel.dll";
    struct Case {
        const char* name;
        std::string text;
        bool shortForm;
        bool selected;
        const char* libraryPath;  // null: the context's own
        bool expected;
    } cases[] = {
        {"uninstaller with object prefix", "\\??\\" + uninstaller, false, true, nullptr, true},
        {"library with object prefix", "\\??\\" + library, false, true, nullptr, true},
        {"uninstaller inside a longer text", "x" + uninstaller + ".bak", false, true, nullptr, true},
        {"uninstaller in lower case", Lower(uninstaller), false, true, nullptr, false},
        {"uninstaller cut short", uninstaller.substr(0, uninstaller.size() - 1), false, true, nullptr, false},
        {"another file", WindowsFolder() + "\\Other.exe", false, true, nullptr, false},
        {"empty text", "", false, true, nullptr, false},
        {"short uninstaller", shortUninstaller, true, true, nullptr, true},
        {"short library", shortLibrary, true, true, nullptr, true},
        {"short uninstaller with more behind", shortUninstaller + ".OLD", true, true, nullptr, true},
        {"short uninstaller cut short", shortUninstaller.substr(0, shortUninstaller.size() - 1), true, true,
         nullptr, false},
        {"short uninstaller after a space", " " + shortUninstaller, true, true, nullptr, false},
        {"long path where the short one is asked", uninstaller, true, true, nullptr, false},
        {"empty text, short form", "", true, true, nullptr, false},
        {"unselected uninstaller", "\\??\\" + uninstaller, false, false, nullptr, false},
        {"unselected uninstaller, short", shortUninstaller, true, false, nullptr, false},
        {"library with the item unselected", "\\??\\" + library, false, false, nullptr, true},
        {"library with the item unselected, short", shortLibrary, true, false, nullptr, true},
        {"missing library by its path", "\\??\\" + missingLibrary, false, true, missingLibrary.c_str(), true},
        {"missing library has no short path", missingLibrary, true, true, missingLibrary.c_str(), false},
        {"an empty path names nothing", "\\??\\C:\\x", false, false, "", false},
    };
    ASSERT_NE(Lower(uninstaller), uninstaller);
    char* ownLibrary = context.extensionDllPath;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + ": \"" + c.text + "\"");
        context.selected[0] = c.selected;
        context.extensionDllPath = const_cast<char*>(c.libraryPath ? c.libraryPath : ownLibrary);
        EXPECT_EQ(NamesInstalledFile(&context, c.text.c_str(), c.shortForm), c.expected);
    }
    context.extensionDllPath = ownLibrary;
}

// One line of a wininit.ini built for a test, the bytes that end it, and
// whether the cleanup must blank it.
struct WininitLine {
    const char* name;
    std::string text;
    bool blanked;
    std::string ending;
};

// The file of the lines, and the file as the cleanup must leave it: a
// blanked line becomes spaces together with the CR or LF that ended it, so
// that every byte keeps its place.
static std::string Joined(const std::vector<WininitLine>& lines, bool cleaned)
{
    std::string file;
    for (const WininitLine& line : lines) {
        size_t endingBlanked = line.ending.empty() ? 0 : 1;
        if (cleaned && line.blanked)
            file += std::string(line.text.size() + endingBlanked, ' ') + line.ending.substr(endingBlanked);
        else
            file += line.text + line.ending;
    }
    return file;
}

TEST_F(PendingDeletionsTest, WininitLinesOfTheInstalledFilesAreBlankedInPlace)
{
    if (!VersionIs("win98"))
        GTEST_SKIP() << "wininit.ini is the store of the 9x family";
    const std::string& u = shortUninstaller;
    const std::string& l = shortLibrary;
    ASSERT_NE(Lower(u), u);
    const std::string crlf = "\r\n";
    std::vector<WininitLine> lines = {
        {"section line", "[Rename]", false, crlf},
        {"uninstaller", "NUL=" + u, true, crlf},
        {"library", "NUL=" + l, true, crlf},
        {"lower case key, spaces around =", "nul = " + u, true, crlf},
        {"tabs around the key and =", "\tNuL\t=\t" + l, true, crlf},
        {"value longer than the short path", "NUL=" + u + ".OLD", true, crlf},
        {"value in another case", "NUL=" + Lower(u), false, crlf},
        {"rename key not yet patched", "ZJ2=" + u, false, crlf},
        {"rename key after two spaces", "  ZJ7=" + u, false, crlf},
        {"rename key in lower case", "zj1=" + u, false, crlf},
        {"NUL in mid-line", "X NUL=" + u, false, crlf},
        {"NULL key", "NULL=" + u, false, crlf},
        {"no =", "NUL " + u, false, crlf},
        {"another program's deletion", "NUL=C:\\OTHER\\OLD.TXT", false, crlf},
        {"empty line", "", false, crlf},
        {"line ended by LF alone", "NUL=" + u, true, "\n"},
        {"line ended by CR alone", "NUL=" + l, true, "\r"},
        {"bytes above 0x7f before the path", "NUL=\xff\x81" + u, false, crlf},
        {"zero byte and binary bytes after the path", "NUL=" + u + std::string("\0\xfe\x01junk", 7), true, crlf},
        {"zero byte before the key", std::string("\0", 1) + "NUL=" + u, false, crlf},
        {"line longer than the buffer", std::string(1500, 'x'), false, crlf},
        {"deletion after 1024 characters", std::string(1024, 'x') + "NUL=" + u, false, crlf},
        {"deletion after 1023 characters", std::string(1023, 'x') + "NUL=" + u, false, crlf},
        {"deletion with a long tail", "NUL=" + l + std::string(2000, 'x'), true, crlf},
        {"last line without a line break", "NUL=" + u, true, ""},
    };
    const std::string before = Joined(lines, false);
    WriteWholeFile(wininit, before);
    CancelPendingDeletions(&context);

    const std::string after = ReadWholeFile(wininit);
    const std::string expected = Joined(lines, true);
    ASSERT_EQ(after.size(), before.size());
    size_t at = 0;
    for (const WininitLine& line : lines) {
        SCOPED_TRACE(line.name);
        size_t length = line.text.size() + line.ending.size();
        EXPECT_EQ(after.substr(at, length), expected.substr(at, length));
        at += length;
    }
}

TEST_F(PendingDeletionsTest, TinyOrMissingWininitFilesAreScannedWithinTheirBytes)
{
    if (!VersionIs("win98"))
        GTEST_SKIP() << "wininit.ini is the store of the 9x family";
    struct Case {
        const char* name;
        std::string before;
        std::string after;
    } cases[] = {
        {"empty", "", ""},
        {"one byte", "N", "N"},
        {"two bytes", "NU", "NU"},
        {"a line break", "\r\n", "\r\n"},
        {"two zero bytes", std::string("\0\0", 2), std::string("\0\0", 2)},
        {"key without value", "NUL", "NUL"},
        {"only a deletion, no line break", "NUL=" + shortLibrary, std::string(4 + shortLibrary.size(), ' ')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteWholeFile(wininit, c.before);
        CancelPendingDeletions(&context);
        EXPECT_EQ(ReadWholeFile(wininit), c.after);
    }

    // Without a wininit.ini there is nothing to do, and none is made.
    DeleteFileA(wininit.c_str());
    CancelPendingDeletions(&context);
    EXPECT_FALSE(FileExists(wininit));

    // The NT family's store is not this family's: it stays as it is.
    probe::Value pending = probe::Stored(REG_MULTI_SZ, Utf16(Strings({L"\\??\\" + Wide(library), L""}) + L'\0'));
    WriteWide(SessionManager, PendingValue, pending);
    CancelPendingDeletions(&context);
    EXPECT_TRUE(SameValue(ReadWide(SessionManager, PendingValue), pending));
}

// A removal leaves the two deletions behind; a reinstall cancels them; the
// restart then deletes only another program's file.
TEST_F(PendingDeletionsTest, AfterTheCleanupARestartKeepsTheInstalledFilesOn9x)
{
    if (!VersionIs("win98"))
        GTEST_SKIP() << "wininit.ini is the store of the 9x family";
    MakeOtherFiles();
    const std::string other = ShortPathOf(OtherFolder + "\\old.txt");
    ASSERT_FALSE(other.empty());
    WriteWide(SessionManager, PendingValue, probe::Missing());
    WriteWholeFile(wininit, "[Rename]\r\nNUL=" + shortUninstaller + "\r\nNUL=" + other + "\r\nNUL=" + shortLibrary + "\r\n");
    CancelPendingDeletions(&context);
    ASSERT_EQ(Restart(), 0) << "wineboot -r";
    EXPECT_TRUE(FileExists(uninstaller));
    EXPECT_TRUE(FileExists(library));
    EXPECT_FALSE(FileExists(OtherFolder + "\\old.txt")) << "another program's deletion was carried out";
}

// Entries made by the platform's own delayed deletion and rename: ours go,
// another program's delete and rename entries stay with their targets and
// the closing empty string, and the restart then carries out only theirs.
TEST_F(PendingDeletionsTest, ScheduledDeletionsOfTheInstalledFilesAreTakenOutOnNt)
{
    if (!NtFamilyPrefix())
        GTEST_SKIP() << "the pending operations are the store of the NT family";
    MakeOtherFiles();
    const std::string old = OtherFolder + "\\old.txt";
    const std::string a = OtherFolder + "\\a.txt";
    const std::string b = OtherFolder + "\\b.txt";
    WriteWide(SessionManager, PendingValue, probe::Missing());
    ASSERT_TRUE(MoveFileExA(library.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT));
    ASSERT_TRUE(MoveFileExA(old.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT));
    ASSERT_TRUE(MoveFileExA(uninstaller.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT));
    ASSERT_TRUE(MoveFileExA(a.c_str(), b.c_str(), MOVEFILE_DELAY_UNTIL_REBOOT));
    const std::wstring ours1 = Strings({L"\\??\\" + Wide(library), L""});
    const std::wstring theirs1 = Strings({L"\\??\\" + Wide(old), L""});
    const std::wstring ours2 = Strings({L"\\??\\" + Wide(uninstaller), L""});
    const std::wstring theirs2 = Strings({L"\\??\\" + Wide(a), L"\\??\\" + Wide(b)});
    const probe::Value before = ReadWide(SessionManager, PendingValue);
    ASSERT_TRUE(SameValue(before, probe::Stored(REG_MULTI_SZ, Utf16(ours1 + theirs1 + ours2 + theirs2 + L'\0'))));

    // wininit.ini belongs to the 9x family: a matching line stays.
    const std::string wininitText = "[Rename]\r\nNUL=" + shortLibrary + "\r\n";
    WriteWholeFile(wininit, wininitText);

    CancelPendingDeletions(&context);
    const probe::Value after = ReadWide(SessionManager, PendingValue);
    EXPECT_TRUE(SameValue(after, probe::Stored(REG_MULTI_SZ, Utf16(theirs1 + theirs2 + L'\0'))));
    EXPECT_EQ(before.bytes.size() - after.bytes.size(), (ours1.size() + ours2.size()) * sizeof(wchar_t));
    EXPECT_EQ(ReadWholeFile(wininit), wininitText);
    DeleteFileA(wininit.c_str());

    ASSERT_EQ(Restart(), 0) << "wineboot -r";
    EXPECT_TRUE(FileExists(uninstaller));
    EXPECT_TRUE(FileExists(library));
    EXPECT_FALSE(FileExists(old)) << "another program's deletion was carried out";
    EXPECT_FALSE(FileExists(a)) << "another program's rename was carried out";
    EXPECT_TRUE(FileExists(b)) << "another program's rename was carried out";
}

// Whatever the value holds, the cleanup reads and writes only inside it,
// takes out whole entries whose source names an installed file, and leaves
// every other byte as stored; a value it does not change is not rewritten.
TEST_F(PendingDeletionsTest, MalformedPendingOperationsAreNeverCutOrOverrun)
{
    if (!NtFamilyPrefix())
        GTEST_SKIP() << "the pending operations are the store of the NT family";
    const std::wstring lib = L"\\??\\" + Wide(library);
    const std::wstring other = L"\\??\\C:\\other\\old.txt";
    const std::wstring renamed = L"\\??\\C:\\other\\new.txt";
    const std::wstring target = L"!\\??\\C:\\other\\renamed.txt";
    const std::wstring ours = Strings({lib, L""});
    const std::wstring theirs = Strings({other, L""});
    const std::wstring rename = Strings({renamed, target});
    const std::wstring end(1, L'\0');
    // Entries of 'x' filling the value up to the given number of ANSI bytes.
    auto filledTo = [&](size_t bytes) {
        return ours + Strings({std::wstring(bytes - ours.size() - 3, L'x'), L""}) + end;
    };
    struct Case {
        const char* name;
        std::string stored;  // UTF-16 bytes
        std::string expected;
        DWORD type;
    } cases[] = {
        {"ours between theirs", Utf16(theirs + ours + rename + ours + end), Utf16(theirs + rename + end), REG_MULTI_SZ},
        {"only ours", Utf16(ours + end), Utf16(end), REG_MULTI_SZ},
        {"a rename whose target is ours", Utf16(Strings({renamed, lib}) + end),
         Utf16(Strings({renamed, lib}) + end), REG_MULTI_SZ},
        {"ours after a rename", Utf16(rename + ours + theirs + end), Utf16(rename + theirs + end), REG_MULTI_SZ},
        {"ours renamed away", Utf16(Strings({lib, target}) + theirs + end), Utf16(theirs + end), REG_MULTI_SZ},
        {"ours in another case", Utf16(Strings({Wide(Lower(library)), L""}) + end),
         Utf16(Strings({Wide(Lower(library)), L""}) + end), REG_MULTI_SZ},
        {"no closing empty string", Utf16(theirs + ours), Utf16(theirs), REG_MULTI_SZ},
        {"ours without its target", Utf16(theirs + lib + L'\0'), Utf16(theirs + lib + L'\0'), REG_MULTI_SZ},
        {"ours without a terminator", Utf16(theirs + lib), Utf16(theirs + lib), REG_MULTI_SZ},
        {"ours after the closing empty string", Utf16(theirs + end + ours), Utf16(theirs + end + ours),
         REG_MULTI_SZ},
        {"empty", "", "", REG_MULTI_SZ},
        {"closing string only", Utf16(end), Utf16(end), REG_MULTI_SZ},
        {"odd length, ours first", Utf16(ours + theirs + end) + "x", Utf16(theirs + end), REG_MULTI_SZ},
        {"odd length, none of ours", Utf16(theirs + end) + "x", Utf16(theirs + end) + "x", REG_MULTI_SZ},
        {"exactly 16384 bytes", Utf16(filledTo(16384)), Utf16(filledTo(16384).substr(ours.size())), REG_MULTI_SZ},
        {"16384 bytes without a terminator", Utf16(lib + std::wstring(16384 - lib.size(), L'x')),
         Utf16(lib + std::wstring(16384 - lib.size(), L'x')), REG_MULTI_SZ},
        {"longer than 16384 bytes", Utf16(filledTo(16385)), Utf16(filledTo(16385)), REG_MULTI_SZ},
        {"binary data", Utf16(ours + end), Utf16(ours + end), REG_BINARY},
        // Rewritten through the code page, the other entry would lose its
        // character: a value without a match is left alone.
        {"none of ours, a character outside the code page", Utf16(Strings({L"\\??\\C:\\\x263a.txt", L""}) + end),
         Utf16(Strings({L"\\??\\C:\\\x263a.txt", L""}) + end), REG_MULTI_SZ},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteWide(SessionManager, PendingValue, probe::Stored(c.type, c.stored));
        CancelPendingDeletions(&context);
        EXPECT_TRUE(SameValue(ReadWide(SessionManager, PendingValue), probe::Stored(c.type, c.expected)));
    }
}

TEST_F(PendingDeletionsTest, RenameOperationValuesNamingAnInstalledFileAreDeleted)
{
    if (!NtFamilyPrefix())
        GTEST_SKIP() << "the pending operations are the store of the NT family";
    struct Case {
        std::wstring name;
        bool kept;
    } cases[] = {
        {L"\\??\\" + Wide(library), false},
        {Wide(uninstaller), false},
        {L"first " + Wide(library) + L" again", false},
        {L"C:\\other\\old.txt", true},
        {Wide(Lower(library)), true},
        // Not to be spelled in the code page: it cannot be deleted through
        // it, and must not hold the cleanup up either.
        {L"\x263a " + Wide(library), true},
        {L"\\??\\" + Wide(uninstaller) + L".bak", false},
    };
    probe::DeleteTree(HKEY_LOCAL_MACHINE, RenameOperationsKey);
    for (const Case& c : cases)
        WriteWide(RenameOperationsKey, c.name.c_str(), probe::Text("x"));
    CancelPendingDeletions(&context);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name.begin(), c.name.end()));
        EXPECT_EQ(ReadWide(RenameOperationsKey, c.name.c_str()).found, c.kept);
    }
}
