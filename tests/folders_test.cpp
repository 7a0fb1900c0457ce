#include "foundation/paths.h"
#include "payload/folders.h"
#include "test_files.h"
#include <shlobj.h>
#include <gtest/gtest.h>
#include <filesystem>
#include <set>
#include <string>

// Every test gets a fresh, empty folder of its own under the temporary
// folder, made the current folder so that relative paths would land in it.
class FoldersTest : public testing::Test {
protected:
    void SetUp() override
    {
        base = TempFolder() + "folders-test-" + std::to_string(GetCurrentProcessId()) + "-"
            + testing::UnitTest::GetInstance()->current_test_info()->name();
        RemoveTree(base);
        ASSERT_TRUE(CreateDirectoryA(base.c_str(), nullptr)) << base;
        GetCurrentDirectoryA(MAX_PATH, startFolder);
        ASSERT_TRUE(SetCurrentDirectoryA(base.c_str()));
    }
    void TearDown() override
    {
        SetCurrentDirectoryA(startFolder);
        RemoveTree(base);
    }

    // Everything below the test's folder, as paths relative to it.
    std::set<std::string> Contents() const
    {
        std::set<std::string> entries;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(base))
            entries.insert(std::filesystem::relative(entry.path(), base).string());
        return entries;
    }
    // A new file: one that was there already fails the test.
    void MakeFile(const std::string& relative, const char* text)
    {
        std::string path = base + "\\" + relative;
        ASSERT_FALSE(FileExists(path)) << path;
        ASSERT_TRUE(WriteWholeFile(path, text)) << path;
    }
    std::string FileText(const std::string& relative) const
    {
        return ReadWholeFile(base + "\\" + relative);
    }

    std::string base;
    char startFolder[MAX_PATH] = "";
};

typedef std::set<std::string> Entries;

