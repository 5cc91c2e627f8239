// Files that are no PDM database, two writers on one file, and the consistency check.

#include "ModelFixture.h"

#include "platform/arbor/Database.h"
#include "platform/arbor/DatabaseCheck.h"
#include "platform/arbor/ModelException.h"
#include "platform/support/Utf8.h"

#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace Vireo::Arbor::Model::Testing {
namespace {

class TempDatabaseFile {
public:
    TempDatabaseFile()
        : path_((std::filesystem::temp_directory_path() /
                 (L"arbor-safety-" + System::Guid::NewGuid().ToString().substr(0, 8) + L".db"))
                    .string())
    {
    }
    ~TempDatabaseFile()
    {
        for (const char* suffix : {"", "-wal", "-shm", "-journal"})
            std::filesystem::remove(path_ + suffix);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

std::string refusalOf(const std::string& path)
{
    try {
        Database::Open(path);
    } catch (const ModelException& error) {
        return error.what();
    }
    return "<accepted>";
}

TEST(DatabaseFiles, FilesThatAreNoPdmDatabaseAreRefusedByPathAndKind)
{
    TempDatabaseFile text;
    std::ofstream(text.Path()) << "name;diameter\nDrill 8;8\n" << std::string(4096, 'x');
    std::string refusal = refusalOf(text.Path());
    EXPECT_NE(refusal.find(text.Path()), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("is not a PDM database"), std::string::npos) << refusal;

    TempDatabaseFile foreign;
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(foreign.Path().c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE invoices(id INTEGER)", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    refusal = refusalOf(foreign.Path());
    EXPECT_NE(refusal.find("tables of another program"), std::string::npos) << refusal;

    TempDatabaseFile damaged;
    Database::Open(damaged.Path());
    {
        std::fstream file(damaged.Path(), std::ios::in | std::ios::out | std::ios::binary);
        file.write("garbage garbage garbage garbage", 30);
    }
    refusal = refusalOf(damaged.Path());
    EXPECT_NE(refusal.find(damaged.Path()), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("damaged"), std::string::npos) << refusal;
}

TEST(DatabaseFiles, ASecondWriterWaitsForTheFirstAndWhenItCannotNamesTheBusyDatabase)
{
    TempDatabaseFile file;
    const auto firstDatabase = Database::Open(file.Path());
    const auto secondDatabase = Database::Open(file.Path());
    Database& first = *firstDatabase;
    Database& second = *secondDatabase;
    {
        // A write that ends while the second writer waits lets it through.
        auto held = std::make_unique<Database::Transaction>(first);
        std::thread release([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            held->Commit();
        });
        EXPECT_NO_THROW({
            Database::Transaction waiting(second);
            waiting.Commit();
        });
        release.join();
    }
    second.Execute("PRAGMA busy_timeout = 50");
    Database::Transaction held(first);
    try {
        Database::Transaction blocked(second);
        ADD_FAILURE() << "a second writer got in";
    } catch (const ModelException& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("\"" + file.Path() + "\" is busy"), std::string::npos) << message;
    }
}

TEST_P(ModelTest, TheConsistencyCheckFindsCyclesAndParentsTheHierarchyDoesNotAllow)
{
    auto& database = connection->GetDatabase();
    EXPECT_TRUE(CheckDatabase(database).empty());

    const auto addParent = [&](const System::Guid& child, const System::Guid& parent) {
        database.Prepare("INSERT INTO hierarchy(parent_id, child_id, position) SELECT p.id, c.id, 99 FROM objects p, "
                         "objects c WHERE p.guid = ?1 AND c.guid = ?2")
            .Bind(1, parent)
            .Bind(2, child)
            .Run();
    };
    addParent(Example::SetA, Example::Drill8); // Drill 8 is already a child of set A
    addParent(Example::HolderHsk, Example::HolderSk);
    database.Prepare("UPDATE groups SET hierarchy = 1 WHERE guid = ?1").Bind(1, Example::Tools).Run();

    const auto problems = CheckDatabase(database);
    const auto reported = [&](const System::Guid& guid, const std::string& what) {
        const std::string text = Support::WideToUtf8(guid.ToString()) + what;
        for (const auto& problem : problems)
            if (problem.find(text) != std::string::npos && problem.find("PDM database \"" + database.Path() + "\"") == 0)
                return true;
        return false;
    };
    EXPECT_TRUE(reported(Example::SetA, " is among its own ancestors"));
    EXPECT_TRUE(reported(Example::Drill8, " is among its own ancestors"));
    EXPECT_TRUE(reported(Example::HolderHsk, " has a parent in a reference without hierarchy"));
    EXPECT_TRUE(reported(Example::Drill8, " has 2 parents in a tree"));
    EXPECT_EQ(problems.size(), 4u);
}

TEST_P(ModelTest, TheConsistencyCheckNamesForeignClassesDanglingRowsOwnerlessRowsAndStrayValues)
{
    if (GetParam() == Vireo::Testing::Storage::Postgres)
        GTEST_SKIP() << "the server refuses rows that name missing rows: they cannot be made to be found";
    auto& database = connection->GetDatabase();
    const auto run = [&](const std::string& sql) { database.Execute(sql.c_str()); };
    const std::string drill8 = "(SELECT id FROM objects WHERE guid = '" + Support::WideToUtf8(Example::Drill8.ToString()) + "')";
    const std::string holderClass =
        "(SELECT id FROM classes WHERE guid = '" + Support::WideToUtf8(Example::HolderClass.ToString()) + "')";
    const std::string holderName = "(SELECT p.id FROM parameters p JOIN groups g ON g.id = p.group_id WHERE g.guid = '" +
                                   Support::WideToUtf8(Example::Holders.ToString()) + "' ORDER BY p.id LIMIT 1)";
    run("PRAGMA foreign_keys = OFF");
    run("INSERT INTO objects(guid, ref_id, class_id) SELECT 'wrong-class', ref_id, " + holderClass + " FROM objects WHERE id = " + drill8);
    run("INSERT INTO objects(guid, ref_id, class_id) SELECT 'no-class', ref_id, 999999 FROM objects WHERE id = " + drill8);
    run("INSERT INTO objects(guid, ref_id, class_id, table_id) SELECT 'no-owner', ref_id, class_id, 1 FROM objects WHERE id = " + drill8);
    run("INSERT INTO links(master_id, group_id, slave_id, position) SELECT id, 1, 888888, 1 FROM objects WHERE id = " + drill8);
    run("INSERT INTO hierarchy(parent_id, child_id, position) VALUES(777777, " + drill8 + ", 1)");
    run("INSERT INTO vals(object_id, param_id, value) VALUES(" + drill8 + ", " + holderName + ", 'x')");
    run("INSERT INTO vals(object_id, param_id, value) VALUES(" + drill8 + ", 666666, 'x')");
    run("INSERT INTO vals(object_id, param_id, value) VALUES(555555, 1, 'x')");

    std::string all;
    for (const auto& problem : CheckDatabase(database))
        all += problem + "\n";
    const std::string drill = Support::WideToUtf8(Example::Drill8.ToString());
    for (const std::string& expected :
         {std::string("the object wrong-class has a class of another reference or table"),
          std::string("the object no-class has no existing class"),
          std::string("the object no-owner is a table row without an owner"),
          std::string(" to object 888888 names an object that does not exist"),
          std::string("a hierarchy row from parent 777777 to child "),
          "the object " + drill + " has a value of parameter row ",
          std::string(", which is in no group of its class"),
          std::string("parameter row 666666, which does not exist"),
          std::string("values belong to object 555555, which does not exist")})
        EXPECT_NE(all.find(expected), std::string::npos) << expected << "\nin:\n" << all;
}

} // namespace
} // namespace Vireo::Arbor::Model::Testing
