#include "foundation/memory.h"
#include "foundation/registry_key.h"
#include "registry_probe.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string>

static const char Family[] = "Software\\Quenbrook\\Orvandel\\CurrentVersion";

// Every test starts without the family's keys and without the test keys, and
// leaves none behind.
class RegistryKeyTest : public testing::Test {
protected:
    void SetUp() override { RemoveAll(); }
    void TearDown() override { RemoveAll(); }

    static void RemoveAll()
    {
        probe::DeleteTree(HKEY_CURRENT_USER, "Software\\Quenbrook");
        probe::DeleteTree(HKEY_CURRENT_USER, "Software\\TessalyTests");
        probe::DeleteTree(HKEY_LOCAL_MACHINE, "Software\\TessalyTests");
        probe::DeleteTree(HKEY_CLASSES_ROOT, "TessalyTests");
    }
};

// A path of exactly length characters under Software\TessalyTests, made of
// key names short enough for the registry.
static std::string LongPath(size_t length)
{
    std::string path = "Software\\TessalyTests";
    while (path.size() + 1 < length)
        path += "\\" + std::string(std::min<size_t>(200, length - path.size() - 1), 'k');
    return path;
}

TEST_F(RegistryKeyTest, EachLocationKindOpensItsRootAndPath)
{
    struct Case {
        RegistryLocation kind;
        const char* subPath;
        HKEY root;
        std::string path;
    } cases[] = {
        {Browser, nullptr, HKEY_CURRENT_USER, std::string(Family) + "\\Browser"},
        {Browser, "Sub", HKEY_CURRENT_USER, std::string(Family) + "\\Browser\\Sub"},
        {Mailer, nullptr, HKEY_CURRENT_USER, std::string(Family) + "\\Mailer"},
        {Updates, nullptr, HKEY_CURRENT_USER, std::string(Family) + "\\Updates"},
        {Updates, "Sub\\Deeper", HKEY_CURRENT_USER, std::string(Family) + "\\Updates\\Sub\\Deeper"},
        {ProductSettings, nullptr, HKEY_CURRENT_USER, std::string(Family) + "\\Email"},
        {ProductSettings, "Sub", HKEY_CURRENT_USER, std::string(Family) + "\\Email\\Sub"},
        {FamilyVersion, nullptr, HKEY_CURRENT_USER, Family},
        {FamilyVersion, "Sub", HKEY_CURRENT_USER, std::string(Family) + "\\Sub"},
        {MachinePath, "Software\\TessalyTests\\Machine", HKEY_LOCAL_MACHINE, "Software\\TessalyTests\\Machine"},
        {UserPath, "Software\\TessalyTests\\User", HKEY_CURRENT_USER, "Software\\TessalyTests\\User"},
        {ClassesPath, "TessalyTests\\Classes", HKEY_CLASSES_ROOT, "TessalyTests\\Classes"},
    };
    for (const Case& c : cases) {
        std::string name = "kind " + std::to_string(c.kind) + " with " + (c.subPath ? c.subPath : "no sub-path");
        SCOPED_TRACE(name);
        RegistryKey key("Email");
        ASSERT_TRUE(key.Open(c.kind, c.subPath, false));
        ASSERT_TRUE(key.WriteString("Probe", name.c_str()));
        EXPECT_EQ(probe::Read(c.root, c.path, "Probe"), probe::Text(name))
            << probe::RootName(c.root) << "\\" << c.path;

        char text[RegistryTextSize] = "poison";
        ASSERT_TRUE(key.Open(c.kind, c.subPath, true));
        EXPECT_TRUE(key.ReadString("Probe", text, sizeof text));
        EXPECT_EQ(std::string(text), name);
    }
    // The machine and classes kinds do not reach into the user's keys.
    EXPECT_FALSE(probe::KeyExists(HKEY_CURRENT_USER, "Software\\TessalyTests\\Machine"));
    EXPECT_FALSE(probe::KeyExists(HKEY_CURRENT_USER, "TessalyTests\\Classes"));
    EXPECT_FALSE(probe::KeyExists(HKEY_LOCAL_MACHINE, "Software\\TessalyTests\\User"));
}

