#include "core/product_table.h"
#include "core/setup_context.h"
#include "foundation/memory.h"
#include "foundation/paths.h"
#include "foundation/text.h"
#include "guarded_buffer.h"
#include "host_command.h"
#include "install/desktop_shortcuts.h"
#include "install/find_extension.h"
#include "install/search_file_class.h"
#include "install/taskbar.h"
#include "install/uninstall_entry.h"
#include "product_rows.h"
#include "registry_probe.h"
#include "test_files.h"
#include <gtest/gtest.h>
#include <shlobj.h>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

static const std::string Clsid = "{7d2a94b0-3e61-11d0-9c5a-00a024b7e813}";
static const std::string ClassKey = "CLSID\\" + Clsid;
static const std::string FindKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\explorer\\FindExtensions\\Redadi";
static const std::string ApprovedKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
static const std::string UninstallKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
static const std::string DefaultFolder = "C:\\Program Files\\Quenbrook\\Tessaly";

// What the registrations look like under the Windows version of the prefix.
struct VersionExpectation {
    const char* version;
    bool searchMenu;  // the menu texts of the Search menu
    bool approved;    // the extension listed as approved
};

static const VersionExpectation* ExpectedForThisPrefix()
{
    static const VersionExpectation versions[] = {
        {"win98", false, false},
        {"nt40", false, true},
        {"win2k", true, true},
    };
    const char* name = std::getenv("TESSALY_EXPECTED_WINDOWS");
    for (const VersionExpectation& v : versions) {
        if (name && std::string(name) == v.version)
            return &v;
    }
    return nullptr;
}

static std::string FolderOfLength(size_t length)
{
    return "C:\\" + std::string(length - 3, 'f');
}

// Every test starts without the registrations and leaves none behind.
class RegistrationTest : public testing::Test {
protected:
    void SetUp() override
    {
        FillBytes(&context, 0, sizeof context);
        RemoveRegistrations();
    }
    void TearDown() override
    {
        FreeSetupContext(&context);
        CurrentSetupContext = nullptr;
        RemoveRegistrations();
    }

    static void RemoveRegistrations()
    {
        for (const char* name : {".TessalySearch", "TessalySearchFile", ".OtherSearch", "OtherSearchFile"})
            probe::DeleteTree(HKEY_CLASSES_ROOT, name);
        probe::DeleteTree(HKEY_CLASSES_ROOT, ClassKey);
        probe::DeleteTree(HKEY_LOCAL_MACHINE, FindKey);
        probe::DeleteTree(HKEY_LOCAL_MACHINE, UninstallKey + "\\Tessaly");
        probe::DeleteTree(HKEY_LOCAL_MACHINE, UninstallKey + "\\Other");
        probe::DeleteValue(HKEY_LOCAL_MACHINE, ApprovedKey, Clsid.c_str());
    }

    // The registrations in the order and with the texts of a real install.
    void Register()
    {
        for (DWORD i = 0; i < context.itemCount; i++) {
            if (!context.selected[i])
                continue;
            RegisterItemFileClass(&context, i);
        }
        RegisterFindExtension(&context);
        RegisterUninstallEntry(&context);
    }

    SetupContext context;
};

struct Entry {
    HKEY root;
    std::string path;
    const char* name;
    probe::Value expected;
};

static void ExpectEntries(const std::vector<Entry>& entries)
{
    for (const Entry& e : entries) {
        EXPECT_EQ(probe::Read(e.root, e.path, e.name), e.expected)
            << probe::RootName(e.root) << "\\" << e.path << " value " << (e.name ? e.name : "(default)");
    }
}

