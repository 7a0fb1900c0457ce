#include "../resources/resource_ids.h"
#include "foundation/memory.h"
#include "foundation/paths.h"
#include "payload/payload_extractor.h"
#include "payload_fixtures.h"
#include "test_files.h"
#include <gtest/gtest.h>
#include <shellapi.h>
#include <set>
#include <string>
#include <vector>

const char SampleText[] = "This is sample content.\n";
const char MagicAndMode[] = "SZDD\x88\xF0\x27\x33" "A";

// Names in folder, "." and ".." left out.
static std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::string name = entry.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return names;
}

static std::string LittleEndian(DWORD value)
{
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>(value >> shift);
    return bytes;
}

// An SZDD file of content coded as literals only: before every eight bytes a
// control byte whose bits are all set.
static std::string LiteralSzdd(const std::string& content)
{
    std::string file(MagicAndMode, sizeof MagicAndMode - 1);
    file += '\0';
    file += LittleEndian(content.size());
    for (size_t i = 0; i < content.size(); i += 8)
        file += '\xFF' + content.substr(i, 8);
    return file;
}

// Each test gets a fresh folder with a "temp" folder that the process uses as
// its temporary folder (where the extractor puts its copies) and an "out"
// folder for targets.
class PayloadTest : public testing::Test {
protected:
    void SetUp() override
    {
        const std::string base = TempFolder();
        ASSERT_FALSE(base.empty());
        root = base + "payload-test-" + std::to_string(GetCurrentProcessId());
        RemoveTree(root);
        temp = root + "\\temp";
        out = root + "\\out";
        ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA(temp.c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA(out.c_str(), nullptr));
        UseTemporaryFolder(temp);
    }
    void TearDown() override
    {
        SetEnvironmentVariableA("TMP", savedTmp.empty() ? nullptr : savedTmp.c_str());
        SetEnvironmentVariableA("TEMP", savedTemp.empty() ? nullptr : savedTemp.c_str());
        RemoveTree(root);
    }
    void UseTemporaryFolder(const std::string& folder)
    {
        char value[MAX_PATH];
        if (savedTmp.empty() && GetEnvironmentVariableA("TMP", value, MAX_PATH))
            savedTmp = value;
        if (savedTemp.empty() && GetEnvironmentVariableA("TEMP", value, MAX_PATH))
            savedTemp = value;
        SetEnvironmentVariableA("TMP", folder.c_str());
        SetEnvironmentVariableA("TEMP", folder.c_str());
    }

    std::string root, temp, out;
    std::string savedTmp, savedTemp;
    PayloadExtractor extractor;
};

