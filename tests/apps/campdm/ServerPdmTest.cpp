// campdm on a PDM on a PostgreSQL server: seeding it, and several users exporting into it at once.

#include "CampdmRun.h"

#include "tests/platform/testing/TestStorage.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <thread>

namespace {

using namespace CampdmTesting;
using ::testing::HasSubstr;
using ::testing::Not;
using Vireo::Testing::Storage;
using Vireo::Testing::TestDatabase;

class CampdmServer : public ::testing::Test {
protected:
    void SetUp() override
    {
        VIREO_SKIP_WITHOUT_STORAGE(Storage::Postgres);
        database = std::make_unique<TestDatabase>(Storage::Postgres);
    }

    // The connection text with a password in it, which no message may show.
    std::string withPassword() const
    {
        std::string text = database->Text();
        return text.insert(text.find("://") + 3 + text.substr(text.find("://") + 3).find('@'), ":" + password);
    }

    const std::string password = "never-shown-4711";
    std::unique_ptr<TestDatabase> database;
};

TEST_F(CampdmServer, InitSeedsAnEmptyServerDatabaseOnlyAndNeverShowsThePassword)
{
    WorkFolder folder;
    const CampdmResult made = folder.Run({"pdm", "init", withPassword()});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_THAT(made.out, HasSubstr("Making the PDM database 127.0.0.1:"));

    const CampdmResult again = folder.Run({"pdm", "init", withPassword()});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_THAT(again.err, HasSubstr("is not empty; give --force"));
    const CampdmResult forced = folder.Run({"pdm", "init", withPassword(), "--force"});
    EXPECT_EQ(forced.exitCode, 0) << forced.err;
    const CampdmResult check = folder.Run({"pdm", "check", withPassword()});
    EXPECT_EQ(check.exitCode, 0) << check.err;
    for (const auto& said : {made.out, made.err, again.out, again.err, forced.out, forced.err, check.out, check.err})
        EXPECT_THAT(said, Not(HasSubstr(password)));

    const CampdmResult unreachable = folder.Run({"pdm", "check", "postgresql://vireo:" + password + "@127.0.0.1:1/none"});
    EXPECT_EQ(unreachable.exitCode, 2);
    EXPECT_THAT(unreachable.err, HasSubstr("cannot connect to the PDM server \"127.0.0.1:1/none\""));
    EXPECT_THAT(unreachable.err, Not(HasSubstr(password)));
}

TEST_F(CampdmServer, FourUsersExportingAtOnceEachGetTheirWholeProject)
{
    WorkFolder setup;
    ASSERT_EQ(setup.Run({"pdm", "init", database->Text()}).exitCode, 0);
    constexpr int users = 4;
    std::vector<std::unique_ptr<WorkFolder>> folders;
    for (int i = 0; i < users; ++i) {
        auto& folder = *folders.emplace_back(std::make_unique<WorkFolder>());
        ASSERT_EQ(folder.Run({"new", "shop.vcam"}).exitCode, 0);
        const CampdmResult imported = folder.Run({"import", "shop.vcam", "--pdm", database->Text(), "--reference",
                                                  "Machining technology", "--object", "Housing 4711"});
        ASSERT_EQ(imported.exitCode, 0) << imported.err;
    }
    std::vector<CampdmResult> exported(users);
    std::vector<std::thread> running;
    for (int i = 0; i < users; ++i)
        running.emplace_back([&, i] {
            exported[i] = folders[i]->Run({"export", "shop.vcam", "Housing 4711", "--pdm", database->Text(),
                                           "--reference", "Machining technology", "--parent", "Machining projects"});
        });
    for (auto& thread : running)
        thread.join();
    for (const auto& result : exported) {
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_THAT(result.out, HasSubstr(": 18 new PDM objects, the CAM objects linked"));
    }
    const CampdmResult check = setup.Run({"pdm", "check", database->Text()});
    EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
    // Each user's copy is there once, linked from their document: updating it makes nothing new.
    for (const auto& folder : folders) {
        const CampdmResult update = folder->Run({"update-to-pdm", "shop.vcam", "Housing 4711", "--pdm", database->Text()});
        EXPECT_EQ(update.exitCode, 0) << update.err;
        EXPECT_THAT(update.out, HasSubstr("(0 new)"));
    }
}

} // namespace
