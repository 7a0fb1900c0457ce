#include "core/setup_context.h"
#include "foundation/windows_version.h"
#include "payload/free_space.h"
#include "test_files.h"
#include <gtest/gtest.h>
#include <string>

// The drives that scripts/test-drives links into the prefix: S: with exactly
// the space the installation of one product asks for, T: with more than a
// 32-bit byte count can hold.
const char SmallDrive[] = "S:\\";
const double SmallDriveBytes = 1536000;
const char LargeDrive[] = "T:\\";
const double MostFreeBytes = 4294967295.0;

TEST(RequiredBytes, CountsItemsForTemporaryFilesAndSelectedItemsForTheInstallation)
{
    BYTE selected[3];
    SetupContext context{};
    context.selected = selected;
    struct Case {
        const char* name;
        DWORD itemCount;
        BYTE selected[3];
        double temporary;
        double installation;
    } cases[] = {
        {"one item, selected", 1, {1}, 614400 + 153600, 1536000},
        {"one item, not selected", 1, {0}, 614400 + 153600, 0},
        {"three items, two selected", 3, {1, 0, 1}, 3 * 614400 + 153600, 2 * 1536000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        context.itemCount = c.itemCount;
        CopyMemory(selected, c.selected, sizeof selected);
        CurrentSetupContext = &context;
        EXPECT_EQ(RequiredBytes(true), c.temporary);
        EXPECT_EQ(RequiredBytes(false), c.installation);
    }
    CurrentSetupContext = nullptr;
    EXPECT_EQ(RequiredBytes(true), 153600) << "without a context";
    EXPECT_EQ(RequiredBytes(false), 0) << "without a context";
}

TEST(FreeBytesOnDrive, AnswersTheMostForANetworkPathWithoutAsking)
{
    EXPECT_EQ(FreeBytesOnDrive("\\\\no-such-server\\share\\Tessaly"), MostFreeBytes);
    EXPECT_EQ(FreeBytesOnDrive("\\\\x"), MostFreeBytes);
}

TEST(FreeBytesOnDrive, AnswersNothingForADriveThatIsNotThere)
{
    char missing[] = "?:\\Tessaly";
    for (char letter = 'Z'; letter > 'C'; letter--) {
        char root[] = {letter, ':', '\\', 0};
        if (GetDriveTypeA(root) == DRIVE_NO_ROOT_DIR) {
            missing[0] = letter;
            break;
        }
    }
    ASSERT_NE(missing[0], '?') << "every drive letter is in use";
    EXPECT_EQ(FreeBytesOnDrive(missing), 0) << missing;
}

class SmallDriveTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (GetDriveTypeA(SmallDrive) == DRIVE_NO_ROOT_DIR || GetDriveTypeA(LargeDrive) == DRIVE_NO_ROOT_DIR)
            GTEST_SKIP() << "drives S: and T: are not there: scripts/test-drives mounts them as root "
                            "(see the output of test-drives-mount)";
        GetCurrentDirectoryA(MAX_PATH, startFolder);
    }
    void TearDown() override
    {
        SetCurrentDirectoryA(startFolder);
    }
    char startFolder[MAX_PATH] = "";
};

TEST_F(SmallDriveTest, MeasuresTheDriveThatHoldsThePath)
{
    // The current folder is on S:, so what falls back to the current drive
    // is told apart from what asks about C:.
    ASSERT_TRUE(SetCurrentDirectoryA(SmallDrive));
    char cRoot[] = "C:\\";
    DWORD sectorsPerCluster, bytesPerSector, freeClusters, totalClusters;
    ASSERT_TRUE(GetDiskFreeSpaceA(cRoot, &sectorsPerCluster, &bytesPerSector, &freeClusters,
                                  &totalClusters));
    ASSERT_NE(static_cast<double>(freeClusters) * sectorsPerCluster * bytesPerSector, SmallDriveBytes);
    struct Case {
        const char* path;
        double expected;
    } cases[] = {
        {"S:\\", SmallDriveBytes},
        {"s:\\Program Files\\Quenbrook\\Tessaly", SmallDriveBytes},
        {"S:relative", SmallDriveBytes},
        {"C:", SmallDriveBytes},
        {"Tessaly\\relative", SmallDriveBytes},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(FreeBytesOnDrive(c.path), c.expected);
    }
    EXPECT_NE(FreeBytesOnDrive("C:\\"), SmallDriveBytes);
}

TEST_F(SmallDriveTest, CapsALargeDrive)
{
    double bytes = FreeBytesOnDrive("T:\\Tessaly");
    if (IsWin9xPlatform()) {
        // The 9x family's free-space query itself stops short of 2 GiB.
        EXPECT_GT(bytes, 2147483647.0 - 65536);
        EXPECT_LE(bytes, 2147483647.0);
    } else {
        EXPECT_EQ(bytes, MostFreeBytes);
    }
}

// A drive with just the room one product needs has enough; one byte written
// to it (which takes a whole cluster) leaves it short.
TEST_F(SmallDriveTest, ExactlyEnoughAndOneByteShort)
{
    BYTE selected = 1;
    SetupContext context{};
    context.itemCount = 1;
    context.selected = &selected;
    CurrentSetupContext = &context;

    EXPECT_FALSE(RequiredBytes(false) > FreeBytesOnDrive("S:\\Tessaly"));

    const char file[] = "S:\\one byte";
    ASSERT_TRUE(WriteWholeFile(file, "x"));
    EXPECT_TRUE(RequiredBytes(false) > FreeBytesOnDrive("S:\\Tessaly"));
    EXPECT_LT(FreeBytesOnDrive("S:\\Tessaly"), SmallDriveBytes);
    DeleteFileA(file);
    CurrentSetupContext = nullptr;
}