TEST_F(PayloadTest, ExpandsOverWhateverTheTargetHeld)
{
    struct Case {
        const char* name;
        WORD id;
        bool targetBefore;
        std::string before;
        std::string expected;
    } cases[] = {
        {"no target", IDT_WHOLE, false, "", SampleText},
        // The sidebar picture goes over the empty file that reserved its name.
        {"empty target", IDT_WHOLE, true, "", SampleText},
        {"longer target", IDT_WHOLE, true, std::string(3000, 'x'), SampleText},
        {"empty payload over a target", IDT_EMPTY, true, "old", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string target = out + "\\target.bin";
        DeleteFileA(target.c_str());
        if (c.targetBefore) {
            ASSERT_TRUE(WriteWholeFile(target, c.before));
        }
        // Neither a stale error code nor the one that replacing a file leaves
        // behind may turn a complete expansion into a failure.
        SetLastError(0xDEADBEEF);
        EXPECT_TRUE(extractor.ExtractPayload(c.id, target.c_str()));
        EXPECT_EQ(ReadWholeFile(target), c.expected);
        EXPECT_TRUE(FileExists(target));
        EXPECT_TRUE(FilesIn(temp).empty()) << FilesIn(temp).front();
    }
}

TEST_F(PayloadTest, RefusesBadPayloadsAndLeavesNothing)
{
    struct Case {
        const char* name;
        WORD id;
        const char* targetName;
    } cases[] = {
        {"no SZDD header, which LZ32 would copy", IDT_PLAIN, "target.bin"},
        {"wrong magic", IDT_WRONG_MAGIC, "target.bin"},
        {"wrong mode", IDT_WRONG_MODE, "target.bin"},
        {"header cut short", IDT_CUT_HEADER, "target.bin"},
        {"data cut short, which LZ32 would end quietly", IDT_CUT_DATA, "target.bin"},
        {"header promises more than the data holds", IDT_LONG_LENGTH, "target.bin"},
        {"no such resource", IDT_MISSING, "target.bin"},
        {"target folder missing", IDT_WHOLE, "missing\\target.bin"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string target = out + "\\" + c.targetName;
        EXPECT_FALSE(extractor.ExtractPayload(c.id, target.c_str()));
        EXPECT_FALSE(FileExists(target));
        EXPECT_TRUE(FilesIn(out).empty());
        EXPECT_TRUE(FilesIn(temp).empty()) << FilesIn(temp).front();
        // Whatever a failed case left must not count against the next.
        DeleteFileA(target.c_str());
        DeleteMatchingFiles(temp.c_str(), "*");
    }
}

// LZ32 takes source paths of at most 127 characters; the copy of the payload
// lies in the temporary folder, which may have a longer path.
TEST_F(PayloadTest, TemporaryFolderWithALongPathWorksOrFailsCleanly)
{
    std::string longName = temp + "\\" + std::string(140, 'n');
    std::string deep = temp;
    for (int level = 0; level < 16; level++)
        deep += "\\folder" + std::to_string(level % 10);
    struct Case {
        const char* name;
        std::string folder;
        bool expected;
    } cases[] = {
        {"long name whose short form fits", longName, true},
        {"deep folder whose short form is still too long", deep, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_GT(c.folder.size(), 127u);
        ASSERT_TRUE(CreateFolders(c.folder));
        UseTemporaryFolder(c.folder);
        std::string target = out + "\\target.bin";
        DeleteFileA(target.c_str());
        EXPECT_EQ(extractor.ExtractPayload(IDT_WHOLE, target.c_str()), c.expected);
        EXPECT_EQ(ReadWholeFile(target), c.expected ? SampleText : "");
        EXPECT_EQ(FileExists(target), c.expected);
        EXPECT_TRUE(FilesIn(c.folder).empty()) << FilesIn(c.folder).front();
    }
}

// A file whose length is a multiple of the 1024-byte reads ends with a read of
// nothing, which is still a complete expansion.
TEST_F(PayloadTest, ExpandsFilesOfEveryLengthAroundTheReadSize)
{
    for (DWORD length : {0u, 1u, 1023u, 1024u, 1025u, 2048u, 8192u}) {
        SCOPED_TRACE(testing::Message() << length << " bytes");
        std::string content;
        DWORD seed = length;
        for (DWORD i = 0; i < length; i++) {
            seed = seed * 1103515245 + 12345;
            content += static_cast<char>(seed >> 16);
        }
        std::string source = root + "\\source.bi_";
        std::string target = out + "\\target.bin";
        ASSERT_TRUE(WriteWholeFile(source, LiteralSzdd(content)));
        EXPECT_TRUE(extractor.ExpandCompressedFile(source.c_str(), target.c_str()));
        EXPECT_TRUE(ReadWholeFile(target) == content);
        DeleteFileA(target.c_str());
    }
}

static BOOL CALLBACK CollectResourceId(HMODULE, LPCSTR, LPSTR name, LONG_PTR ids)
{
    reinterpret_cast<std::set<UINT_PTR>*>(ids)->insert(reinterpret_cast<UINT_PTR>(name));
    return TRUE;
}

// The payloads that the build put into setup.exe: exactly the six, each an
// SZDD file whose header states its sample file's length, and which LZ32
// expands to that file byte for byte.
TEST_F(PayloadTest, EveryPayloadInSetupExpandsToItsSampleFile)
{
    const std::string build = BuildFolder();
    HMODULE setup = LoadLibraryExA((build + "\\setup.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(setup, nullptr) << "setup.exe in " << build;

    std::set<UINT_PTR> found;
    EnumResourceNamesA(setup, "CUSTOM", CollectResourceId, reinterpret_cast<LONG_PTR>(&found));
    const std::set<UINT_PTR> expectedIds = {998, 999, 2000, 2001, 2002, 2003};
    EXPECT_EQ(found, expectedIds);

    struct Case {
        WORD id;
        const char* file;
    } cases[] = {
        {IDP_SHELL_COMPONENT, "Orvandel.dll"},
        {IDP_SIDEBAR_PICTURE, "Sidebar.bmp"},
        {IDP_ITEM_FILES + IDP_ITEM_PROGRAM, "Tessaly.exe"},
        {IDP_ITEM_FILES + IDP_ITEM_HELP, "Tessaly.hlp"},
        {IDP_ITEM_FILES + IDP_ITEM_HELP_CONTENTS, "Tessaly.cnt"},
        {IDP_ITEM_FILES + IDP_ITEM_UNINSTALLER, "TessalyUninstall.exe"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "payload " << c.id << " (" << c.file << ")");
        const std::string sample = ReadWholeFile(build + "\\payloads\\" + c.file);
        ASSERT_FALSE(sample.empty());
        HRSRC resource = FindResourceA(setup, MAKEINTRESOURCEA(c.id), "CUSTOM");
        ASSERT_NE(resource, nullptr);
        const char* bytes = static_cast<const char*>(LockResource(LoadResource(setup, resource)));
        const std::string payload(bytes, SizeofResource(setup, resource));

        ASSERT_GE(payload.size(), 14u);
        EXPECT_EQ(payload.substr(0, 9), std::string(MagicAndMode, 9));
        EXPECT_EQ(payload[9], '\0');
        EXPECT_EQ(payload.substr(10, 4), LittleEndian(sample.size()));

        std::string source = root + "\\payload.bi_";
        std::string target = out + "\\" + c.file;
        ASSERT_TRUE(WriteWholeFile(source, payload));
        EXPECT_TRUE(extractor.ExpandCompressedFile(source.c_str(), target.c_str()));
        EXPECT_TRUE(ReadWholeFile(target) == sample) << "expanded " << ReadWholeFile(target).size()
                                                     << " bytes of " << sample.size();
    }
    FreeLibrary(setup);
}

// The sidebar picture has the one shape the wizard pages expect.
TEST(SamplePayloads, SidebarPictureHasTheWizardsShape)
{
    const std::string picture = ReadWholeFile(BuildFolder() + "\\payloads\\Sidebar.bmp");
    ASSERT_GE(picture.size(), sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER));
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER info;
    CopyBytes(&file, picture.data(), sizeof file);
    CopyBytes(&info, picture.data() + sizeof file, sizeof info);
    EXPECT_EQ(file.bfType, 'B' | 'M' << 8);
    EXPECT_EQ(file.bfSize, picture.size());
    EXPECT_EQ(file.bfOffBits, 1078u);
    EXPECT_EQ(info.biSize, 40u);
    EXPECT_EQ(info.biWidth, 120);
    EXPECT_EQ(info.biHeight, 228);
    EXPECT_EQ(info.biPlanes, 1);
    EXPECT_EQ(info.biBitCount, 8);
    EXPECT_EQ(info.biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_TRUE(info.biClrUsed == 0 || info.biClrUsed == 256) << info.biClrUsed;
    EXPECT_EQ(picture.size(), 1078u + 120 * 228);
}

// Every stand-in says in its own words that it is sample content: the text
// files and programs in plain text, the library in its version resource.
TEST(SamplePayloads, EachSaysItIsSampleContent)
{
    const std::string phrase = "sample content";
    std::string widePhrase;
    for (char c : phrase)
        widePhrase += std::string(1, c) + '\0';
    for (const char* file :
         {"Tessaly.exe", "Tessaly.hlp", "Tessaly.cnt", "TessalyUninstall.exe", "Orvandel.dll"}) {
        SCOPED_TRACE(file);
        const std::string bytes = ReadWholeFile(BuildFolder() + "\\payloads\\" + file);
        EXPECT_TRUE(bytes.find(phrase) != std::string::npos ||
                    bytes.find(widePhrase) != std::string::npos);
    }
}

// The library answers the shell's two questions: no class to serve, and it
// may always be unloaded.
TEST(SamplePayloads, LibraryIsAnInProcessServerWithoutClasses)
{
    HMODULE library = LoadLibraryA((BuildFolder() + "\\payloads\\Orvandel.dll").c_str());
    ASSERT_NE(library, nullptr);
    typedef HRESULT(WINAPI * GetClassObject)(REFCLSID, REFIID, void**);
    typedef HRESULT(WINAPI * CanUnloadNow)();
    auto getClassObject = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void*>(GetProcAddress(library, "DllGetClassObject")));
    auto canUnloadNow = reinterpret_cast<CanUnloadNow>(
        reinterpret_cast<void*>(GetProcAddress(library, "DllCanUnloadNow")));
    ASSERT_NE(getClassObject, nullptr);
    ASSERT_NE(canUnloadNow, nullptr);
    const GUID anyClass = {0x6E0F3C21, 0x52A4, 0x4B1D, {0x9A, 0x33, 0x10, 0x7C, 0x5E, 0x21, 0x88, 0x04}};
    const IID classFactory = {0x00000001, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    void* object = reinterpret_cast<void*>(0x1234);
    EXPECT_EQ(getClassObject(anyClass, classFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(canUnloadNow(), S_OK);
    FreeLibrary(library);
}

static BOOL CALLBACK KeepDialogWindow(HWND window, LPARAM found)
{
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The message box a process shows on its first thread; null when none came.
static HWND FindMessageBox(DWORD threadId)
{
    HWND box = nullptr;
    // The box appears once the program is idle in its loop; until then, look again.
    for (int attempt = 0; attempt < 100 && box == nullptr; attempt++) {
        EnumThreadWindows(threadId, KeepDialogWindow, reinterpret_cast<LPARAM>(&box));
        if (box == nullptr)
            Sleep(100);
    }
    return box;
}

// The sample program shows the search file it was started on, and carries the
// icon the shell shows for search files ("Tessaly.exe,-10000").
TEST(SamplePayloads, ProgramShowsItsLoadArgumentAndHasTheSearchFileIcon)
{
    const std::string program = BuildFolder() + "\\payloads\\Tessaly.exe";
    HICON icon = ExtractIconA(GetModuleHandleA(nullptr), program.c_str(), -10000);
    EXPECT_NE(icon, nullptr);
    EXPECT_NE(icon, reinterpret_cast<HICON>(1));
    if (icon != nullptr && icon != reinterpret_cast<HICON>(1))
        DestroyIcon(icon);

    struct Case {
        const char* arguments;
        const char* shown;
    } cases[] = {
        {" /load:C:\\Search Files\\people.tsr", "Started with /load:C:\\Search Files\\people.tsr"},
        {" /LOAD:\"C:\\Search Files\\people.tsr\"", "Started with /load:C:\\Search Files\\people.tsr"},
        {"", "Started without a /load: argument."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "arguments \"" << c.arguments << "\"");
        std::string commandLine = "\"" + program + "\"" + c.arguments;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        ASSERT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process));
        WaitForInputIdle(process.hProcess, INFINITE);
        HWND box = FindMessageBox(process.dwThreadId);
        EXPECT_NE(box, nullptr);
        char text[1024] = "";
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        std::string shown = text;
        EXPECT_NE(shown.find("sample content"), std::string::npos) << shown;
        EXPECT_NE(shown.find(c.shown), std::string::npos) << shown;
        if (box != nullptr)
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        else
            TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}
