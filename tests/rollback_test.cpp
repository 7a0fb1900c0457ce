#include "core/setup_context.h"
#include "foundation/memory.h"
#include "foundation/paths.h"
#include "host_command.h"
#include "install/file_removal.h"
#include "install/find_extension.h"
#include "install/machine_product_key.h"
#include "install/registration_removal.h"
#include "install/scheduled_deletion.h"
#include "install/search_file_class.h"
#include "install/taskbar.h"
#include "install/uninstall_entry.h"
#include "product_rows.h"
#include "registry_probe.h"
#include "test_files.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

static const std::string Clsid = "{7d2a94b0-3e61-11d0-9c5a-00a024b7e813}";
static const std::string ClassKey = "CLSID\\" + Clsid;
static const std::string FindKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\explorer\\FindExtensions\\Redadi";
static const std::string ApprovedKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
static const std::string UninstallKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
static const std::string MakerKey = "Software\\Quenbrook";
static const std::string FamilyKey = "Software\\Quenbrook\\Orvandel\\CurrentVersion";
static const std::string SessionManagerKey = "System\\CurrentControlSet\\Control\\Session Manager";
static const char PendingValue[] = "PendingFileRenameOperations";
static const std::string SearchPageKey = "Software\\Microsoft\\Internet Explorer\\Main";
static const std::string DefaultFolder = "C:\\Program Files\\Quenbrook\\Tessaly";
// Folders of the tests' own at the top of the drive.
static const std::string WalkRoot = "C:\\tessaly-walk";
static const std::string OtherProgramFolder = "C:\\tessaly-other";

static std::string LibraryPath()
{
    return SystemFolder() + "\\Orvandel.dll";
}

static std::string WininitPath()
{
    return WindowsFolder() + "\\wininit.ini";
}

static void PutFile(const std::string& path, const std::string& bytes = "sample content")
{
    WriteWholeFile(path, bytes);
}

// The file's bytes; "(missing)" when there is no such file.
static std::string FileBytes(const std::string& path)
{
    return FileExists(path) ? ReadWholeFile(path) : "(missing)";
}

// Short names are made by the platform: the expectation asks it too.
static std::string ShortPathOf(const std::string& path)
{
    char shortPath[MAX_PATH];
    DWORD length = GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
    return length > 0 && length < MAX_PATH ? shortPath : "(no short path for " + path + ")";
}

static std::string Sz(const std::string& text)
{
    return std::string(text.c_str(), text.size() + 1);
}

// Each string with its terminator.
static std::string Strings(const std::vector<std::string>& strings)
{
    std::string bytes;
    for (const std::string& s : strings)
        bytes += Sz(s);
    return bytes;
}

// A REG_MULTI_SZ value's bytes: the strings, then the closing empty string.
static std::string MultiSz(const std::vector<std::string>& strings)
{
    return Strings(strings) + '\0';
}

// What a delayed deletion looks like in the pending rename operations: the
// source with the platform's object-name prefix, then an empty target.
static std::vector<std::string> DeletionEntry(const std::string& path)
{
    return {"\\??\\" + path, ""};
}

// ---------------------------------------------------------------------------
// A record of the machine: every key and value of the registry and every
// file and folder of the drive, so that a removal can be compared with the
// machine before the install.

using Record = std::map<std::string, std::string>;