TEST_F(RegistrationTest, OneProductIsRegisteredValueByValue)
{
    const VersionExpectation* version = ExpectedForThisPrefix();
    if (!version)
        GTEST_SKIP() << "not started for a particular Windows version";
    BuildInstallContext(&context, {TessalyRow()}, DefaultFolder);
    Register();

    const std::string program = DefaultFolder + "\\Tessaly.exe";
    ExpectEntries({
        {HKEY_CLASSES_ROOT, ".TessalySearch", nullptr, probe::Text("TessalySearchFile")},
        {HKEY_CLASSES_ROOT, "TessalySearchFile", nullptr, probe::Text("Tessaly Search")},
        {HKEY_CLASSES_ROOT, "TessalySearchFile", "NeverShowExt", probe::Text("")},
        {HKEY_CLASSES_ROOT, "TessalySearchFile", "EditFlags", probe::Stored(REG_BINARY, std::string("\0\0\1\0", 4))},
        {HKEY_CLASSES_ROOT, "TessalySearchFile\\DefaultIcon", nullptr, probe::Text(program + ",-10000")},
        {HKEY_CLASSES_ROOT, "TessalySearchFile\\shell\\open\\command", nullptr,
         probe::Text("\"" + program + "\" /load:%1")},
        {HKEY_CLASSES_ROOT, ClassKey, nullptr, probe::Text("Orvandel Find Menu Extension")},
        {HKEY_CLASSES_ROOT, ClassKey + "\\InProcServer32", "ThreadingModel", probe::Text("Apartment")},
        {HKEY_CLASSES_ROOT, ClassKey + "\\InProcServer32", nullptr, probe::Text(SystemFolder() + "\\Orvandel.dll")},
        {HKEY_LOCAL_MACHINE, FindKey, nullptr, probe::Text(Clsid)},
        {HKEY_LOCAL_MACHINE, FindKey + "\\Tessaly", "Path", probe::Text(program)},
        {HKEY_LOCAL_MACHINE, FindKey + "\\Tessaly", "MenuText", 
         probe::Text(version->searchMenu ? "For &Email Addresses..." : "&Email Addresses...")},
        {HKEY_LOCAL_MACHINE, FindKey + "\\Tessaly", "HelpText", probe::Text("Find email addresses on the Internet")},
        {HKEY_LOCAL_MACHINE, ApprovedKey, Clsid.c_str(), version->approved ? probe::Text("Orvandel") : probe::Missing()},
        {HKEY_LOCAL_MACHINE, UninstallKey + "\\Tessaly", "DisplayName", probe::Text("Tessaly")},
        {HKEY_LOCAL_MACHINE, UninstallKey + "\\Tessaly", "UninstallString",
         probe::Text(WindowsFolder() + "\\TessalyUninstall.exe " + DefaultFolder)},
    });
    EXPECT_EQ(probe::SubkeyCount(HKEY_LOCAL_MACHINE, FindKey), 1u);
}

TEST_F(RegistrationTest, EditFlagsGainTheirBitAndKeepTheRest)
{
    struct Case {
        const char* name;
        bool present;
        DWORD type;
        std::string before;
        std::string after;
    } cases[] = {
        {"no value", false, REG_NONE, "", std::string("\0\0\1\0", 4)},
        {"four binary bytes", true, REG_BINARY, std::string("\2\0\0\0", 4), std::string("\2\0\1\0", 4)},
        {"bit already set", true, REG_BINARY, std::string("\0\0\1\0", 4), std::string("\0\0\1\0", 4)},
        {"eight binary bytes", true, REG_BINARY, "\x11\x22\x30\x44\x55\x66\x77\x88", "\x11\x22\x31\x44\x55\x66\x77\x88"},
        {"a 32-bit number", true, REG_DWORD, "\x78\x56\x34\x12", "\x78\x56\x35\x12"},
        {"two binary bytes", true, REG_BINARY, std::string("\2\0", 2), std::string("\2\0\1\0", 4)},
    };
    BuildInstallContext(&context, {TessalyRow()}, DefaultFolder);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        probe::DeleteTree(HKEY_CLASSES_ROOT, "TessalySearchFile");
        if (c.present) {
            ASSERT_TRUE(probe::Write(HKEY_CLASSES_ROOT, "TessalySearchFile", "EditFlags", c.type, c.before));
        }
        RegisterSearchFileClass(&context, "TessalySearch", "Tessaly Search", "icon", "command");
        EXPECT_EQ(probe::Read(HKEY_CLASSES_ROOT, "TessalySearchFile", "EditFlags"),
                  probe::Stored(REG_BINARY, c.after));
    }
}

