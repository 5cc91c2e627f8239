// campdm pdm init: a new database appears whole or not at all.

#include "CampdmRun.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace CampdmTesting;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

TEST(CampdmPdmInit, SeedsANewFileAndReplacesOneOnlyWhenForced)
{
    const WorkFolder folder;
    ASSERT_EQ(folder.Run({"pdm", "init", "a.db"}).exitCode, 0);
    const std::string made = ReadBytes(folder / "a.db");
    EXPECT_EQ(made.substr(0, 15), "SQLite format 3");

    const CampdmResult again = folder.Run({"pdm", "init", "a.db"});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_THAT(again.err, HasSubstr("--force"));
    EXPECT_EQ(ReadBytes(folder / "a.db"), made);

    WriteBytes(folder / "a.db", "old");
    EXPECT_EQ(folder.Run({"pdm", "init", "a.db", "--force"}).exitCode, 0);
    EXPECT_EQ(ReadBytes(folder / "a.db").substr(0, 15), "SQLite format 3");
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"a.db"});
}

TEST(CampdmPdmInit, ASeedFileWithAnErrorIsNamedWithItsLineAndNoDatabaseIsMade)
{
    const WorkFolder folder;
    fs::create_directory(folder / "seeds");
    for (const auto& entry : fs::directory_iterator(SourceData("pdm")))
        if (entry.is_regular_file())
            fs::copy_file(entry.path(), folder / "seeds" / entry.path().filename());
    std::string tools = ReadBytes(folder / "seeds/tools.xml");
    tools.replace(tools.find("<Reference "), 11, "<Reference <");
    WriteBytes(folder / "seeds/tools.xml", tools);

    const CampdmResult refused = folder.Run({"pdm", "init", "b.db", "--data", "seeds"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_THAT(refused.err, HasSubstr("tools.xml"));
    EXPECT_THAT(refused.err, HasSubstr("line"));
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"seeds"});

    const CampdmResult noSeeds = folder.Run({"pdm", "init", "b.db", "--data", "."});
    EXPECT_EQ(noSeeds.exitCode, 2);
    EXPECT_THAT(noSeeds.err, HasSubstr("no PDM seed files"));
}

} // namespace
