#include "core/product_table.h"
#include "core/setup_context.h"
#include "foundation/memory.h"
#include "foundation/paths.h"
#include "product_rows.h"
#include "test_files.h"
#include <gtest/gtest.h>
#include <string>

class ContextTest : public testing::Test {
protected:
    void TearDown() override
    {
        FreeSetupContext(&context);
        CurrentSetupContext = nullptr;
    }
    SetupContext context;
};

TEST(ContextAccessors, AnswerEmptyTextsWithoutAContext)
{
    CurrentSetupContext = nullptr;
    EXPECT_STREQ(CurrentTitle(), "");
    EXPECT_STREQ(CurrentFolderName(), "");
    EXPECT_STREQ(ItemDisplayName(0), "");
    EXPECT_STREQ(ItemSettingsKey(0), "");
    EXPECT_STREQ(ItemBaseName(0), "");
    EXPECT_EQ(SelectedCount(), 0u);
    FreeSetupContext(nullptr);
}

TEST_F(ContextTest, BuiltFromTheProductTable)
{
    ProductItem row = TessalyRow();
    ASSERT_EQ(BuildSetupContext(&context, "Tessaly", row.baseName, &row, 1, RGB(90, 174, 214),
                                RGB(165, 231, 255)),
              &context);
    EXPECT_EQ(CurrentSetupContext, &context);
    EXPECT_EQ(std::string(context.extensionDllPath), SystemFolder() + "\\Orvandel.dll");
    EXPECT_STREQ(context.title, "Tessaly");
    EXPECT_STREQ(context.folderName, "Tessaly");
    EXPECT_EQ(context.itemCount, 1u);
    EXPECT_EQ(context.shadeColour, 0x00D6AE5Au);
    EXPECT_EQ(context.lightColour, 0x00FFE7A5u);
    EXPECT_EQ(context.selected[0], 1);
    EXPECT_EQ(SelectedCount(), 1u);

    const ProductItem& item = context.items[0];
    struct Field {
        const char* name;
        const char* copy;
        const char* given;
        const char* expected;
    } fields[] = {
        {"displayName", item.displayName, row.displayName, "Tessaly"},
        {"settingsKey", item.settingsKey, row.settingsKey, "Email"},
        {"baseName", item.baseName, row.baseName, "Tessaly"},
        {"exeName", item.exeName, row.exeName, "Tessaly.exe"},
        {"helpFileName", item.helpFileName, row.helpFileName, "Tessaly.hlp"},
        {"helpContentsName", item.helpContentsName, row.helpContentsName, "Tessaly.cnt"},
        {"helpIndexName", item.helpIndexName, row.helpIndexName, "Tessaly.gid"},
        {"findMenuText", item.findMenuText, row.findMenuText, "&Email Addresses..."},
        {"searchMenuText", item.searchMenuText, row.searchMenuText, "For &Email Addresses..."},
        {"helpText", item.helpText, row.helpText, "Find email addresses on the Internet"},
    };
    for (const Field& f : fields) {
        EXPECT_STREQ(f.copy, f.expected) << f.name;
        EXPECT_NE(f.copy, f.given) << f.name << " is not a copy of its own";
    }
    EXPECT_EQ(std::string(item.uninstallerPath), WindowsFolder() + "\\TessalyUninstall.exe");
    EXPECT_EQ(item.installFolder, nullptr);

    EXPECT_STREQ(CurrentTitle(), "Tessaly");
    EXPECT_STREQ(CurrentFolderName(), "Tessaly");
    EXPECT_STREQ(ItemDisplayName(0), "Tessaly");
    EXPECT_STREQ(ItemSettingsKey(0), "Email");
    EXPECT_STREQ(ItemBaseName(0), "Tessaly");
}

TEST_F(ContextTest, KeepsTheRowsInTableOrderWithEveryItemSelected)
{
    ProductItem rows[2] = {TessalyRow(), TessalyRow()};
    rows[1].settingsKey = "Second";
    rows[1].baseName = "Other";
    rows[1].uninstallerPath = "OtherUninstall.exe";
    BuildSetupContext(&context, "Tessaly", "Tessaly", rows, 2, 0, 0);
    EXPECT_EQ(SelectedCount(), 2u);
    EXPECT_STREQ(ItemSettingsKey(0), "Email");
    EXPECT_STREQ(ItemSettingsKey(1), "Second");
    EXPECT_STREQ(ItemBaseName(1), "Other");
    EXPECT_EQ(std::string(context.items[1].uninstallerPath), WindowsFolder() + "\\OtherUninstall.exe");
    context.selected[1] = 0;
    EXPECT_EQ(SelectedCount(), 1u);
}

TEST_F(ContextTest, InstallPathOfSharesOneBufferBetweenCalls)
{
    ProductItem row = TessalyRow();
    BuildSetupContext(&context, "Tessaly", "Tessaly", &row, 1, 0, 0);
    context.items[0].installFolder = static_cast<char*>(MemAlloc(PathBufferSize));
    lstrcpyA(context.items[0].installFolder, "C:\\Program Files\\Quenbrook\\Tessaly");

    const char* first = InstallPathOf(&context, 0, "Tessaly.exe");
    EXPECT_STREQ(first, "C:\\Program Files\\Quenbrook\\Tessaly\\Tessaly.exe");
    const char* second = InstallPathOf(&context, 0, "Tessaly.hlp");
    EXPECT_STREQ(second, "C:\\Program Files\\Quenbrook\\Tessaly\\Tessaly.hlp");
    EXPECT_STREQ(first, second);

    lstrcpyA(context.items[0].installFolder, "D:\\");
    EXPECT_STREQ(InstallPathOf(&context, 0, "Tessaly.exe"), "D:\\Tessaly.exe");
}

TEST_F(ContextTest, InstallPathOfNeverGrowsPastAPathBuffer)
{
    ProductItem row = TessalyRow();
    BuildSetupContext(&context, "Tessaly", "Tessaly", &row, 1, 0, 0);
    context.items[0].installFolder = static_cast<char*>(MemAlloc(PathBufferSize));
    for (size_t length : {247u, 248u, 259u}) {
        SCOPED_TRACE(testing::Message() << "folder of " << length << " characters");
        std::string folder = "C:\\" + std::string(length - 3, 'f');
        lstrcpyA(context.items[0].installFolder, folder.c_str());
        std::string path = InstallPathOf(&context, 0, "Tessaly.exe");
        // 247 + 1 + 11 = 259 characters fit; anything longer leaves the folder.
        EXPECT_EQ(path, length <= 247 ? folder + "\\Tessaly.exe" : folder);
        EXPECT_LE(path.size(), 259u);
    }
}
