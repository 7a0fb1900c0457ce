#include "core/catalogue.h"
#include "resource_ids.h"
#include "windows/progress_dialog.h"
#include "progress_log.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

class ProgressDialogTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        InitCommonControls();
        InstallTexts();
    }
    static void TearDownTestSuite() { ReleaseInstallTexts(); }
};

static std::string ClassOf(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

static PBRANGE BarRange(HWND bar)
{
    PBRANGE range = {-1, -1};
    SendMessageA(bar, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    return range;
}

TEST_F(ProgressDialogTest, AppearsTitledNearTheMiddleOfTheDesktop)
{
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    ASSERT_EQ(desktop.right, 1024);
    ASSERT_EQ(desktop.bottom, 768);

    HWND owner = CreateWindowA("STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100,
                               nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    struct Case {
        const char* name;
        HWND parent;
    } cases[] = {{"no parent", nullptr}, {"owned by a window", owner}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgressDialog progress(c.parent);
        HWND dialog = progress.Window();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), c.parent);
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(WindowText(dialog), "Installing...");
        EXPECT_EQ(GetWindowLongA(dialog, GWL_STYLE) & WS_SYSMENU, 0) << "no system menu";

        // The template's 144 x 58 dialog units, and the client area centred.
        RECT units = {0, 0, 144, 58};
        MapDialogRect(dialog, &units);
        RECT client;
        RECT window;
        GetClientRect(dialog, &client);
        GetWindowRect(dialog, &window);
        EXPECT_EQ(client.right, units.right);
        EXPECT_EQ(client.bottom, units.bottom);
        EXPECT_EQ(window.left, (1024 - client.right) / 2);
        EXPECT_EQ(window.top, (768 - client.bottom) / 2);

        HWND bar = GetDlgItem(dialog, IDC_PROGRESS_BAR);
        HWND status = GetDlgItem(dialog, IDC_PROGRESS_STATUS);
        EXPECT_EQ(ClassOf(bar), "msctls_progress32");
        EXPECT_EQ(ClassOf(status), "Static");
        EXPECT_EQ(WindowText(status), "");
    }
    DestroyWindow(owner);
}

TEST_F(ProgressDialogTest, GoneWhenDestroyed)
{
    HWND dialog;
    {
        ProgressDialog progress(nullptr);
        dialog = progress.Window();
        ASSERT_TRUE(IsWindow(dialog));
    }
    EXPECT_FALSE(IsWindow(dialog));
}

// One selected product as the install drives it: five files, then three
// stages, in a range of 5 x 1 + 4; the bar ends one step short of full.
TEST_F(ProgressDialogTest, CountsAnInstallationOfOneProduct)
{
    ProgressDialog progress(nullptr);
    HWND bar = GetDlgItem(progress.Window(), IDC_PROGRESS_BAR);
    HWND status = GetDlgItem(progress.Window(), IDC_PROGRESS_STATUS);
    progress.SetRange(9);
    PBRANGE range = BarRange(bar);
    EXPECT_EQ(range.iLow, 0);
    EXPECT_EQ(range.iHigh, 9);
    EXPECT_EQ(BarPosition(bar), 0);

    const char* files[] = {"Orvandel.dll", "Tessaly.exe", "Tessaly.hlp", "Tessaly.cnt",
                           "TessalyUninstall.exe"};
    int expected = 0;
    for (const char* file : files) {
        SCOPED_TRACE(file);
        progress.ShowUncompressing(file);
        EXPECT_EQ(BarPosition(bar), ++expected);
        EXPECT_EQ(WindowText(status), std::string("Uncompressing ") + file + "...");
    }
    for (MessageId stage : {MsgModifyingRegistry, MsgAddingToFindMenu, MsgSetupComplete}) {
        SCOPED_TRACE(MessageText(stage));
        progress.Step();
        progress.SetStatusText(MessageText(stage));
        EXPECT_EQ(BarPosition(bar), ++expected);
        EXPECT_EQ(WindowText(status), MessageText(stage));
    }
    EXPECT_EQ(BarPosition(bar), 8);
}

TEST_F(ProgressDialogTest, ShowUncompressingStepsBeforeItNamesTheFile)
{
    ProgressDialog progress(nullptr);
    progress.SetRange(9);
    progress.SetStatusText("before");
    ProgressLog log(progress.Window());

    progress.ShowUncompressing("Tessaly.exe");

    std::vector<std::string> expected = {"step while the text reads \"before\"",
                                         "text \"Uncompressing Tessaly.exe...\" at position 1"};
    EXPECT_EQ(log.events, expected);
}

TEST_F(ProgressDialogTest, CutsAFileNameTooLongForTheStatusLine)
{
    ProgressDialog progress(nullptr);
    std::string name(2000, 'n');
    progress.ShowUncompressing(name.c_str());
    std::string expected = "Uncompressing " + std::string(1023 - 14, 'n');
    char text[4096] = "";
    GetDlgItemTextA(progress.Window(), IDC_PROGRESS_STATUS, text, sizeof text);
    EXPECT_EQ(std::string(text), expected);
}
