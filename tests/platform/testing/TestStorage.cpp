#include "tests/platform/testing/TestStorage.h"

#include <libpq-fe.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <unistd.h>

namespace Vireo::Testing {
namespace {

using Connection = std::unique_ptr<PGconn, void (*)(PGconn*)>;

Connection connectTo(const std::string& text)
{
    Connection conn(PQconnectdb(text.c_str()), PQfinish);
    if (PQstatus(conn.get()) != CONNECTION_OK)
        throw std::runtime_error("cannot connect to the test server: " + std::string(PQerrorMessage(conn.get())));
    PQsetNoticeProcessor(conn.get(), [](void*, const char*) {}, nullptr);
    return conn;
}

void run(PGconn* conn, const std::string& sql)
{
    std::unique_ptr<PGresult, void (*)(PGresult*)> result(PQexec(conn, sql.c_str()), PQclear);
    if (PQresultStatus(result.get()) != PGRES_COMMAND_OK)
        throw std::runtime_error("test server: " + std::string(PQerrorMessage(conn)));
}

// The server's text with the schema first on the search path: a PDM of its own.
std::string withSchema(const std::string& text, const std::string& schema)
{
    return text + (text.find('?') == std::string::npos ? "?" : "&") + "options=-csearch_path%3D" + schema;
}

} // namespace

std::vector<Storage> AllStorages()
{
    return {Storage::Sqlite, Storage::Postgres};
}

std::string StorageName(Storage storage)
{
    return storage == Storage::Sqlite ? "SQLite" : "PostgreSQL";
}

std::string TestServerText()
{
    const char* text = std::getenv("VIREO_TEST_POSTGRES");
    return text ? text : "";
}

TestDatabase::TestDatabase(Storage storage)
{
    if (storage == Storage::Sqlite) {
        text_ = ":memory:";
        return;
    }
    static std::atomic<int> counter{0};
    name_ = "vireo_test_" + std::to_string(getpid()) + "_" + std::to_string(++counter);
    auto conn = connectTo(TestServerText());
    run(conn.get(), "DROP SCHEMA IF EXISTS " + name_ + " CASCADE");
    run(conn.get(), "CREATE SCHEMA " + name_);
    text_ = withSchema(TestServerText(), name_);
}

TestDatabase::~TestDatabase()
{
    if (name_.empty())
        return;
    try {
        auto conn = connectTo(TestServerText());
        run(conn.get(), "DROP SCHEMA IF EXISTS " + name_ + " CASCADE");
    } catch (const std::exception&) {
        // a server stopped by the test itself keeps the schema until the cluster goes
    }
}

std::string SharedText(const TestDatabase& database, const std::string& file)
{
    return database.Text() == ":memory:" ? file : database.Text();
}

} // namespace Vireo::Testing