TEST_F(RegistryKeyTest, WritableOpenCreatesTheWholePathAndReadOnlyOpenDoesNot)
{
    RegistryKey key("Email");
    ASSERT_FALSE(probe::KeyExists(HKEY_CURRENT_USER, "Software\\Quenbrook"));

    EXPECT_FALSE(key.Open(Updates, nullptr, true));
    EXPECT_FALSE(key.WriteString("Probe", "x")) << "a failed Open leaves the key closed";
    EXPECT_FALSE(probe::KeyExists(HKEY_CURRENT_USER, "Software\\Quenbrook"));

    ASSERT_TRUE(key.Open(Updates, nullptr, false));
    for (const char* path : {"Software\\Quenbrook", "Software\\Quenbrook\\Orvandel",
                             "Software\\Quenbrook\\Orvandel\\CurrentVersion",
                             "Software\\Quenbrook\\Orvandel\\CurrentVersion\\Updates"}) {
        EXPECT_TRUE(probe::KeyExists(HKEY_CURRENT_USER, path)) << path;
    }
    EXPECT_TRUE(key.Open(Updates, nullptr, true));
}

TEST_F(RegistryKeyTest, KindsAboveSevenAndMissingPathsSelectNothing)
{
    for (int kind : {8, 9, 255}) {
        SCOPED_TRACE(testing::Message() << "kind " << kind);
        RegistryKey key("Email");
        ASSERT_TRUE(key.Open(UserPath, "Software\\TessalyTests\\Open", false));
        EXPECT_FALSE(key.Open(static_cast<RegistryLocation>(kind), "Software\\TessalyTests\\Other", false));
        EXPECT_FALSE(key.WriteString("Probe", "x")) << "the earlier key was closed";
        EXPECT_TRUE(key.HasSubkeys()) << "a closed key counts as having subkeys";
        EXPECT_FALSE(key.DeleteKey(static_cast<RegistryLocation>(kind), "Software\\TessalyTests\\Open"));
        EXPECT_TRUE(probe::KeyExists(HKEY_CURRENT_USER, "Software\\TessalyTests\\Open"));
    }
    EXPECT_FALSE(probe::KeyExists(HKEY_CURRENT_USER, "Software\\TessalyTests\\Other"));

    // The whole-path kinds need a sub-path, and an empty one never deletes a root.
    RegistryKey key("Email");
    for (RegistryLocation kind : {MachinePath, UserPath, ClassesPath}) {
        SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(kind));
        EXPECT_FALSE(key.Open(kind, nullptr, false));
        EXPECT_FALSE(key.DeleteKey(kind, nullptr));
        EXPECT_FALSE(key.DeleteKey(kind, ""));
    }
}

TEST_F(RegistryKeyTest, APathThatWouldNotFitIsNeverCut)
{
    RegistryKey key("Email");
    std::string tooLong = LongPath(RegistryTextSize);
    ASSERT_EQ(tooLong.size(), 1024u);
    EXPECT_FALSE(key.Open(UserPath, tooLong.c_str(), false));
    EXPECT_FALSE(key.Open(Updates, tooLong.c_str(), false));
    EXPECT_FALSE(key.DeleteKey(UserPath, tooLong.c_str()));
    EXPECT_FALSE(probe::KeyExists(HKEY_CURRENT_USER, "Software\\TessalyTests"));
    EXPECT_FALSE(probe::KeyExists(HKEY_CURRENT_USER, std::string(Family) + "\\Updates"));

    // A settings key name that does not fit leaves its kind unusable rather
    // than naming a shortened key; the other kinds are not affected.
    std::string longName(SettingsKeyNameSize, 'n');
    RegistryKey longNamed(longName.c_str());
    EXPECT_FALSE(longNamed.Open(ProductSettings, nullptr, false));
    EXPECT_EQ(probe::SubkeyCount(HKEY_CURRENT_USER, Family), 0u);
    EXPECT_TRUE(longNamed.Open(Mailer, nullptr, false));
}

TEST_F(RegistryKeyTest, DeleteKeyClosesTheKeyWhateverItsAnswer)
{
    const char* path = "Software\\TessalyTests\\Deleted";
    RegistryKey key("Email");
    ASSERT_TRUE(key.Open(UserPath, path, false));
    EXPECT_FALSE(key.DeleteKey(UserPath, "Software\\TessalyTests\\Missing"));
    EXPECT_FALSE(key.WriteString("Probe", "x"));

    ASSERT_TRUE(key.Open(UserPath, path, false));
    EXPECT_TRUE(key.DeleteKey(UserPath, path));
    EXPECT_FALSE(key.WriteString("Probe", "x"));
    EXPECT_FALSE(probe::KeyExists(HKEY_CURRENT_USER, path));

    ASSERT_TRUE(key.Open(ProductSettings, "Sub", false));
    EXPECT_TRUE(key.DeleteKey(ProductSettings, "Sub"));
    EXPECT_FALSE(probe::KeyExists(HKEY_CURRENT_USER, std::string(Family) + "\\Email\\Sub"));
    EXPECT_TRUE(probe::KeyExists(HKEY_CURRENT_USER, std::string(Family) + "\\Email"));
}