static void RecordKey(HKEY root, const std::string& path, Record& record)
{
    HKEY key;
    if (RegOpenKeyExA(root, path.empty() ? nullptr : path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    std::string where = std::string(probe::RootName(root)) + "\\" + path;
    record["key " + where] = "";
    std::vector<char> name(32768);
    std::vector<BYTE> data(65536);
    for (DWORD i = 0;; i++) {
        DWORD nameSize = static_cast<DWORD>(name.size());
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = REG_NONE;
        LONG result = RegEnumValueA(key, i, name.data(), &nameSize, nullptr, &type, data.data(), &dataSize);
        if (result == ERROR_MORE_DATA) {
            data.resize(dataSize + 1);
            i--;
            continue;
        }
        if (result != ERROR_SUCCESS)
            break;
        record["value " + where + " > " + name.data()] =
            std::to_string(type) + ":" + std::string(reinterpret_cast<char*>(data.data()), dataSize);
    }
    std::vector<std::string> children;
    for (DWORD i = 0;; i++) {
        DWORD nameSize = static_cast<DWORD>(name.size());
        if (RegEnumKeyExA(key, i, name.data(), &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        children.push_back(name.data());
    }
    RegCloseKey(key);
    for (const std::string& child : children)
        RecordKey(root, path.empty() ? child : path + "\\" + child, record);
}

// The drive as the host's find sees it (without following the links Wine
// makes to the home folder's desktop and documents): every folder, and every
// file with its type, size and time of last change.
static bool RecordDrive(Record& record)
{
    const char* build = std::getenv("TESSALY_BUILD");
    const char* version = std::getenv("TESSALY_EXPECTED_WINDOWS");
    std::string drive = host::UnixPathOf("C:\\");
    if (!build || !version || drive.empty())
        return false;
    std::string listing = std::string(build) + "/rollback-drive-" + version + ".txt";
    std::string command = "find -H " + host::Quoted(drive) + " -mindepth 1 \\( -type d -printf 'folder %P\\n' \\)"
        " -o -printf 'file %P\\t%y %s %T@\\n' >" + host::Quoted(listing);
    if (host::RunShell(command) != 0)
        return false;
    std::ifstream in(host::WindowsPathOf(listing), std::ios::binary);
    std::string line;
    size_t entries = 0;
    for (; std::getline(in, line); entries++) {
        size_t tab = line.find('\t');
        record[line.substr(0, tab)] = tab == std::string::npos ? "" : line.substr(tab + 1);
    }
    return entries > 0;
}

static Record RecordMachine()
{
    Record record;
    // HKEY_CLASSES_ROOT shows the classes keys of these two roots, which are
    // recorded with them.
    RecordKey(HKEY_LOCAL_MACHINE, "", record);
    RecordKey(HKEY_CURRENT_USER, "", record);
    EXPECT_TRUE(RecordDrive(record)) << "the host's find could not list the drive";
    return record;
}

// How a path of the drive appears in a record.
static std::string DriveEntry(const std::string& windowsPath)
{
    std::string path = windowsPath.substr(3);
    for (char& c : path) {
        if (c == '\\')
            c = '/';
    }
    return "file " + path;
}

// The two stores of scheduled deletions: the pending rename operations (under
// each name the registry shows the control set by) and wininit.ini.
static bool IsScheduleStore(const std::string& entry)
{
    const std::string pending = std::string(" > ") + PendingValue;
    return (entry.size() > pending.size() && entry.compare(entry.size() - pending.size(), pending.size(), pending) == 0)
        || entry == DriveEntry(WininitPath());
}

// State that Wine's own processes keep up to date on their own schedule (the
// devices and displays its services find when a prefix starts, the desktop's
// current parameters), while a test runs. The install touches none of it.
static bool IsPlatformsOwnState(const std::string& entry)
{
    std::string where = entry.substr(entry.find(' ') + 1);
    if (where.rfind("HKLM\\Hardware\\", 0) == 0
        || where.rfind("HKCU\\Software\\Wine\\Temporary System Parameters", 0) == 0)
        return true;
    if (where.rfind("HKLM\\System\\", 0) != 0)
        return false;
    // Below the control set, whichever name the registry shows it by.
    size_t controlSet = where.find('\\', 12);
    std::string below = controlSet == std::string::npos ? "" : where.substr(controlSet + 1);
    for (const char* part : {"Control\\Class\\", "Control\\DeviceClasses\\", "Control\\Video",
                             "Control\\ServiceCurrent", "Enum\\", "Hardware Profiles\\"}) {
        if (below.rfind(part, 0) == 0)
            return true;
    }
    return false;
}

// What differs between two records, but for the schedule stores (which the
// tests compare byte for byte), the platform's own state and the entries
// named in allowed.
static std::vector<std::string> Differences(const Record& before, const Record& after,
                                            const std::vector<std::string>& allowed = {})
{
    std::vector<std::string> found;
    auto note = [&](const std::string& what, const std::string& entry) {
        if (IsScheduleStore(entry) || IsPlatformsOwnState(entry)
            || std::find(allowed.begin(), allowed.end(), entry) != allowed.end())
            return;
        found.push_back(what + entry);
    };
    for (const auto& [entry, content] : before) {
        auto other = after.find(entry);
        if (other == after.end())
            note("lost: ", entry);
        else if (other->second != content)
            note("changed: ", entry);
    }
    for (const auto& [entry, content] : after) {
        if (!before.count(entry))
            note("left behind: ", entry);
    }
    return found;
}

static std::string Listed(const std::vector<std::string>& entries)
{
    std::ostringstream out;
    for (const std::string& e : entries)
        out << "\n  " << e;
    return out.str();
}

// ---------------------------------------------------------------------------

class RollbackTest : public testing::Test {
protected:
    void SetUp() override
    {
        FillBytes(&context, 0, sizeof context);
        const char* version = std::getenv("TESSALY_EXPECTED_WINDOWS");
        if (!version)
            GTEST_SKIP() << "not started for a particular Windows version";
        nineX = std::string(version) == "win98";
        CleanMachine();
    }
    void TearDown() override
    {
        FreeSetupContext(&context);
        CurrentSetupContext = nullptr;
        CleanMachine();
    }

    // Nothing of an install, nothing scheduled, none of the tests' own things.
    static void CleanMachine()
    {
        for (const char* name : {".TessalySearch", "TessalySearchFile", ".OtherSearch", "OtherSearchFile",
                                 "TessalyTestsClass"})
            probe::DeleteTree(HKEY_CLASSES_ROOT, name);
        probe::DeleteTree(HKEY_CLASSES_ROOT, ClassKey);
        probe::DeleteTree(HKEY_LOCAL_MACHINE, FindKey);
        for (const char* name : {"Tessaly", "Other", "TessalyTestsOther"})
            probe::DeleteTree(HKEY_LOCAL_MACHINE, UninstallKey + "\\" + name);
        probe::DeleteTree(HKEY_LOCAL_MACHINE, MakerKey);
        probe::DeleteTree(HKEY_CURRENT_USER, MakerKey);
        probe::DeleteValue(HKEY_LOCAL_MACHINE, ApprovedKey, Clsid.c_str());
        probe::DeleteValue(HKEY_LOCAL_MACHINE, SessionManagerKey, PendingValue);
        for (const std::string& file : {WininitPath(), WindowsFolder() + "\\wininit.bak", LibraryPath(),
                                        WindowsFolder() + "\\TessalyUninstall.exe",
                                        WindowsFolder() + "\\OtherUninstall.exe",
                                        TempFolder() + "tessaly-test.zja", TempFolder() + "tessaly-test-keep.tmp"})
            DeleteFileA(file.c_str());
        for (const std::string& folder : {std::string("C:\\Program Files\\Quenbrook"), TempFolder() + "quenbrook",
                                          WalkRoot, OtherProgramFolder})
            RemoveTree(folder);
    }

    std::string Installed(DWORD i, const char* name) const
    {
        std::string folder = context.items[i].installFolder;
        return folder + (folder.back() == '\\' ? "" : "\\") + name;
    }

    // What the file step has put in place when it stops before a step.
    enum Stage { NothingPlaced, FolderMade, LibraryCopied, ProgramCopied, HelpCopied, HelpContentsCopied,
                 AllFilesCopied };

    void PlaceFiles(Stage stage)
    {
        for (DWORD i = 0; i < context.itemCount; i++) {
            const ProductItem& item = context.items[i];
            if (!context.selected[i])
                continue;
            if (stage >= FolderMade)
                CreateFolders(item.installFolder);
            if (stage >= LibraryCopied && !FileExists(LibraryPath()))
                PutFile(LibraryPath());
            if (stage >= ProgramCopied)
                PutFile(Installed(i, item.exeName));
            if (stage >= HelpCopied)
                PutFile(Installed(i, item.helpFileName));
            if (stage >= HelpContentsCopied)
                PutFile(Installed(i, item.helpContentsName));
            if (stage >= AllFilesCopied)
                PutFile(item.uninstallerPath);
        }
    }

    // The family's temporary files, as the payload extraction leaves them.
    static void PlaceTemporaryFiles()
    {
        CreateFolders(TempFolder() + "quenbrook");
        PutFile(TempFolder() + "quenbrook\\ZJ1234.tmp");
        PutFile(TempFolder() + "tessaly-test.zja");
    }

    // What the wizard pages store.
    static void CommitSettings()
    {
        probe::Write(HKEY_CURRENT_USER, FamilyKey + "\\Updates", "username", REG_SZ, Sz("Test User"));
        probe::Write(HKEY_CURRENT_USER, FamilyKey + "\\Updates", "Subscribe", REG_DWORD, std::string("\1\0\0\0", 4));
        probe::Write(HKEY_CURRENT_USER, FamilyKey + "\\Updates", "httpProxyServer", REG_SZ, Sz("proxy.example"));
    }

    // The registrations in the order and with the texts of a real install.
    void Register()
    {
        for (DWORD i = 0; i < context.itemCount; i++) {
            if (!context.selected[i])
                continue;
            const ProductItem& item = context.items[i];
            RemoveMachineProductKey(&context, item.settingsKey);
            RegisterItemFileClass(&context, i);
            probe::Write(HKEY_CURRENT_USER, FamilyKey + "\\" + item.settingsKey, "Distributor", REG_SZ,
                         Sz("Quenbrook"));
        }
        RegisterFindExtension(&context);
        NotifyTaskbar();
        RegisterUninstallEntry(&context);
    }

    void RollBack()
    {
        RemoveRegistration(&context);
        RemoveFiles(&context);
    }

    // What the stores of scheduled deletions hold, as one text: the bytes of
    // the pending rename operations on the NT family, of wininit.ini on the
    // 9x family.
    std::string ScheduleStore() const
    {
        if (nineX)
            return FileBytes(WininitPath());
        probe::Value value = probe::Read(HKEY_LOCAL_MACHINE, SessionManagerKey, PendingValue);
        if (!value.found)
            return "(missing)";
        return value.type == REG_MULTI_SZ ? value.bytes : "(not REG_MULTI_SZ)";
    }

    // The schedule store after the deletions of files were added to what it
    // held before: appended to the pending rename operations, and in
    // wininit.ini added at the end of the section "Rename" as "NUL" entries
    // with short paths.
    std::string StoreWithDeletions(const std::string& before, const std::vector<std::string>& files) const
    {
        if (files.empty())
            return before;
        std::string entries;
        for (const std::string& file : files)
            entries += nineX ? "NUL=" + ShortPathOf(file) + "\r\n" : Strings(DeletionEntry(file));
        if (!nineX)
            return (before == "(missing)" ? "" : before.substr(0, before.size() - 1)) + entries + '\0';
        size_t section = before == "(missing)" ? std::string::npos : before.find("[Rename]\r\n");
        if (section == std::string::npos)
            return (before == "(missing)" ? "" : before) + "[Rename]\r\n" + entries;
        size_t next = before.find("\r\n[", section);
        size_t end = next == std::string::npos ? before.size() : next + 2;
        return before.substr(0, end) + entries + before.substr(end);
    }

    // Runs what Windows runs at its next start, in this prefix: Wine's
    // restart carries out wininit.ini (keeping it as wininit.bak) and the
    // pending rename operations.
    static void Restart()
    {
        const char* build = std::getenv("TESSALY_BUILD");
        const char* version = std::getenv("TESSALY_EXPECTED_WINDOWS");
        ASSERT_TRUE(build && version);
        std::string log = std::string(build) + "/rollback-wineboot-" + version + ".log";
        ASSERT_EQ(host::RunShell("wineboot -r >" + host::Quoted(log) + " 2>&1"), 0) << log;
        DeleteFileA((WindowsFolder() + "\\wininit.bak").c_str());
    }

    SetupContext context;
    bool nineX = false;
};

// The install fails at each step in turn and is rolled back: afterwards the
// machine is as it was before, but for the uninstaller, which is only
// scheduled for deletion, never deleted at once. The restart then carries out
// what was scheduled.
TEST_F(RollbackTest, AfterAFailureAtEachStepNothingOfTheInstallIsLeftButTheScheduledUninstaller)
{
    struct Case {
        const char* name;
        Stage placed;
        bool committed;
        bool registered;
    } cases[] = {
        {"the install folder could not be made", NothingPlaced, false, false},
        {"the library could not be copied", FolderMade, false, false},
        {"the program could not be copied", LibraryCopied, false, false},
        {"the help file could not be copied", ProgramCopied, false, false},
        {"the help contents could not be copied", HelpCopied, false, false},
        {"the uninstaller could not be copied", HelpContentsCopied, false, false},
        {"the settings could not be stored", AllFilesCopied, true, false},
        {"everything was installed and registered", AllFilesCopied, true, true},
    };
    BuildInstallContext(&context, {TessalyRow()}, DefaultFolder);
    const std::string uninstaller = context.items[0].uninstallerPath;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CleanMachine();
        Record before = RecordMachine();
        std::string storeBefore = ScheduleStore();
        PlaceFiles(c.placed);
        PlaceTemporaryFiles();
        if (c.committed)
            CommitSettings();
        if (c.registered)
            Register();
        bool uninstallerPlaced = c.placed == AllFilesCopied;
        // The 9x family's entry needs the file's short path, so a missing
        // uninstaller gets none there.
        std::vector<std::string> scheduled;
        if (uninstallerPlaced || !nineX)
            scheduled.push_back(uninstaller);
        std::string expectedStore = StoreWithDeletions(storeBefore, scheduled);

        RollBack();

        Record after = RecordMachine();
        std::vector<std::string> allowed;
        if (uninstallerPlaced)
            allowed.push_back(DriveEntry(uninstaller));
        std::vector<std::string> differences = Differences(before, after, allowed);
        EXPECT_TRUE(differences.empty()) << Listed(differences);
        EXPECT_EQ(FileExists(uninstaller), uninstallerPlaced);
        EXPECT_EQ(ScheduleStore(), expectedStore);

        Restart();
        EXPECT_FALSE(FileExists(uninstaller));
        EXPECT_EQ(ScheduleStore(), storeBefore);
    }
}

// What the machine held before the install stays, byte for byte: a file of
// the user's own in the install folder (which therefore stays), another
// product's settings beside the family's, another family's key of the same
// maker, another program's uninstall entry, and another program's pending
// deletions and renames.
TEST_F(RollbackTest, NothingOfTheMachinesOwnIsLost)
{
    BuildInstallContext(&context, {TessalyRow()}, DefaultFolder);
    CreateFolders(DefaultFolder);
    PutFile(DefaultFolder + "\\My notes.txt", "the user's own");
    PutFile(TempFolder() + "tessaly-test-keep.tmp");
    probe::Write(HKEY_CURRENT_USER, FamilyKey + "\\TessalyTestsProduct", "Kept", REG_SZ, Sz("another product"));
    probe::Write(HKEY_LOCAL_MACHINE, MakerKey + "\\TessalyTestsFamily", "Kept", REG_SZ, Sz("another family"));
    probe::Write(HKEY_LOCAL_MACHINE, UninstallKey + "\\TessalyTestsOther", "DisplayName", REG_SZ,
                 Sz("Someone else's program"));
    CreateFolders(OtherProgramFolder);
    for (const char* name : {"old.tmp", "a.txt"})
        PutFile(OtherProgramFolder + "\\" + name);
    if (nineX) {
        PutFile(WininitPath(), "[Rename]\r\nNUL=C:\\TESSAL~1\\OLD.TMP\r\nC:\\TESSAL~1\\B.TXT=C:\\TESSAL~1\\A.TXT\r\n"
                               "[Other]\r\nkey=value\r\n");
    } else {
        probe::Write(HKEY_LOCAL_MACHINE, SessionManagerKey, PendingValue, REG_MULTI_SZ,
                     MultiSz({"\\??\\" + OtherProgramFolder + "\\old.tmp", "",
                              "\\??\\" + OtherProgramFolder + "\\a.txt", "!\\??\\" + OtherProgramFolder + "\\b.txt"}));
    }

    Record before = RecordMachine();
    std::string storeBefore = ScheduleStore();
    PlaceFiles(AllFilesCopied);
    PlaceTemporaryFiles();
    CommitSettings();
    Register();
    std::string uninstaller = context.items[0].uninstallerPath;
    std::string expectedStore = StoreWithDeletions(storeBefore, {uninstaller});

    RollBack();

    std::vector<std::string> differences = Differences(before, RecordMachine(), {DriveEntry(uninstaller)});
    EXPECT_TRUE(differences.empty()) << Listed(differences);
    EXPECT_EQ(ScheduleStore(), expectedStore);
    EXPECT_TRUE(FileExists(DefaultFolder + "\\My notes.txt"));
}

struct KeyState {
    HKEY root;
    std::string path;
};

static void ExpectKeys(const std::vector<KeyState>& keys, bool present)
{
    for (const KeyState& k : keys) {
        EXPECT_EQ(probe::KeyExists(k.root, k.path), present)
            << probe::RootName(k.root) << "\\" << k.path << (present ? " is gone" : " is left");
    }
}

static void ExpectFiles(const std::vector<std::string>& paths, bool present)
{
    for (const std::string& path : paths)
        EXPECT_EQ(FileExists(path), present) << path << (present ? " is gone" : " is left");
}

// Another product of the family is still registered (its entry in the
// family's list of Find-menu entries): the product's own files and keys go,
// what the family shares stays. The other product is not selected, so
// nothing of its own is touched either.
TEST_F(RollbackTest, WhileAnotherProductOfTheFamilyIsRegisteredWhatTheFamilySharesStays)
{
    const std::string otherFolder = "C:\\Program Files\\Quenbrook\\Other";
    BuildInstallContext(&context, {TessalyRow(), OtherRow()}, DefaultFolder);
    lstrcpyA(context.items[1].installFolder, otherFolder.c_str());
    PlaceFiles(AllFilesCopied);
    PlaceTemporaryFiles();
    CommitSettings();
    Register();
    context.selected[1] = 0;
    const std::string uninstaller = context.items[0].uninstallerPath;
    std::string expectedStore = StoreWithDeletions(ScheduleStore(), {uninstaller});

    RollBack();

    ExpectFiles({Installed(0, "Tessaly.exe"), Installed(0, "Tessaly.hlp"), Installed(0, "Tessaly.cnt"),
                 DefaultFolder}, false);
    ExpectKeys({{HKEY_LOCAL_MACHINE, UninstallKey + "\\Tessaly"}, {HKEY_LOCAL_MACHINE, FindKey + "\\Tessaly"},
                {HKEY_CURRENT_USER, FamilyKey + "\\Email"}, {HKEY_CLASSES_ROOT, ".TessalySearch"},
                {HKEY_CLASSES_ROOT, "TessalySearchFile"}}, false);
    EXPECT_EQ(ScheduleStore(), expectedStore);

    ExpectFiles({LibraryPath(), TempFolder() + "quenbrook\\ZJ1234.tmp", TempFolder() + "tessaly-test.zja",
                 Installed(1, "Other.exe"), context.items[1].uninstallerPath}, true);
    ExpectKeys({{HKEY_CLASSES_ROOT, ClassKey + "\\InProcServer32"}, {HKEY_LOCAL_MACHINE, FindKey + "\\Other"},
                {HKEY_CURRENT_USER, FamilyKey + "\\Updates"}, {HKEY_CURRENT_USER, FamilyKey + "\\Other"},
                {HKEY_LOCAL_MACHINE, UninstallKey + "\\Other"}, {HKEY_CLASSES_ROOT, ".OtherSearch"}}, true);
    EXPECT_EQ(probe::Read(HKEY_CLASSES_ROOT, ClassKey + "\\InProcServer32", nullptr), probe::Text(LibraryPath()));
    EXPECT_EQ(probe::Read(HKEY_LOCAL_MACHINE, FindKey, nullptr), probe::Text(Clsid));
    EXPECT_EQ(probe::Read(HKEY_LOCAL_MACHINE, ApprovedKey, Clsid.c_str()),
              nineX ? probe::Missing() : probe::Text("Orvandel"));
}

// The shell holds the library loaded, so it cannot be deleted at once: it is
// scheduled with the uninstallers, and the restart deletes all of them. On
// the 9x family the entries are written under their own keys and then
// turned into "NUL" in place, so they keep their values and the file its
// length.
TEST_F(RollbackTest, ALibraryInUseIsScheduledWithTheUninstallersAndTheRestartDeletesThem)
{
    BuildInstallContext(&context, {TessalyRow(), OtherRow()}, DefaultFolder);
    PlaceFiles(AllFilesCopied);
    Register();
    HANDLE held = CreateFileA(LibraryPath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const std::vector<std::string> scheduled = {LibraryPath(), context.items[0].uninstallerPath,
                                                context.items[1].uninstallerPath};
    std::string expectedStore = StoreWithDeletions(ScheduleStore(), scheduled);

    RollBack();
    CloseHandle(held);

    EXPECT_TRUE(FileExists(LibraryPath()));
    EXPECT_EQ(ScheduleStore(), expectedStore);
    Restart();
    ExpectFiles(scheduled, false);
    EXPECT_EQ(ScheduleStore(), "(missing)");
}

// The patch sees only the start of each line, after white space, and only
// keys of "ZJ" and a hexadecimal digit; it never reads past the file's end.
TEST_F(RollbackTest, PatchWininitKeysTurnsOnlyTheKeysAtTheStartOfALine)
{
    const std::string longLine(3000, 'x');
    struct Case {
        const char* name;
        std::string before;
        std::string after;
    } cases[] = {
        {"an empty file", "", ""},
        {"one byte", "Z", "Z"},
        {"two bytes", "ZJ", "ZJ"},
        {"three bytes", "ZJ1", "NUL"},
        {"the section's entries", "[Rename]\r\nZJ1=C:\\A.DLL\r\nZJ2=C:\\B.EXE\r\n",
         "[Rename]\r\nNUL=C:\\A.DLL\r\nNUL=C:\\B.EXE\r\n"},
        {"after spaces and a tab", "  ZJ7=C:\\X\r\n\tZJf=C:\\Y\r\n", "  NUL=C:\\X\r\n\tNUL=C:\\Y\r\n"},
        {"an upper-case hexadecimal digit", "ZJA=C:\\X\r\n", "NUL=C:\\X\r\n"},
        {"no hexadecimal digit", "ZJx=C:\\X\r\nZJ=C:\\X\r\nZJ =C:\\X\r\n", "ZJx=C:\\X\r\nZJ=C:\\X\r\nZJ =C:\\X\r\n"},
        {"lower case", "zj1=C:\\X\r\nZj1=C:\\X\r\n", "zj1=C:\\X\r\nZj1=C:\\X\r\n"},
        {"in mid-line", "X=ZJ1\r\nNUL=C:\\ZJ1\r\n;ZJ1=C:\\X\r\n", "X=ZJ1\r\nNUL=C:\\ZJ1\r\n;ZJ1=C:\\X\r\n"},
        {"a two-digit key", "ZJ10=C:\\X\r\n", "NUL0=C:\\X\r\n"},
        {"another section", "[Other]\r\nZJ3=C:\\X\r\n", "[Other]\r\nNUL=C:\\X\r\n"},
        {"a last line without a line break", "[Rename]\r\nZJ2=C:\\X", "[Rename]\r\nNUL=C:\\X"},
        {"a key in the last three bytes", "\r\nZJ2", "\r\nNUL"},
        {"a key cut by the end of the file", "\r\n ZJ", "\r\n ZJ"},
        {"line feeds only", "ZJ1=a\nZJ2=b\n", "NUL=a\nNUL=b\n"},
        {"binary bytes", std::string("\0ZJ1\xff\r\nZJ2=\0\x80\r\n", 15), std::string("\0ZJ1\xff\r\nNUL=\0\x80\r\n", 15)},
        {"a line of 3000 characters", longLine + "ZJ1\r\nZJ2=C:\\X\r\n", longLine + "ZJ1\r\nNUL=C:\\X\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PutFile(WininitPath(), c.before);
        PatchWininitKeys();
        EXPECT_EQ(FileBytes(WininitPath()), c.after);
    }

    // A file held open by another writer is left alone; a missing one is not made.
    PutFile(WininitPath(), "ZJ1=C:\\X\r\n");
    HANDLE held = CreateFileA(WininitPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    PatchWininitKeys();
    CloseHandle(held);
    EXPECT_EQ(FileBytes(WininitPath()), "ZJ1=C:\\X\r\n");
    DeleteFileA(WininitPath().c_str());
    PatchWininitKeys();
    EXPECT_FALSE(FileExists(WininitPath()));
}

// The file class goes children first; a key that still holds another
// program's subkey stays, and a class that the extension names but that this
// program does not make is not touched.
TEST_F(RollbackTest, RemoveSearchFileClassTakesOnlyItsOwnKeysAndNoneThatHoldsAnother)
{
    struct Value {
        std::string key;
        const char* name;  // null for the default value
        std::string text;
    };
    struct Case {
        const char* name;
        bool registered;
        std::vector<Value> made;
        std::vector<std::string> gone;
        std::vector<std::string> kept;
    } cases[] = {
        {"as registered", true, {},
         {".TessalySearch", "TessalySearchFile"}, {}},
        {"another program's verb under the class", true,
         {{"TessalySearchFile\\shell\\edit\\command", nullptr, "edit %1"}},
         {".TessalySearch", "TessalySearchFile\\DefaultIcon", "TessalySearchFile\\shell\\open"},
         {"TessalySearchFile\\shell\\edit\\command"}},
        {"a subkey under the extension", true, {{".TessalySearch\\ShellNew", "NullFile", ""}},
         {"TessalySearchFile"}, {".TessalySearch\\ShellNew"}},
        {"the extension names another program's class", false,
         {{".TessalySearch", nullptr, "TessalyTestsClass"}, {"TessalyTestsClass\\DefaultIcon", nullptr, "icon"},
          {"TessalyTestsClass\\shell\\open\\command", nullptr, "open %1"}},
         {".TessalySearch"}, {"TessalyTestsClass\\DefaultIcon", "TessalyTestsClass\\shell\\open\\command"}},
        {"the extension without a default text", false,
         {{".TessalySearch", "Content Type", "text/plain"},
          {"TessalySearchFile\\shell\\open\\command", nullptr, "open %1"}},
         {".TessalySearch"}, {"TessalySearchFile\\shell\\open\\command"}},
    };
    BuildInstallContext(&context, {TessalyRow()}, DefaultFolder);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CleanMachine();
        if (c.registered)
            RegisterSearchFileClass(&context, "TessalySearch", "Tessaly Search", "icon", "open");
        for (const Value& v : c.made)
            ASSERT_TRUE(probe::Write(HKEY_CLASSES_ROOT, v.key, v.name, REG_SZ, Sz(v.text))) << v.key;

        RemoveSearchFileClass(&context, "TessalySearch");

        for (const std::string& key : c.gone)
            EXPECT_FALSE(probe::KeyExists(HKEY_CLASSES_ROOT, key)) << key;
        for (const std::string& key : c.kept)
            EXPECT_TRUE(probe::KeyExists(HKEY_CLASSES_ROOT, key)) << key;
    }
}

// The product's machine key goes, and its parents with it only while they
// hold nothing else.
TEST_F(RollbackTest, RemoveMachineProductKeyTakesTheParentsOnlyWhenTheyAreEmpty)
{
    const std::string family = "Software\\Quenbrook\\Orvandel";
    struct Case {
        const char* name;
        std::vector<std::string> made;
        std::vector<std::string> gone;
        std::vector<std::string> kept;
    } cases[] = {
        {"only the product's key", {FamilyKey + "\\Email"}, {MakerKey}, {}},
        {"another product's key beside it", {FamilyKey + "\\Email", FamilyKey + "\\Other"},
         {FamilyKey + "\\Email"}, {FamilyKey + "\\Other"}},
        {"a subkey under the product's key", {FamilyKey + "\\Email\\Sub"}, {}, {FamilyKey + "\\Email\\Sub"}},
        {"another family of the maker", {FamilyKey + "\\Email", MakerKey + "\\Elsewhere"},
         {family}, {MakerKey + "\\Elsewhere"}},
        {"no version key, another key under the family's", {family + "\\Settings"}, {}, {family + "\\Settings"}},
        {"nothing there", {}, {MakerKey}, {}},
    };
    BuildInstallContext(&context, {TessalyRow()}, DefaultFolder);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        probe::DeleteTree(HKEY_LOCAL_MACHINE, MakerKey);
        for (const std::string& key : c.made)
            ASSERT_TRUE(probe::Write(HKEY_LOCAL_MACHINE, key, "Value", REG_SZ, Sz("data")));

        RemoveMachineProductKey(&context, "Email");

        for (const std::string& key : c.gone)
            EXPECT_FALSE(probe::KeyExists(HKEY_LOCAL_MACHINE, key)) << key;
        for (const std::string& key : c.kept)
            EXPECT_EQ(probe::Read(HKEY_LOCAL_MACHINE, key, "Value"), probe::Text("data")) << key;
    }
}

// Puts the browser's search page back as it was when the test ends.
struct SearchPageKeeper {
    probe::Value saved = probe::Read(HKEY_CURRENT_USER, SearchPageKey, "Search Page");
    ~SearchPageKeeper()
    {
        probe::DeleteValue(HKEY_CURRENT_USER, SearchPageKey, "Search Page");
        if (saved.found)
            probe::Write(HKEY_CURRENT_USER, SearchPageKey, "Search Page", saved.type, saved.bytes);
    }
};

// A "News" product also leaves server caches in its folder, a "Web" product a
// start page, and a "Web" product's start page may have become the
// browser's search page; each is taken back for that product only.
TEST_F(RollbackTest, NewsAndWebProductsTakeBackTheirOwnExtras)
{
    SearchPageKeeper keeper;
    const std::string startPage = "http://start.example/Start.ZintaraSearch";
    struct Case {
        const char* settingsKey;
        DWORD pageType;
        std::string page;
        bool cachesGo;
        bool startPageGoes;
        bool pageReset;
    } cases[] = {
        {"Email", REG_SZ, startPage, false, false, false},
        {"News", REG_SZ, startPage, true, false, false},
        {"Web", REG_SZ, startPage, false, true, true},
        {"web", REG_SZ, "C:\\Pages\\START.ZINTARASEARCH.HTM", false, true, true},
        {"Web", REG_SZ, "http://search.example/", false, true, false},
        {"Web", REG_EXPAND_SZ, "%ProgramFiles%\\Start.ZintaraSearch", false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.settingsKey << " with the search page " << c.page);
        CleanMachine();
        FreeSetupContext(&context);
        ProductItem row = TessalyRow();
        row.settingsKey = c.settingsKey;
        BuildInstallContext(&context, {row}, DefaultFolder);
        PlaceFiles(AllFilesCopied);
        const std::vector<std::string> caches = {Installed(0, "a.servercache"), Installed(0, "b.servercache")};
        for (const std::string& file : caches)
            PutFile(file);
        PutFile(Installed(0, "Start.ZintaraSearch"));
        ASSERT_TRUE(probe::Write(HKEY_CURRENT_USER, SearchPageKey, "Search Page", c.pageType, Sz(c.page)));

        RollBack();

        ExpectFiles(caches, !c.cachesGo);
        EXPECT_EQ(FileExists(Installed(0, "Start.ZintaraSearch")), !c.startPageGoes);
        EXPECT_EQ(probe::Read(HKEY_CURRENT_USER, SearchPageKey, "Search Page"),
                  probe::Stored(c.pageType, Sz(c.pageReset ? "" : c.page)));
        RemoveTree(DefaultFolder);
    }
}

// The install folder goes, then each parent it leaves empty, with or without
// a final backslash; the walk stops at the first folder that holds
// something else.
TEST_F(RollbackTest, TheInstallFolderAndTheParentsItLeavesEmptyAreRemoved)
{
    struct Case {
        const char* name;
        std::string installFolder;
        std::vector<std::string> othersFolders;
        std::vector<std::string> gone;
        std::vector<std::string> kept;
    } cases[] = {
        {"without a final backslash", WalkRoot + "\\Quenbrook\\Tessaly", {WalkRoot + "\\Kept"},
         {WalkRoot + "\\Quenbrook"}, {WalkRoot + "\\Kept"}},
        {"with a final backslash", WalkRoot + "\\Quenbrook\\Tessaly\\", {WalkRoot + "\\Kept"},
         {WalkRoot + "\\Quenbrook"}, {WalkRoot + "\\Kept"}},
        {"a parent holding another folder", WalkRoot + "\\Quenbrook\\Tessaly", {WalkRoot + "\\Quenbrook\\Other"},
         {WalkRoot + "\\Quenbrook\\Tessaly"}, {WalkRoot + "\\Quenbrook\\Other"}},
        {"at the top of the drive", WalkRoot, {}, {WalkRoot}, {"C:\\windows"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CleanMachine();
        FreeSetupContext(&context);
        BuildInstallContext(&context, {TessalyRow()}, c.installFolder);
        for (const std::string& folder : c.othersFolders)
            CreateFolders(folder);
        PlaceFiles(AllFilesCopied);

        RollBack();

        ExpectFiles(c.gone, false);
        ExpectFiles(c.kept, true);
    }

    // Without an install folder the file names would be taken in the
    // current folder: nothing is taken from there.
    CleanMachine();
    FreeSetupContext(&context);
    BuildInstallContext(&context, {TessalyRow()}, "");
    CreateFolders(WalkRoot);
    PutFile(WalkRoot + "\\Tessaly.exe", "the user's own");
    char saved[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, saved);
    ASSERT_TRUE(SetCurrentDirectoryA(WalkRoot.c_str()));
    RollBack();
    SetCurrentDirectoryA(saved);
    EXPECT_TRUE(FileExists(WalkRoot + "\\Tessaly.exe"));
}
