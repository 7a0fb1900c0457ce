#include "core/catalogue.h"
#include "core/country_table.h"
#include "foundation/memory.h"
#include <gtest/gtest.h>
#include <set>
#include <string>

class CatalogueTest : public testing::Test {
protected:
    void SetUp() override
    {
        PageTexts();
        InstallTexts();
        WizardButtonTexts();
    }
    void TearDown() override
    {
        ReleasePageTexts();
        ReleaseInstallTexts();
        ReleaseWizardButtonTexts();
    }
};

TEST_F(CatalogueTest, EveryEntryIsPresentAndPlainAscii)
{
    for (int id = 0; id < MessageCount; id++) {
        SCOPED_TRACE(testing::Message() << "entry " << id);
        const char* text = MessageText(static_cast<MessageId>(id));
        ASSERT_NE(text, nullptr);
        EXPECT_GT(lstrlenA(text), 0);
        for (const char* c = text; *c; c++)
            ASSERT_TRUE(*c >= 0x20 || *c == '\r' || *c == '\n') << "byte " << int(*c);
    }
}

TEST_F(CatalogueTest, TextsKeepTheirExactWording)
{
    struct Case {
        MessageId id;
        const char* text;
    } cases[] = {
        {MsgPathInaccessible,
         "The given installation path cannot be accessed.  Please ensure that the path is valid and "
         "that you have write permission to the specified directory."},
        {MsgRemovePreviousVersions,
         "Note: You must remove all previous versions of the Redadi from your system before "
         "continuing with this installation.\r\n\r\n"},
        {MsgProxyIncomplete,
         "The %1 proxy settings are incomplete. If you choose any selection other than \"None\" then "
         "you must provide both a host and a port."},
        {MsgInstallComplete, "Installation complete. To start %1, go to the\r\nStart | %2 menu and select %3."},
        {MsgCannotCopyInUse,
         "Unable to copy %1. Ensure that all instances of %2 are closed. If %2 isn't running, we "
         "recommend a reboot before installing"},
        {MsgInstallTitle, "%1 Installation"},
        {MsgProductName, "Tessaly"},
        {MsgFindMenuText, "&Email Addresses..."},
        {MsgSearchMenuText, "For &Email Addresses..."},
        {MsgHttpProxyLabel, "&HTTP proxy:"},
        {MsgBack, "< &Back"},
        {MsgConfirmCancel, "Are you sure you wish to cancel the installation?"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(MessageText(c.id), c.text) << "entry " << c.id;
}

TEST_F(CatalogueTest, LicenceAsksForYesOrNoInCrLfLines)
{
    std::string licence = MessageText(MsgLicenceText);
    EXPECT_GT(licence.size(), 6000u);
    EXPECT_LT(licence.size(), 7600u);
    for (size_t i = 0; i < licence.size(); i++) {
        unsigned char c = licence[i];
        ASSERT_TRUE((c >= 0x20 && c < 0x7F) || c == '\r' || c == '\n') << "byte " << int(c) << " at " << i;
        if (c == '\n') {
            ASSERT_TRUE(i > 0 && licence[i - 1] == '\r') << "bare line feed at " << i;
        }
        if (c == '\r') {
            ASSERT_EQ(licence[i + 1], '\n') << "bare carriage return at " << i;
        }
    }
    EXPECT_NE(licence.find("press Yes"), std::string::npos);
    EXPECT_NE(licence.find("press No to end the"), std::string::npos);
    EXPECT_STREQ(MessageText(MsgYes), "&Yes");
    EXPECT_STREQ(MessageText(MsgNo), "&No");
}

TEST_F(CatalogueTest, CountryRowsShowTheConvertedCatalogueNames)
{
    EXPECT_STREQ(CountryTable[0].matchName, "Other");
    EXPECT_STREQ(CountryTable[0].listName, "Other");
    std::set<std::string> names;
    int renamed = 0;
    for (DWORD row = 0; row < CountryCount; row++) {
        const CountryEntry& entry = CountryTable[row];
        SCOPED_TRACE(testing::Message() << "row " << row << " " << entry.matchName);
        // The converted entry itself, not the stored text.
        EXPECT_EQ(entry.listName, CountryNames[row].text);
        EXPECT_NE(entry.listName, CountryNames[row].stored);
        EXPECT_STREQ(entry.listName, CountryNames[row].stored);
        EXPECT_TRUE(names.insert(entry.listName).second) << "shown twice";
        if (lstrcmpA(entry.matchName, entry.listName) != 0) {
            renamed++;
            EXPECT_STREQ(entry.matchName, "United States");
            EXPECT_STREQ(entry.listName, "United States of America");
        }
    }
    EXPECT_EQ(names.size(), 237u);
    EXPECT_EQ(renamed, 1);
    EXPECT_EQ(names.count("United States Virgin Islands"), 1u);
    EXPECT_EQ(names.count("Zimbabwe"), 1u);
}

TEST(CatalogueRelease, LeavesNoCountryPointingAtReleasedText)
{
    PageTexts();
    ReleasePageTexts();
    for (DWORD row = 0; row < CountryCount; row++)
        ASSERT_EQ(CountryTable[row].listName, nullptr) << "row " << row;
}

TEST(ToAnsiCodePage, ConvertsFromLatin1ToTheSystemCodePage)
{
    if (GetACP() != 1252)
        GTEST_SKIP() << "the system's ANSI code page is " << GetACP();
    struct Case {
        const char* stored;
        const char* expected;
    } cases[] = {
        {"Caf\xE9 & \"Co\"\r\n", "Caf\xE9 & \"Co\"\r\n"},
        {"", ""},
        {"\x80\xFF", "\x80\xFF"},
    };
    for (const Case& c : cases) {
        char* text = ToAnsiCodePage(c.stored);
        EXPECT_STREQ(text, c.expected) << "from \"" << c.stored << '"';
        MemFree(text);
    }
}

TEST(ToAnsiCodePage, FallbackMasksExactlyTheHighBytes)
{
    std::string all;
    for (int b = 1; b < 256; b++)
        all += static_cast<char>(b);
    char* text = CopyWithHighBytesMasked(all.c_str());
    ASSERT_EQ(lstrlenA(text), 255);
    for (int b = 1; b < 256; b++)
        EXPECT_EQ(text[b - 1], b < 0x80 ? static_cast<char>(b) : '*') << "byte " << b;
    MemFree(text);
}