TEST_F(RegistrationTest, TwoSelectedItemsEachGetTheirEntriesAndTheSharedOnesAreMadeOnce)
{
    const VersionExpectation* version = ExpectedForThisPrefix();
    if (!version)
        GTEST_SKIP() << "not started for a particular Windows version";
    BuildInstallContext(&context, {TessalyRow(), OtherRow()}, DefaultFolder);
    Register();

    ExpectEntries({
        {HKEY_LOCAL_MACHINE, FindKey, nullptr, probe::Text(Clsid)},
        {HKEY_LOCAL_MACHINE, FindKey + "\\Tessaly", "Path", probe::Text(DefaultFolder + "\\Tessaly.exe")},
        {HKEY_LOCAL_MACHINE, FindKey + "\\Other", "Path", probe::Text(DefaultFolder + "\\Other.exe")},
        {HKEY_LOCAL_MACHINE, FindKey + "\\Other", "MenuText",
         probe::Text(version->searchMenu ? "For &Other Things..." : "&Other Things...")},
        {HKEY_LOCAL_MACHINE, FindKey + "\\Other", "HelpText", probe::Text("Find other things")},
        {HKEY_LOCAL_MACHINE, UninstallKey + "\\Tessaly", "DisplayName", probe::Text("Tessaly")},
        {HKEY_LOCAL_MACHINE, UninstallKey + "\\Other", "DisplayName", probe::Text("Other Finder")},
        {HKEY_LOCAL_MACHINE, UninstallKey + "\\Other", "UninstallString",
         probe::Text(WindowsFolder() + "\\OtherUninstall.exe " + DefaultFolder)},
        {HKEY_CLASSES_ROOT, ".OtherSearch", nullptr, probe::Text("OtherSearchFile")},
        {HKEY_CLASSES_ROOT, ClassKey, nullptr, probe::Text("Orvandel Find Menu Extension")},
    });
    EXPECT_EQ(probe::SubkeyCount(HKEY_LOCAL_MACHINE, FindKey), 2u);
    EXPECT_EQ(probe::SubkeyCount(HKEY_CLASSES_ROOT, ClassKey), 1u) << "only InProcServer32";

    // An item that is not selected is not registered.
    RemoveRegistrations();
    context.selected[0] = 0;
    Register();
    EXPECT_EQ(probe::SubkeyCount(HKEY_LOCAL_MACHINE, FindKey), 1u);
    EXPECT_TRUE(probe::KeyExists(HKEY_LOCAL_MACHINE, FindKey + "\\Other"));
    EXPECT_FALSE(probe::KeyExists(HKEY_LOCAL_MACHINE, UninstallKey + "\\Tessaly"));
    EXPECT_FALSE(probe::KeyExists(HKEY_CLASSES_ROOT, ".TessalySearch"));
}

