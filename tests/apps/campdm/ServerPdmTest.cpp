// campdm on a PDM on a PostgreSQL server: seeding it, and the server going away in the middle
// of a command. The transfers themselves run on both storages (TransferCommandsTest.cpp).

#include "CampdmRun.h"

#include "platform/arbor/Database.h"
#include "tests/platform/testing/TestStorage.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

using namespace CampdmTesting;
using ::testing::HasSubstr;
using ::testing::Not;
using Vireo::Testing::Storage;
using Vireo::Testing::TestDatabase;
namespace Model = Vireo::Arbor::Model;

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

    // A seeded PDM, and an empty document in `folder`.
    void seed(const WorkFolder& folder) const
    {
        ASSERT_EQ(folder.Run({"pdm", "init", database->Text()}).exitCode, 0);
        ASSERT_EQ(folder.Run({"new", "shop.vcam"}).exitCode, 0);
    }
    std::vector<std::string> importWords() const
    {
        return {"import", "shop.vcam", "--pdm", withPassword(), "--reference", "Machining technology", "--object",
                "Housing 4711"};
    }
    long long objectCount() const
    {
        const auto reading = Model::Database::Open(database->Text());
        auto count = reading->Prepare("SELECT count(*) FROM objects");
        count.Step();
        return count.Int(0);
    }
    // The command failed on the lost connection, saying so with libpq's words and the server's
    // name but no password; the document and the PDM are as before, and the PDM is whole.
    void expectLost(const CampdmResult& result, const WorkFolder& folder, const std::string& document,
                    long long objects) const
    {
        EXPECT_EQ(result.exitCode, 1) << result.err;
        EXPECT_THAT(result.err, HasSubstr("the connection to the PDM server \"127.0.0.1:"));
        EXPECT_THAT(result.err, HasSubstr("/postgres\" is lost: server closed the connection unexpectedly"));
        EXPECT_THAT(result.err, Not(HasSubstr(password)));
        EXPECT_EQ(ReadBytes(folder / "shop.vcam"), document);
        EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"shop.vcam"});
        EXPECT_EQ(objectCount(), objects) << "the failed command left objects behind";
        const CampdmResult check = folder.Run({"pdm", "check", database->Text()});
        EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
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

// The server ends the export's connection while it writes its fifth object, as a server
// shutting down ends every connection.
TEST_F(CampdmServer, AServerGoneMidExportIsNamedAndLeavesDocumentAndPdmAsBefore)
{
    WorkFolder folder;
    seed(folder);
    ASSERT_EQ(folder.Run(importWords()).exitCode, 0);
    const std::string document = ReadBytes(folder / "shop.vcam");
    const long long objects = objectCount();
    auto admin = Model::Database::Open(database->Text());
    admin->Execute("CREATE SEQUENCE written; "
                   "CREATE FUNCTION end_connection() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                   "IF nextval('written') = 5 THEN PERFORM pg_terminate_backend(pg_backend_pid()); END IF; "
                   "RETURN NEW; END $$; "
                   "CREATE TRIGGER ends_the_fifth AFTER INSERT ON objects FOR EACH ROW EXECUTE FUNCTION end_connection()");

    const CampdmResult exported =
        folder.Run({"export", "shop.vcam", "Housing 4711", "--pdm", withPassword(), "--reference",
                    "Machining technology", "--parent", "Machining projects"});
    admin->Execute("DROP TRIGGER ends_the_fifth ON objects");
    expectLost(exported, folder, document, objects);
}

// The import's connection ends while it waits for the children of the project: another
// connection holds the table it reads them from, and ends it from there.
TEST_F(CampdmServer, AServerGoneMidImportIsNamedAndLeavesDocumentAndPdmAsBefore)
{
    WorkFolder folder;
    seed(folder);
    const std::string document = ReadBytes(folder / "shop.vcam");
    const long long objects = objectCount();
    auto holder = Model::Database::Open(database->Text());
    auto holding = std::make_unique<Model::Database::Transaction>(*holder);
    holder->Execute("LOCK TABLE hierarchy IN ACCESS EXCLUSIVE MODE");
    auto pid = holder->Prepare("SELECT pg_backend_pid()");
    ASSERT_TRUE(pid.Step());
    const long long holderPid = pid.Int(0);

    CampdmResult imported;
    std::thread running([&] { imported = folder.Run(importWords()); });
    auto admin = Model::Database::Open(database->Text());
    bool ended = false;
    for (int attempt = 0; attempt < 3000 && !ended; ++attempt) {
        auto waiting = admin->Prepare("SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
                                      "WHERE ?1 = ANY(pg_blocking_pids(pid))");
        waiting.Bind(1, holderPid);
        ended = waiting.Step();
        if (!ended)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    holding.reset();
    running.join();
    EXPECT_TRUE(ended) << "the import never waited for the children";
    expectLost(imported, folder, document, objects);
}

} // namespace
