#include "core/catalogue.h"
#include "core/setup_context.h"
#include "foundation/memory.h"
#include "install/install_files.h"
#include "windows/progress_dialog.h"
#include "product_rows.h"
#include "progress_log.h"
#include "test_files.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

const char UnknownError[] = "Unknown error";

// Each test installs the product row into a fresh folder below the temporary
// folder, with the real System and Windows folders, and leaves no file of its
// own behind.
class InstallFilesTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        InitCommonControls();
        InstallTexts();
    }
    static void TearDownTestSuite() { ReleaseInstallTexts(); }

    void SetUp() override
    {
        row = TessalyRow();
        BuildSetupContext(&context, "Tessaly", "Tessaly", &row, 1, 0, 0);
        lstrcpyA(context.errorText, UnknownError);
        root = TempFolder() + "install-files-" + std::to_string(GetCurrentProcessId());
        UseInstallFolder(root + "\\Quenbrook\\Tessaly");
        RemoveSharedFiles();
    }
    void TearDown() override
    {
        RemoveSharedFiles();
        RemoveTree(root);
        FreeSetupContext(&context);
        CurrentSetupContext = nullptr;
    }

    void UseInstallFolder(const std::string& folder)
    {
        if (!context.items[0].installFolder)
            context.items[0].installFolder = static_cast<char*>(MemAlloc(MAX_PATH));
        lstrcpynA(context.items[0].installFolder, folder.c_str(), MAX_PATH);
    }
    std::string Installed(const char* name) const
    {
        return std::string(context.items[0].installFolder) + "\\" + name;
    }
    void RemoveSharedFiles() const
    {
        DeleteFileA(context.extensionDllPath);
        DeleteFileA(context.items[0].uninstallerPath);
    }
    // Runs the step with a progress dialog whose range is five steps; answers
    // the bar's final position.
    bool Install(int* position = nullptr, std::vector<std::string>* events = nullptr)
    {
        ProgressDialog progress(nullptr);
        progress.SetRange(5);
        ProgressLog log(progress.Window());
        bool installed = InstallFiles(&context, progress);
        if (position)
            *position = BarPosition(GetDlgItem(progress.Window(), IDC_PROGRESS_BAR));
        if (events)
            *events = log.events;
        return installed;
    }

    static std::string Sample(const char* name)
    {
        return ReadWholeFile(BuildFolder() + "\\payloads\\" + name);
    }

    ProductItem row;
    SetupContext context;
    std::string root;
};

TEST_F(InstallFilesTest, PutsEveryFileInPlaceAndStepsFiveTimes)
{
    for (const char* ending : {"", "\\"}) {
        SCOPED_TRACE(testing::Message() << "install folder ending in \"" << ending << '"');
        UseInstallFolder(root + "\\Quenbrook\\Tessaly" + ending);
        int position = -1;
        std::vector<std::string> events;
        ASSERT_TRUE(Install(&position, &events)) << context.errorText;

        EXPECT_STREQ(context.errorText, UnknownError);
        EXPECT_EQ(position, 5);
        struct Placed {
            std::string path;
            const char* sample;
        } placed[] = {
            {context.extensionDllPath, "Orvandel.dll"},
            {root + "\\Quenbrook\\Tessaly\\Tessaly.exe", "Tessaly.exe"},
            {root + "\\Quenbrook\\Tessaly\\Tessaly.hlp", "Tessaly.hlp"},
            {root + "\\Quenbrook\\Tessaly\\Tessaly.cnt", "Tessaly.cnt"},
            {WindowsFolder() + "\\TessalyUninstall.exe", "TessalyUninstall.exe"},
        };
        for (const Placed& p : placed) {
            std::string sample = Sample(p.sample);
            ASSERT_FALSE(sample.empty()) << p.sample;
            EXPECT_TRUE(ReadWholeFile(p.path) == sample) << p.path << " differs from " << p.sample;
        }

        std::vector<std::string> expected;
        std::string text;
        int step = 0;
        for (const char* shown : {"Orvandel.dll", "Tessaly.exe", "Tessaly.hlp", "Tessaly.cnt", "uninstall"}) {
            expected.push_back("step while the text reads \"" + text + '"');
            text = std::string("Uncompressing ") + shown + "...";
            expected.push_back("text \"" + text + "\" at position " + std::to_string(++step));
        }
        EXPECT_EQ(events, expected);
        RemoveSharedFiles();
        RemoveTree(root);
    }
}

TEST_F(InstallFilesTest, KeepsALibraryThatIsAlreadyThere)
{
    ASSERT_TRUE(WriteWholeFile(context.extensionDllPath, "the family's library"));
    int position = -1;
    ASSERT_TRUE(Install(&position)) << context.errorText;
    EXPECT_EQ(ReadWholeFile(context.extensionDllPath), "the family's library");
    EXPECT_EQ(position, 5);
    EXPECT_TRUE(FileExists(Installed("Tessaly.exe")));
}

