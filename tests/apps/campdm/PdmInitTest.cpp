// campdm pdm init and pdm check: a new database appears whole or not at all, and the check
// names what is wrong with one.

#include "CampdmRun.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sqlite3.h>

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

TEST(CampdmPdmCheck, AWholeDatabasePassesAndABrokenOneIsNamedWithEachProblem)
{
    const WorkFolder folder;
    ASSERT_EQ(folder.Run({"pdm", "init", "a.db"}).exitCode, 0);
    const CampdmResult whole = folder.Run({"pdm", "check", "a.db"});
    EXPECT_EQ(whole.exitCode, 0) << whole.err;
    EXPECT_THAT(whole.out, HasSubstr("is whole"));

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((folder / "a.db").string().c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "INSERT INTO hierarchy(parent_id, child_id, position) VALUES(999999, 999998, 1)", nullptr,
                           nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    const std::string broken = ReadBytes(folder / "a.db");
    const CampdmResult refused = folder.Run({"pdm", "check", "a.db"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_THAT(refused.out, HasSubstr("a hierarchy row from parent 999999 to child 999998 names an object that does not exist"));
    EXPECT_THAT(refused.err, HasSubstr("1 problem"));
    EXPECT_EQ(ReadBytes(folder / "a.db"), broken);

    WriteBytes(folder / "text.db", "name;diameter\n");
    EXPECT_EQ(folder.Run({"pdm", "check", "text.db"}).exitCode, 2);
}

} // namespace
