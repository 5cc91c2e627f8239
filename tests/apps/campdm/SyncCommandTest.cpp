// campdm sync on files: the dialog's list as text, a picture of its window, and the refusal
// without a display; none of them changes a file.

#include "CampdmRun.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace {

using namespace CampdmTesting;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

class CampdmSync : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::copy_file(SeededPdm(), folder / "pdm.db");
        ASSERT_EQ(folder.Run({"new", "shop.vcam"}).exitCode, 0);
        ASSERT_EQ(folder
                      .Run({"import", "shop.vcam", "--pdm", "pdm.db", "--reference", "Machining technology",
                            "--object", "Housing 4711"})
                      .exitCode,
                  0);
        ASSERT_EQ(folder.Run({"set", "shop.vcam", "Housing 4711/Roughing/Pocket roughing", "Feed", "1600"}).exitCode,
                  0);
        ASSERT_EQ(folder.Run({"set", "shop.vcam", "Housing 4711/Roughing/Outer contour", "Depth", "41mm"}).exitCode,
                  0);
        document = ReadBytes(folder / "shop.vcam");
        database = ReadBytes(folder / "pdm.db");
    }

    void expectFilesUnchanged() const
    {
        EXPECT_EQ(ReadBytes(folder / "shop.vcam"), document);
        EXPECT_EQ(ReadBytes(folder / "pdm.db"), database);
    }

    WorkFolder folder;
    std::string document;
    std::string database;
};

TEST_F(CampdmSync, ListShowsFoldersStatusesAndExactlyTheDifferingValues)
{
    const CampdmResult listed = folder.Run({"sync", "shop.vcam", "--pdm", "pdm.db", "--list"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_THAT(listed.out, HasSubstr("Machinings\n"
                                      "  Pocket roughing: differs\n"
                                      "      Feed rate: CAM 1600.000000 mm/min, PDM 1500.000000 mm/min\n"
                                      "  Outer contour: differs\n"
                                      "      Depth: CAM 41.000000 mm, PDM 40.000000 mm\n"
                                      "  Top face: in sync\n"));
    EXPECT_THAT(listed.out, HasSubstr("Tools\n  End mill D12: in sync\n    (no name): in sync\n"));
    const auto differing = listed.out.find("differs");
    EXPECT_EQ(listed.out.find("differs", listed.out.find("differs", differing + 1) + 1), std::string::npos);
    expectFilesUnchanged();
}

TEST_F(CampdmSync, ScreenshotDrawsTheWindowOffScreenAndNoDisplayIsRefused)
{
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("QT_QPA_PLATFORM");
    const CampdmResult refused = folder.Run({"sync", "shop.vcam", "--pdm", "pdm.db"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_THAT(refused.err, HasSubstr("no display"));
    EXPECT_THAT(refused.err, HasSubstr("--list"));
    EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 1) << refused.err;

    const CampdmResult drawn = folder.Run({"sync", "shop.vcam", "--pdm", "pdm.db", "--screenshot", "sync.png"});
    ASSERT_EQ(drawn.exitCode, 0) << drawn.err;
    const std::string picture = ReadBytes(folder / "sync.png");
    ASSERT_GT(picture.size(), 1000U);
    EXPECT_EQ(picture.substr(1, 3), "PNG");
    expectFilesUnchanged();
}

} // namespace