TEST_F(RegistryKeyTest, HasSubkeysIsFalseOnlyForAnOpenKeyShownEmpty)
{
    RegistryKey key("Email");
    EXPECT_TRUE(key.HasSubkeys());
    ASSERT_TRUE(key.Open(ProductSettings, nullptr, false));
    ASSERT_TRUE(key.WriteString("Value", "values are not subkeys"));
    EXPECT_FALSE(key.HasSubkeys());

    RegistryKey child("Email");
    ASSERT_TRUE(child.Open(ProductSettings, "Child", false));
    EXPECT_TRUE(key.HasSubkeys());
    key.Close();
    EXPECT_TRUE(key.HasSubkeys());
}

// Values of every type, stored by the test, read with every typed read.
TEST_F(RegistryKeyTest, TypedReadsAnswerOnlyTheirOwnType)
{
    const std::string path = "Software\\TessalyTests\\Typed";
    struct Stored {
        const char* name;
        DWORD type;
        std::string bytes;
    } values[] = {
        {"sz", REG_SZ, std::string("text", 5)},
        {"expand", REG_EXPAND_SZ, std::string("%TEMP%", 7)},
        {"multi", REG_MULTI_SZ, std::string("a\0bc\0\0", 6)},
        {"binary", REG_BINARY, std::string("\x01\x02\x03", 3)},
        {"dword", REG_DWORD, std::string("\x78\x56\x34\x12", 4)},
    };
    for (const Stored& v : values)
        ASSERT_TRUE(probe::Write(HKEY_CURRENT_USER, path, v.name, v.type, v.bytes)) << v.name;

    RegistryKey key("Email");
    ASSERT_TRUE(key.Open(UserPath, path.c_str(), true));
    for (const Stored& v : values) {
        SCOPED_TRACE(v.name);
        EXPECT_TRUE(key.ValueExists(v.name));

        char text[64];
        EXPECT_EQ(key.ReadString(v.name, text, sizeof text), v.type == REG_SZ);

        BYTE data[64];
        DWORD size = sizeof data;
        bool multi = key.ReadMultiString(v.name, data, &size);
        EXPECT_EQ(multi, v.type == REG_MULTI_SZ);
        if (multi) {
            EXPECT_EQ(std::string(reinterpret_cast<char*>(data), size), v.bytes);
        }

        size = sizeof data;
        bool binary = key.ReadBinary(v.name, data, &size);
        EXPECT_EQ(binary, v.type == REG_BINARY);
        if (binary) {
            EXPECT_EQ(std::string(reinterpret_cast<char*>(data), size), v.bytes);
        }

        DWORD number = 0;
        EXPECT_EQ(key.ReadDword(v.name, &number), v.type == REG_DWORD);
    }
    char text[8];
    ASSERT_TRUE(key.ReadString("sz", text, sizeof text));
    EXPECT_STREQ(text, "text");
    DWORD number = 0;
    ASSERT_TRUE(key.ReadDword("dword", &number));
    EXPECT_EQ(number, 0x12345678u);
    EXPECT_FALSE(key.ValueExists("missing"));
    EXPECT_FALSE(key.ReadString("missing", text, sizeof text));
}