// Files held open without sharing, as a running program or a library in use
// holds them.
class HeldFile {
public:
    explicit HeldFile(const std::string& path)
        : handle(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    ~HeldFile() { CloseHandle(handle); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool Held() const { return handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle;
};

TEST_F(InstallFilesTest, StopsAtAFileInUseWithItsReason)
{
    struct Case {
        const char* name;
        bool library;
        const char* error;
        int position;
    } cases[] = {
        // A library that cannot be read counts as absent, and cannot be replaced.
        {"library in use", true, "Unable to copy Orvandel.dll", 1},
        {"running program", false,
         "Unable to copy Tessaly.exe. Ensure that all instances of Tessaly are closed. If Tessaly "
         "isn't running, we recommend a reboot before installing",
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr));
        CreateDirectoryA((root + "\\Quenbrook").c_str(), nullptr);
        CreateDirectoryA(context.items[0].installFolder, nullptr);
        lstrcpyA(context.errorText, UnknownError);
        {
            HeldFile held(c.library ? std::string(context.extensionDllPath) : Installed("Tessaly.exe"));
            ASSERT_TRUE(held.Held());
            int position = -1;
            EXPECT_FALSE(Install(&position));
            EXPECT_STREQ(context.errorText, c.error);
            EXPECT_EQ(position, c.position);
        }
        // Nothing after the failing file was attempted.
        EXPECT_FALSE(FileExists(Installed("Tessaly.hlp")));
        EXPECT_FALSE(FileExists(context.items[0].uninstallerPath));
        EXPECT_EQ(FileExists(context.extensionDllPath), true);
        RemoveSharedFiles();
        RemoveTree(root);
    }
}

TEST_F(InstallFilesTest, AFolderThatCannotBeMadeStopsBeforeAnyStep)
{
    ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr));
    ASSERT_TRUE(WriteWholeFile(root + "\\plain-file", "not a folder"));
    UseInstallFolder(root + "\\plain-file\\Tessaly");
    int position = -1;
    EXPECT_FALSE(Install(&position));
    EXPECT_STREQ(context.errorText, "Unable to create destination directory");
    EXPECT_EQ(position, 0);
    EXPECT_FALSE(FileExists(context.extensionDllPath));
}

TEST_F(InstallFilesTest, AProgramNameThatWouldNotFitIsNotWrittenAnywhere)
{
    // 230 + 1 + 43 characters: more than a path holds.
    std::string folder = root + "\\" + std::string(229 - root.size(), 'f');
    ASSERT_EQ(folder.size(), 230u);
    FreeSetupContext(&context);
    row.exeName = "Tessaly-with-a-rather-long-program-name.exe";
    BuildSetupContext(&context, "Tessaly", "Tessaly", &row, 1, 0, 0);
    UseInstallFolder(folder);
    lstrcpyA(context.errorText, UnknownError);

    EXPECT_FALSE(Install());
    EXPECT_EQ(std::string(context.errorText).find("Unable to copy Tessaly-with-a-rather-long-program-name.exe."), 0u)
        << context.errorText;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &entry);
    int entries = 0;
    if (find != INVALID_HANDLE_VALUE) {
        do
            entries++;
        while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    EXPECT_EQ(entries, 2) << "only . and .. in the install folder";
}

TEST_F(InstallFilesTest, NothingSelectedTouchesNothing)
{
    context.selected[0] = 0;
    int position = -1;
    EXPECT_TRUE(Install(&position));
    EXPECT_EQ(position, 0);
    EXPECT_STREQ(context.errorText, UnknownError);
    EXPECT_FALSE(FileExists(root));
    EXPECT_FALSE(FileExists(context.extensionDllPath));
}

// S: is a drive of 1536000 bytes, counted in pages of 4096 bytes.
TEST_F(InstallFilesTest, ADriveThatFillsUpKeepsNoPartOfTheFailingFile)
{
    DWORD sectorsPerCluster, bytesPerSector, freeClusters, clusters;
    if (!GetDiskFreeSpaceA("S:\\", &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters))
        GTEST_SKIP() << "no small drive S: (mounting a tmpfs needs root)";
    const DWORD page = 4096;
    ASSERT_EQ(sectorsPerCluster * bytesPerSector, page);
    ASSERT_GT(Sample("Tessaly.exe").size(), page) << "the program must span two pages";
    ASSERT_LE(Sample("Tessaly.hlp").size(), page);

    struct Case {
        DWORD freePages;
        const char* failing;
        const char* error;
        std::vector<const char*> kept;
    } cases[] = {
        // The program fits half: its first page is written, then the drive is full.
        {1, "Tessaly.exe",
         "Unable to copy Tessaly.exe. Ensure that all instances of Tessaly are closed. If Tessaly "
         "isn't running, we recommend a reboot before installing",
         {}},
        {3, "Tessaly.cnt", "Unable to copy Tessaly.cnt", {"Tessaly.exe", "Tessaly.hlp"}},
    };
    const std::string filler = "S:\\filler";
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.freePages << " pages free");
        UseInstallFolder("S:\\Tessaly");
        ASSERT_TRUE(GetDiskFreeSpaceA("S:\\", &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters));
        ASSERT_GE(freeClusters, c.freePages);
        ASSERT_TRUE(WriteWholeFile(filler, std::string((freeClusters - c.freePages) * page, 'x')));
        lstrcpyA(context.errorText, UnknownError);

        EXPECT_FALSE(Install());
        EXPECT_STREQ(context.errorText, c.error);
        EXPECT_FALSE(FileExists(Installed(c.failing))) << "a partly written file stayed";
        for (const char* name : c.kept)
            EXPECT_TRUE(ReadWholeFile(Installed(name)) == Sample(name)) << name;

        RemoveTree("S:\\Tessaly");
        DeleteFileA(filler.c_str());
        RemoveSharedFiles();
    }
}
