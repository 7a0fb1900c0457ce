#include "foundation/memory.h"
#include "foundation/paths.h"
#include "foundation/text.h"
#include "foundation/windows_version.h"
#include "guarded_buffer.h"
#include "test_files.h"
#include <gtest/gtest.h>
#include <string>

// A 260-byte path buffer.
using GuardedPath = GuardedBuffer<PathBufferSize>;

TEST(CharacterClasses, EachClassHoldsExactlyItsCharacters)
{
    const std::string digits = "0123456789";
    const std::string hex = digits + "abcdefABCDEF";
    const std::string space = " \t\r\n";
    for (int b = 0; b < 256; b++) {
        char c = static_cast<char>(b);
        SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << b);
        EXPECT_EQ(IsDigitChar(c), b != 0 && digits.find(c) != std::string::npos);
        EXPECT_EQ(IsHexDigitChar(c), b != 0 && hex.find(c) != std::string::npos);
        EXPECT_EQ(IsSpaceChar(c), b != 0 && space.find(c) != std::string::npos);
    }
}

TEST(CountedComparison, AnswersTheStoredDifferenceAtTheFirstMismatch)
{
    struct Case {
        const char* a;
        const char* b;
        DWORD count;
        bool ignoreCase;
        int expected;
    } cases[] = {
        {"ZJ1", "ZJ", 2, false, 0},
        {"ZJ1", "ZJ", 3, false, '1'},
        {"nul rest", "NUL", 3, true, 0},
        {"nul rest", "NUL", 3, false, 'n' - 'N'},
        {"a", "B", 1, true, 'a' - 'B'},
        {"abc", "xyz", 0, true, 0},
        {"abc", "xyz", 0, false, 0},
        {"\xE9", "a", 1, false, -23 - 'a'},  // bytes from 0x80 up are negative
        {"\xE9t\xE9", "\xC9T\xC9", 3, true, 0},  // upper-cased in code page 1252
        {"\xFF", "\x7F", 1, true, -1 - 0x7F},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.a << "\" vs \"" << c.b << "\" count "
                                        << c.count << (c.ignoreCase ? " ignoring case" : ""));
        int result = c.ignoreCase ? CompareCountedNoCase(c.a, c.b, c.count)
                                  : CompareCounted(c.a, c.b, c.count);
        EXPECT_EQ(result, c.expected);
    }
}

TEST(ByteHelpers, FillCopyAndMoveStayInsideTheirCount)
{
    char buffer[8];
    EXPECT_EQ(FillBytes(buffer, 0x1BD, sizeof buffer), buffer);
    EXPECT_EQ(std::string(buffer, 8), std::string(8, '\xBD'));

    EXPECT_EQ(CopyBytes(buffer + 1, "abc", 3), buffer + 1);
    EXPECT_EQ(std::string(buffer, 8), "\xBD" "abc\xBD\xBD\xBD\xBD");

    char text[] = "&Find";
    EXPECT_EQ(MoveBytes(text, text + 1, lstrlenA(text + 1) + 1), text);
    EXPECT_STREQ(text, "Find");

    char upwards[] = "abcdef";
    MoveBytes(upwards + 2, upwards, 4);  // source below destination: copied from the top
    EXPECT_STREQ(upwards, "ababcd");

    MoveBytes(upwards, upwards, 6);
    MoveBytes(upwards, "zz", 0);
    EXPECT_STREQ(upwards, "ababcd");
}

TEST(Memory, BlocksComeZeroFilledAndNullIsIgnored)
{
    unsigned char* block = static_cast<unsigned char*>(MemAlloc(64));
    ASSERT_NE(block, nullptr);
    for (int i = 0; i < 64; i++)
        EXPECT_EQ(block[i], 0) << "at " << i;
    MemFree(block);
    MemFree(nullptr);

    char* copy = DuplicateString("Tessaly");
    EXPECT_STREQ(copy, "Tessaly");
    MemFree(copy);
    copy = DuplicateString("");
    EXPECT_STREQ(copy, "");
    MemFree(copy);
}

TEST(CompareForSort, UsesTheCaseInsensitiveCollation)
{
    EXPECT_EQ(CompareForSort("austria", "Austria"), 0);
    EXPECT_EQ(CompareForSort("Austria", "belgium"), -1);
    EXPECT_EQ(CompareForSort("Belgium", "austria"), 1);
}