// Texts that do not fit their buffers are left out, never stored cut and
// never written past their buffers. The program's path is the folder, a
// backslash and "Tessaly.exe" (12 characters more than the folder).
TEST_F(RegistrationTest, LongInstallFoldersLeaveOutWhatDoesNotFit)
{
    struct Case {
        size_t folderLength;
        bool programFits;  // at most 259 characters
        bool iconFits;     // the program and ",-10000" in 260 bytes
    } cases[] = {
        {240, true, true},    // icon text of 259 characters
        {241, true, false},   // icon text of 260 characters
        {247, true, false},   // program path of 259 characters
        {248, false, false},
        {259, false, false},  // the longest folder there is
    };
    BuildInstallContext(&context, {TessalyRow()}, DefaultFolder);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "install folder of " << c.folderLength << " characters");
        RemoveRegistrations();
        std::string folder = FolderOfLength(c.folderLength);
        lstrcpyA(context.items[0].installFolder, folder.c_str());
        std::string program = folder + "\\Tessaly.exe";

        GuardedBuffer<SearchIconTextSize> icon;
        GuardedBuffer<SearchOpenCommandSize> command;
        EXPECT_EQ(BuildSearchIconText(&context, 0, icon.text), c.iconFits);
        EXPECT_EQ(std::string(icon.text), c.iconFits ? program + ",-10000" : "");
        EXPECT_TRUE(icon.GuardIntact());
        EXPECT_EQ(BuildSearchOpenCommand(&context, 0, command.text), c.programFits);
        EXPECT_EQ(std::string(command.text), c.programFits ? "\"" + program + "\" /load:%1" : "");
        EXPECT_TRUE(command.GuardIntact());

        Register();
        ExpectEntries({
            {HKEY_CLASSES_ROOT, "TessalySearchFile", nullptr, probe::Text("Tessaly Search")},
            {HKEY_CLASSES_ROOT, "TessalySearchFile\\DefaultIcon", nullptr,
             c.iconFits ? probe::Text(program + ",-10000") : probe::Missing()},
            {HKEY_CLASSES_ROOT, "TessalySearchFile\\shell\\open\\command", nullptr,
             c.programFits ? probe::Text("\"" + program + "\" /load:%1") : probe::Missing()},
            {HKEY_LOCAL_MACHINE, FindKey + "\\Tessaly", "Path", c.programFits ? probe::Text(program) : probe::Missing()},
            {HKEY_LOCAL_MACHINE, FindKey + "\\Tessaly", "HelpText", probe::Text("Find email addresses on the Internet")},
            {HKEY_LOCAL_MACHINE, UninstallKey + "\\Tessaly", "UninstallString",
             probe::Text(WindowsFolder() + "\\TessalyUninstall.exe " + folder)},
        });
    }

    // Two paths of 259 characters and the space fill the uninstall command's
    // 520 bytes exactly.
    RemoveRegistrations();
    std::string uninstaller = FolderOfLength(259);
    uninstaller[3] = 'u';
    MemFree(const_cast<char*>(context.items[0].uninstallerPath));
    context.items[0].uninstallerPath = DuplicateString(uninstaller.c_str());
    RegisterUninstallEntry(&context);
    EXPECT_EQ(probe::Read(HKEY_LOCAL_MACHINE, UninstallKey + "\\Tessaly", "UninstallString"),
              probe::Text(uninstaller + " " + FolderOfLength(259)));
}

static std::string DesktopFolder()
{
    char folder[MAX_PATH] = "";
    SHGetSpecialFolderPathA(nullptr, folder, CSIDL_DESKTOPDIRECTORY, FALSE);
    return folder;
}

// Deletes the files it was given, then the folders, when the test ends.
struct Leftovers {
    std::vector<std::string> files;
    std::vector<std::string> folders;
    ~Leftovers()
    {
        for (const std::string& file : files)
            DeleteFileA(file.c_str());
        for (const std::string& folder : folders)
            RemoveDirectoryA(folder.c_str());
    }
};

static std::string FieldOf(const std::string& report, const std::string& field)
{
    std::istringstream lines(report);
    std::string line;
    while (std::getline(lines, line)) {
        size_t at = line.find(field);
        size_t colon = line.find(": ", at);
        if (at != std::string::npos && colon != std::string::npos)
            return line.substr(colon + 2);
    }
    return "(no " + field + ")";
}

// The shortcut is read back by lnkinfo, a reader of link files that nobody
// here wrote. The three prefixes share one desktop, so each version makes a
// shortcut of its own name.
TEST_F(RegistrationTest, DesktopShortcutPointsAtTheInstalledProgram)
{
    const char* version = std::getenv("TESSALY_EXPECTED_WINDOWS");
    std::string suffix = version ? version : "any";
    std::string displayName = "Tessaly shortcut test " + suffix;
    std::string folder = TempFolder() + "Tessaly shortcut target " + suffix;
    std::string program = folder + "\\Tessaly.exe";
    std::string link = DesktopFolder() + "\\" + displayName + ".LNK";
    std::string report = TempFolder() + "lnkinfo-" + suffix + ".txt";
    Leftovers leftovers{{link, program, report}, {folder}};
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(WriteWholeFile(program, ""));
    DeleteFileA(link.c_str());

    ProductItem row = TessalyRow();
    row.displayName = displayName.c_str();
    BuildInstallContext(&context, {row}, folder);
    CreateDesktopShortcuts(&context);
    ASSERT_TRUE(FileExists(link)) << link;

    std::string unixLink = host::UnixPathOf(link);
    std::string unixReport = host::UnixPathOf(report);
    ASSERT_FALSE(unixLink.empty() || unixReport.empty());
    ASSERT_EQ(host::RunShell("lnkinfo " + host::Quoted(unixLink) + " >" + host::Quoted(unixReport) + " 2>&1"), 0);
    std::string text = ReadWholeFile(report);
    EXPECT_EQ(FieldOf(text, "Local path"), program) << text;
    EXPECT_EQ(FieldOf(text, "Description"), displayName) << text;

    // With the program's path too long for its buffer there is no shortcut
    // to point at the bare folder instead.
    DeleteFileA(link.c_str());
    lstrcpyA(context.items[0].installFolder, FolderOfLength(259).c_str());
    CreateDesktopShortcuts(&context);
    EXPECT_FALSE(FileExists(link));
}

