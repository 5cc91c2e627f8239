#pragma once
// The storages the model's tests run on. SQLite needs nothing; PostgreSQL needs a server,
// named by the connection text in VIREO_TEST_POSTGRES (scripts/postgres.sh starts one and
// sets it). Each test gets a PDM of its own (a schema of the server's database), dropped
// again at its end.

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Vireo::Testing {

enum class Storage { Sqlite, Postgres };

// Every storage, for INSTANTIATE_TEST_SUITE_P, and a name for the test's name.
std::vector<Storage> AllStorages();
std::string StorageName(Storage storage);
inline std::string StorageTestName(const ::testing::TestParamInfo<Storage>& param)
{
    return StorageName(param.param);
}

// The test server's connection text; empty when VIREO_TEST_POSTGRES is not set.
std::string TestServerText();
// Why a PostgreSQL test is skipped.
inline constexpr const char* NoTestServer =
    "VIREO_TEST_POSTGRES is not set: no PostgreSQL server to test on (scripts/postgres.sh starts one)";

// A new empty PDM: ":memory:" for SQLite, a schema of its own on the test server.
class TestDatabase {
public:
    explicit TestDatabase(Storage storage);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    // The connection text; another connection may open it too (not for SQLite's ":memory:").
    const std::string& Text() const { return text_; }

private:
    std::string name_;
    std::string text_;
};

// A file database instead of ":memory:" for SQLite, for tests that open two connections.
std::string SharedText(const TestDatabase& database, const std::string& file);

} // namespace Vireo::Testing

// Ends the test (or its SetUp) as skipped, saying why, when the storage needs the test server.
#define VIREO_SKIP_WITHOUT_STORAGE(storage)                                                                            \
    if ((storage) == ::Vireo::Testing::Storage::Postgres && ::Vireo::Testing::TestServerText().empty())               \
    GTEST_SKIP() << ::Vireo::Testing::NoTestServer