TEST_F(FoldersTest, CreateFolderPathMakesEveryMissingFolder)
{
    struct Case {
        const char* name;
        std::string path;
    } cases[] = {
        {"without a trailing backslash", base + "\\a\\b\\c"},
        {"with a trailing backslash", base + "\\a\\b\\c\\"},
        {"all there already", base + "\\a\\b\\c"},
        {"a drive letter in lower case", "c" + base.substr(1) + "\\a\\b\\c"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(CreateFolderPath(c.path.c_str()));
        EXPECT_EQ(Contents(), (Entries{"a", "a\\b", "a\\b\\c"}));
    }
}

TEST_F(FoldersTest, CreateFolderPathKeepsWhatItMadeBeforeAFailure)
{
    // Wine and Windows refuse "*" in a folder name.
    EXPECT_FALSE(CreateFolderPath((base + "\\a\\b\\bad*name\\c").c_str()));
    EXPECT_EQ(Contents(), (Entries{"a", "a\\b"}));
}

TEST_F(FoldersTest, PathsOfNeitherFormFailAndTouchNothing)
{
    MakeFile("test.tmp", "kept");
    const std::string tooLong = base + "\\" + std::string(PathBufferSize, 'x');
    const char* paths[] = {
        "relative\\folder", "relative", "1:\\Tessaly", " C:\\Tessaly", "C:relative",
        ":\\Tessaly", "\\single\\backslash", "", tooLong.c_str(),
    };
    for (const char* path : paths) {
        SCOPED_TRACE(std::string("\"") + path + '"');
        EXPECT_FALSE(CreateFolderPath(path));
        EXPECT_FALSE(TestFolderWritable(path));
        EXPECT_EQ(Contents(), (Entries{"test.tmp"}));
    }
}

TEST_F(FoldersTest, TestFolderWritableLeavesTheDiskAsItFoundIt)
{
    CreateDirectoryA((base + "\\there").c_str(), nullptr);
    MakeFile("there\\file.txt", "mine");
    const Entries before = Contents();
    struct Case {
        const char* name;
        std::string path;
    } cases[] = {
        {"three new levels", base + "\\new1\\new2\\new3"},
        {"one new level below an existing folder", base + "\\there\\new1\\"},
        {"an existing folder", base + "\\there"},
        {"the test's own folder", base},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(TestFolderWritable(c.path.c_str()));
        EXPECT_EQ(Contents(), before);
    }
    EXPECT_EQ(FileText("there\\file.txt"), "mine");
}

TEST_F(FoldersTest, TestFolderWritableFailsAndCleansUp)
{
    CreateDirectoryA((base + "\\there").c_str(), nullptr);
    MakeFile("there\\test.tmp", "somebody's");
    const Entries before = Contents();
    // A name that fills the path buffer, so that "\test.tmp" no longer fits.
    std::string full = base + "\\new1\\";
    full += std::string(PathBufferSize - 2 - full.size(), 'n');
    struct Case {
        const char* name;
        std::string path;
    } cases[] = {
        {"a test.tmp that is there already", base + "\\there"},
        {"a folder that cannot be made below new ones", base + "\\new1\\new2\\bad*name\\new4"},
        {"no room for the test file behind new folders", full},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(TestFolderWritable(c.path.c_str()));
        EXPECT_EQ(Contents(), before);
    }
    EXPECT_EQ(FileText("there\\test.tmp"), "somebody's");
}

// The folder browser runs its own modal loop on this thread; a hook sees it
// come up and queues the user's answer, which that loop then carries out.
struct BrowserAnswer {
    const char* chosen;  // null: cancel
    HWND owner;
    HWND browser;
    HWND browserOwner;
};
static BrowserAnswer* Answer;
static HHOOK BrowserHook;

static LRESULT CALLBACK AnswerBrowser(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && Answer && !Answer->browser) {
        HWND browser = reinterpret_cast<HWND>(wParam);
        Answer->browser = browser;
        Answer->browserOwner = GetWindow(browser, GW_OWNER);
        Answer->browserOwner = GetWindow(browser, GW_OWNER);
        if (Answer->chosen) {
            // Wine's browser in its 9x mode leaves the first selection asked
            // of it in a new Wine session on the desktop; a second one takes.
            for (int i = 0; i < 2; i++) {
                PostMessageA(browser, BFFM_SETSELECTIONA, TRUE,
                             reinterpret_cast<LPARAM>(Answer->chosen));
            }
            PostMessageA(browser, WM_COMMAND, IDOK, 0);
        } else {
            PostMessageA(browser, WM_COMMAND, IDCANCEL, 0);
        }
    }
    return CallNextHookEx(BrowserHook, code, wParam, lParam);
}

static bool Browse(BrowserAnswer* answer, char* path)
{
    Answer = answer;
    BrowserHook = SetWindowsHookExA(WH_CBT, AnswerBrowser, nullptr, GetCurrentThreadId());
    bool chosen = BrowseForFolder(path, answer->owner);
    UnhookWindowsHookEx(BrowserHook);
    Answer = nullptr;
    return chosen;
}

TEST_F(FoldersTest, BrowseForFolderAnswersTheChosenFolder)
{
    HWND owner = CreateWindowA("STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                               nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    CreateDirectoryA((base + "\\chosen").c_str(), nullptr);
    std::string chosen = base + "\\chosen";

    BrowserAnswer choose = {chosen.c_str(), owner, nullptr, nullptr};
    char path[PathBufferSize + 16];
    FillMemory(path, sizeof path, 0xBD);
    EXPECT_TRUE(Browse(&choose, path));
    ASSERT_NE(choose.browser, nullptr) << "the browser never came up";
    EXPECT_EQ(choose.browserOwner, owner);
    EXPECT_EQ(std::string(path), chosen);
    EXPECT_EQ(path[PathBufferSize], '\xBD');

    BrowserAnswer cancel = {nullptr, nullptr, nullptr, nullptr};
    EXPECT_FALSE(Browse(&cancel, path));
    EXPECT_NE(cancel.browser, nullptr) << "the browser never came up";
    DestroyWindow(owner);
}