TEST_F(RegistryKeyTest, ReadStringAnswersATerminatedTextWithinTheBufferOrNothing)
{
    const std::string path = "Software\\TessalyTests\\Strings";
    ASSERT_TRUE(probe::Write(HKEY_CURRENT_USER, path, "text", REG_SZ, std::string("12345678", 9)));
    // Stored without its terminator, as a careless writer may leave it.
    ASSERT_TRUE(probe::Write(HKEY_CURRENT_USER, path, "bare", REG_SZ, "1234"));
    RegistryKey key("Email");
    ASSERT_TRUE(key.Open(UserPath, path.c_str(), true));

    struct Case {
        const char* name;
        DWORD size;
        bool ok;
        const char* expected;
    } cases[] = {
        {"text", 9, true, "12345678"},
        {"text", 8, false, nullptr},  // one byte short of the terminator
        {"bare", 5, true, "1234"},
        {"bare", 4, false, nullptr},  // no room to terminate it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " into " << c.size << " bytes");
        char buffer[16];
        FillBytes(buffer, 0xBD, sizeof buffer);
        EXPECT_EQ(key.ReadString(c.name, buffer, c.size), c.ok);
        if (c.ok) {
            EXPECT_STREQ(buffer, c.expected);
        }
        for (size_t i = c.size; i < sizeof buffer; i++)
            EXPECT_EQ(static_cast<BYTE>(buffer[i]), 0xBD) << "byte " << i << " past the buffer";
    }
}

TEST_F(RegistryKeyTest, WritesStoreTheirTypeAndExactBytes)
{
    const std::string path = "Software\\TessalyTests\\Written";
    RegistryKey key("Email");
    ASSERT_TRUE(key.Open(UserPath, path.c_str(), false));
    const BYTE multi[] = {'a', 0, 'b', 0, 0};
    const BYTE binary[] = {0, 1, 0xFF};
    EXPECT_TRUE(key.WriteString("empty", ""));
    EXPECT_TRUE(key.WriteString("text", "Quenbrook"));
    EXPECT_TRUE(key.WriteMultiString("multi", multi, sizeof multi));
    EXPECT_TRUE(key.WriteBinary("binary", binary, sizeof binary));
    EXPECT_TRUE(key.WriteDword("dword", 0x01020304));
    EXPECT_TRUE(key.WriteString(nullptr, "default"));

    struct Case {
        const char* name;
        probe::Value expected;
    } cases[] = {
        {"empty", probe::Stored(REG_SZ, std::string(1, '\0'))},
        {"text", probe::Text("Quenbrook")},
        {"multi", probe::Stored(REG_MULTI_SZ, std::string("a\0b\0\0", 5))},
        {"binary", probe::Stored(REG_BINARY, std::string("\0\1\xFF", 3))},
        {"dword", probe::Stored(REG_DWORD, "\4\3\2\1")},
        {nullptr, probe::Text("default")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name ? c.name : "(default)");
        EXPECT_EQ(probe::Read(HKEY_CURRENT_USER, path, c.name), c.expected);
    }

    key.Close();
    EXPECT_FALSE(key.WriteString("closed", "x"));
    EXPECT_FALSE(key.WriteDword("closed", 1));
    EXPECT_FALSE(probe::Read(HKEY_CURRENT_USER, path, "closed").found);
}

TEST_F(RegistryKeyTest, DeleteValueTreatsAMissingValueAsDeleted)
{
    const std::string path = "Software\\TessalyTests\\Values";
    RegistryKey key("Email");
    EXPECT_FALSE(key.DeleteValue("any")) << "a closed key deletes nothing";
    ASSERT_TRUE(key.Open(UserPath, path.c_str(), false));
    ASSERT_TRUE(key.WriteDword("present", 1));
    EXPECT_TRUE(key.DeleteValue("present"));
    EXPECT_FALSE(probe::Read(HKEY_CURRENT_USER, path, "present").found);
    EXPECT_TRUE(key.DeleteValue("present"));
    EXPECT_TRUE(key.DeleteValue("never there"));
}

TEST_F(RegistryKeyTest, EnumValueNameListsTheNamesThatFit)
{
    const std::string path = "Software\\TessalyTests\\Names";
    RegistryKey key("Email");
    ASSERT_TRUE(key.Open(UserPath, path.c_str(), false));
    ASSERT_TRUE(key.WriteString("first", "1"));
    ASSERT_TRUE(key.WriteDword("second", 2));

    std::string names;
    char name[64];
    DWORD index = 0;
    for (; key.EnumValueName(index, name, sizeof name); index++)
        names += std::string(name) + ";";
    EXPECT_EQ(index, 2u);
    EXPECT_NE(names.find("first;"), std::string::npos) << names;
    EXPECT_NE(names.find("second;"), std::string::npos) << names;

    EXPECT_FALSE(key.EnumValueName(0, name, 3)) << "no name fits in 3 characters";
    key.Close();
    EXPECT_FALSE(key.EnumValueName(0, name, sizeof name));
}