TEST(AppendPathPart, JoinsWithExactlyOneBackslash)
{
    struct Case {
        const char* path;
        const char* part;
        const char* expected;
    } cases[] = {
        {"C:\\WINDOWS", "TessalyUninstall.exe", "C:\\WINDOWS\\TessalyUninstall.exe"},
        {"C:\\", "TessalyUninstall.exe", "C:\\TessalyUninstall.exe"},
        {"C:\\users\\me\\Temp\\", "quenbrook", "C:\\users\\me\\Temp\\quenbrook"},
        {"C:", "file", "C:\\file"},
        {"C:\\a", "\\b", "C:\\a\\\\b"},  // the part is appended as it is
        {"", "file", "file"},            // nothing to separate from
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.path << "\" + \"" << c.part << '"');
        GuardedPath buffer(c.path);
        EXPECT_EQ(AppendPathPart(buffer.text, c.part), buffer.text);
        EXPECT_STREQ(buffer.text, c.expected);
        EXPECT_TRUE(buffer.GuardIntact());
    }
}

TEST(AppendPathPart, AJoinThatWouldNotFitLeavesThePathUnchanged)
{
    struct Case {
        size_t folderLength;
        const char* part;
        bool fits;
    } cases[] = {
        {249, "Tessaly.x", true},   // 249 + 1 + 9 = 259 characters: the longest path
        {250, "Tessaly.x", false},  // one more than fits
        {258, "x", false},
        {259, "", false},           // even the backslash alone has no room
        {258, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.folderLength << " + \"" << c.part << '"');
        std::string folder = "C:\\" + std::string(c.folderLength - 3, 'f');
        std::string expected = c.fits ? folder + "\\" + c.part : folder;
        GuardedPath joined(folder), appended(folder);
        EXPECT_EQ(JoinPathPart(joined.text, PathBufferSize, c.part), c.fits);
        AppendPathPart(appended.text, c.part);
        EXPECT_EQ(std::string(joined.text), expected);
        EXPECT_EQ(std::string(appended.text), expected);
        EXPECT_TRUE(joined.GuardIntact());
        EXPECT_TRUE(appended.GuardIntact());
    }
}

TEST(AppendText, AppendsOnlyWhatFitsWhole)
{
    struct Case {
        size_t length;
        const char* text;
        bool fits;
    } cases[] = {
        {252, ",-10000", true},  // 252 + 7 = 259 characters: the longest text
        {253, ",-10000", false},
        {259, "", true},
        {0, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.length << " + \"" << c.text << '"');
        std::string start(c.length, 'p');
        GuardedPath buffer(start);
        EXPECT_EQ(AppendText(buffer.text, PathBufferSize, c.text), c.fits);
        EXPECT_EQ(std::string(buffer.text), c.fits ? start + c.text : start);
        EXPECT_TRUE(buffer.GuardIntact());
    }
}

TEST(GetSetupTempFolder, IsTheTemporaryFolderWithTheSetupsSubfolder)
{
    const std::string temp = TempFolder();
    ASSERT_FALSE(temp.empty());
    GuardedPath buffer("");
    ASSERT_TRUE(GetSetupTempFolder(buffer.text, PathBufferSize));
    EXPECT_EQ(std::string(buffer.text), temp + "quenbrook");
    EXPECT_TRUE(buffer.GuardIntact());
}

TEST(GetSetupTempFolder, FailsWithoutOverrunWhenTheBufferIsTooSmall)
{
    DWORD length = TempFolder().size();
    // Room for the temporary folder, but not for "quenbrook" behind it; then
    // not even for the temporary folder.
    for (DWORD size : {length + 5, length}) {
        SCOPED_TRACE(testing::Message() << "buffer of " << size << " bytes");
        GuardedPath buffer("");
        EXPECT_FALSE(GetSetupTempFolder(buffer.text, size));
        for (DWORD i = size; i < PathBufferSize; i++)
            ASSERT_EQ(static_cast<unsigned char>(buffer.text[i]), 0xFF) << "written at " << i;
    }
}

class DeleteMatchingFilesTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder = TempFolder() + "delete-matching-" + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    }
    void TearDown() override
    {
        for (const char* name : {"a.tmp", "b.tmp", "keep.txt"})
            DeleteFileA((folder + "\\" + name).c_str());
        RemoveDirectoryA((folder + "\\sub.tmp").c_str());
        RemoveDirectoryA(folder.c_str());
    }
    // A new, empty file: one that was there already fails the test.
    void MakeFile(const char* name)
    {
        ASSERT_FALSE(Exists(name)) << name;
        ASSERT_TRUE(WriteWholeFile(folder + "\\" + name, "")) << name;
    }
    bool Exists(const char* name) const
    {
        return FileExists(folder + "\\" + name);
    }
    std::string folder;
};

TEST_F(DeleteMatchingFilesTest, DeletesTheMatchingFilesOnly)
{
    MakeFile("a.tmp");
    MakeFile("b.tmp");
    MakeFile("keep.txt");
    ASSERT_TRUE(CreateDirectoryA((folder + "\\sub.tmp").c_str(), nullptr));

    DeleteMatchingFiles(folder.c_str(), "*.tmp");

    EXPECT_FALSE(Exists("a.tmp"));
    EXPECT_FALSE(Exists("b.tmp"));
    EXPECT_TRUE(Exists("keep.txt"));
    EXPECT_TRUE(Exists("sub.tmp"));
}

TEST_F(DeleteMatchingFilesTest, AMissingOrOverlongFolderIsLeftAlone)
{
    MakeFile("a.tmp");
    DeleteMatchingFiles((folder + "\\missing").c_str(), "*.tmp");
    std::string overlong = folder + "\\" + std::string(300, 'x');
    DeleteMatchingFiles(overlong.c_str(), "*");
    EXPECT_TRUE(Exists("a.tmp"));
}

// The prefix of each Windows version must report that version: the wrapper
// names the version it started the test for.
TEST(WindowsVersion, MatchesThePrefixAndItsFamily)
{
    char expected[32] = "";
    if (!GetEnvironmentVariableA("TESSALY_EXPECTED_WINDOWS", expected, sizeof expected))
        GTEST_SKIP() << "not started for a particular Windows version";

    struct Version {
        const char* name;
        DWORD platform, major, minor;
        bool win9x, version5;
    } versions[] = {
        {"win98", VER_PLATFORM_WIN32_WINDOWS, 4, 10, true, false},
        {"nt40", VER_PLATFORM_WIN32_NT, 4, 0, false, false},
        {"win2k", VER_PLATFORM_WIN32_NT, 5, 0, false, true},
    };
    const Version* version = nullptr;
    for (const Version& v : versions) {
        if (lstrcmpA(v.name, expected) == 0)
            version = &v;
    }
    ASSERT_NE(version, nullptr) << "no expectations for " << expected;

    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    ASSERT_EQ(info.dwPlatformId, version->platform) << "the " << expected << " prefix reports another platform";
    ASSERT_EQ(info.dwMajorVersion, version->major) << "the " << expected << " prefix reports another version";
    ASSERT_EQ(info.dwMinorVersion, version->minor) << "the " << expected << " prefix reports another version";

    EXPECT_EQ(IsWin9xPlatform(), version->win9x);
    EXPECT_EQ(IsVersion5OrLater(), version->version5);
}

TEST(TextSearch, FindsCharactersAndTexts)
{
    const char* text = "http=proxy:8080;ftp=x:21";
    EXPECT_EQ(FindChar(text, ':'), text + 10);
    EXPECT_EQ(FindLastChar(text, ':'), text + 21);
    EXPECT_EQ(FindChar(text, '#'), nullptr);
    EXPECT_EQ(FindLastChar("", ':'), nullptr);
    EXPECT_EQ(FindText(text, "ftp="), text + 16);
    EXPECT_EQ(FindText(text, "FTP="), nullptr);  // case counted
    EXPECT_EQ(FindText("ab", "abc"), nullptr);   // never reads past the text
    EXPECT_EQ(FindText(text, ""), text);
    EXPECT_EQ(SpanWithout(text, "=;"), 4u);
    EXPECT_EQ(SpanWithout("proxy:80", "=;"), 8u);
    EXPECT_EQ(SpanWithout("", "=;"), 0u);
}

TEST(TextSearch, DecimalToIntTakesTheLeadingNumber)
{
    struct Case {
        const char* text;
        int expected;
    } cases[] = {
        {"8080", 8080}, {"-12x", -12}, {"80;", 80}, {"", 0}, {"x1", 0}, {"-", 0}, {" 1", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecimalToInt(c.text), c.expected) << '"' << c.text << '"';
}