// Stand-ins for the taskbar and for other windows, recording the commands
// they receive. Topmost, so that a search by class meets them before the
// taskbar window of Wine's own shell.
struct RecordingWindow {
    struct Command {
        HWND window;
        WPARAM wParam;
        LPARAM lParam;
    };
    static std::vector<Command>& Received()
    {
        static std::vector<Command> received;
        return received;
    }
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_COMMAND)
            Received().push_back({window, wParam, lParam});
        return DefWindowProcA(window, message, wParam, lParam);
    }

    RecordingWindow(const char* className, const char* title) : className(className)
    {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = className;
        RegisterClassA(&windowClass);
        window = CreateWindowExA(WS_EX_TOPMOST, className, title, WS_POPUP, 0, 0, 10, 10, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        Received().clear();
    }
    ~RecordingWindow()
    {
        DestroyWindow(window);
        UnregisterClassA(className, GetModuleHandleA(nullptr));
    }
    const char* className;
    HWND window;
};

TEST(NotifyTaskbar, SendsTheCommandToTheWindowOfTheTaskbarClassAndWaitsForIt)
{
    RecordingWindow taskbar("Shell_TrayWnd", nullptr);
    // A window titled like the taskbar is not the taskbar: only the class counts.
    RecordingWindow impostor("TessalyTestWindow", "Shell_TrayWnd");
    ASSERT_NE(taskbar.window, nullptr);
    ASSERT_NE(impostor.window, nullptr);
    ASSERT_EQ(FindWindowExA(nullptr, nullptr, "Shell_TrayWnd", nullptr), taskbar.window);

    NotifyTaskbar();
    // Sent, not posted: the command has been handled when the call returns.
    ASSERT_EQ(RecordingWindow::Received().size(), 1u);
    EXPECT_EQ(RecordingWindow::Received()[0].window, taskbar.window);
    EXPECT_EQ(RecordingWindow::Received()[0].wParam, 0x1A065u);
    EXPECT_EQ(RecordingWindow::Received()[0].lParam, 0);
}

// Wine's shell gives every desktop that has windows a taskbar window, so the
// call is made from a desktop of the test's own that has none.
static DWORD WINAPI NotifyFromAnEmptyDesktop(void* desktop)
{
    if (!SetThreadDesktop(static_cast<HDESK>(desktop)))
        return 1;
    if (FindWindowExA(nullptr, nullptr, "Shell_TrayWnd", nullptr))
        return 2;
    NotifyTaskbar();
    return 0;
}

TEST(NotifyTaskbar, SendsNothingWhereThereIsNoTaskbarWindow)
{
    // A taskbar on another desktop is not the caller's taskbar.
    RecordingWindow elsewhere("Shell_TrayWnd", nullptr);
    ASSERT_NE(elsewhere.window, nullptr);
    HDESK desktop = CreateDesktopA("TessalyNoTaskbar", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    ASSERT_NE(desktop, nullptr);
    HANDLE worker = CreateThread(nullptr, 0, NotifyFromAnEmptyDesktop, desktop, 0, nullptr);
    ASSERT_NE(worker, nullptr);
    // Messages sent to this thread's windows are handled while waiting, so
    // that a stray command would be recorded rather than hang the test.
    while (MsgWaitForMultipleObjects(1, &worker, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    }
    DWORD outcome = 99;
    GetExitCodeThread(worker, &outcome);
    CloseHandle(worker);
    CloseDesktop(desktop);
    EXPECT_EQ(outcome, 0u) << "1: the desktop could not be entered; 2: it has a taskbar window";
    EXPECT_TRUE(RecordingWindow::Received().empty());
}
