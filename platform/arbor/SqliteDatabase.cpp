#include "platform/arbor/SqliteDatabase.h"

#include "platform/arbor/ModelException.h"
#include "platform/support/Utf8.h"

#include <sqlite3.h>

namespace Vireo::Arbor::Model {
namespace {

// Schema rows (groups, parameters, classes) and data rows (objects, values, links,
// hierarchy) in one file. A reference is the row of its own group (kind 0).
constexpr const char* createTablesSql = R"sql(
CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT NOT NULL) WITHOUT ROWID;
CREATE TABLE groups(id INTEGER PRIMARY KEY, guid TEXT NOT NULL UNIQUE, name TEXT NOT NULL,
  kind INTEGER NOT NULL, owner_id INTEGER REFERENCES groups(id), slave_id INTEGER REFERENCES groups(id),
  hierarchy INTEGER NOT NULL DEFAULT 0, position INTEGER NOT NULL);
CREATE TABLE parameters(id INTEGER PRIMARY KEY, guid TEXT NOT NULL, group_id INTEGER NOT NULL REFERENCES groups(id),
  name TEXT NOT NULL, type INTEGER NOT NULL, unit_guid TEXT, position INTEGER NOT NULL, UNIQUE(group_id, guid));
CREATE TABLE classes(id INTEGER PRIMARY KEY, guid TEXT NOT NULL UNIQUE, group_id INTEGER NOT NULL REFERENCES groups(id),
  parent_id INTEGER REFERENCES classes(id), name TEXT NOT NULL, abstract INTEGER NOT NULL, position INTEGER NOT NULL);
CREATE TABLE class_groups(class_id INTEGER NOT NULL, group_id INTEGER NOT NULL, position INTEGER NOT NULL,
  PRIMARY KEY(class_id, group_id)) WITHOUT ROWID;
CREATE TABLE class_children(class_id INTEGER NOT NULL, child_id INTEGER NOT NULL, position INTEGER NOT NULL,
  PRIMARY KEY(class_id, child_id)) WITHOUT ROWID;
CREATE TABLE objects(id INTEGER PRIMARY KEY, guid TEXT NOT NULL UNIQUE, ref_id INTEGER NOT NULL REFERENCES groups(id),
  class_id INTEGER NOT NULL REFERENCES classes(id), owner_id INTEGER REFERENCES objects(id), table_id INTEGER, ord INTEGER,
  version INTEGER NOT NULL DEFAULT 1);
CREATE INDEX objects_by_reference ON objects(ref_id, owner_id);
CREATE INDEX objects_by_owner ON objects(owner_id, table_id);
CREATE TABLE vals(object_id INTEGER NOT NULL, param_id INTEGER NOT NULL, value NOT NULL,
  PRIMARY KEY(object_id, param_id)) WITHOUT ROWID;
CREATE INDEX vals_by_value ON vals(param_id, value);
CREATE TABLE links(master_id INTEGER NOT NULL, group_id INTEGER NOT NULL, slave_id INTEGER NOT NULL,
  position INTEGER NOT NULL, PRIMARY KEY(master_id, group_id, slave_id)) WITHOUT ROWID;
CREATE INDEX links_by_slave ON links(slave_id, group_id);
CREATE INDEX links_by_position ON links(master_id, group_id, position);
CREATE TABLE hierarchy(parent_id INTEGER NOT NULL, child_id INTEGER NOT NULL, position INTEGER NOT NULL,
  PRIMARY KEY(parent_id, child_id)) WITHOUT ROWID;
CREATE INDEX hierarchy_by_child ON hierarchy(child_id);
-- a new child goes after the last one: finding it must not scan every child of a parent
CREATE INDEX hierarchy_by_position ON hierarchy(parent_id, position);
)sql";

// How long a statement waits for another connection's write to end before it fails. SQLite
// retries all the while; our transactions start IMMEDIATE, so every wait is one it may retry.
constexpr int busyTimeoutMs = 5000;

std::string databaseName(sqlite3* db)
{
    const char* file = sqlite3_db_filename(db, "main");
    return file && *file ? file : ":memory:";
}

bool isBusy(int code)
{
    const int primary = code & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

// A failed call on `db`: names the database, and says so plainly when another writer held it.
[[noreturn]] void throwDatabaseError(sqlite3* db, std::string_view reason)
{
    const std::string name = databaseName(db);
    if (isBusy(sqlite3_extended_errcode(db)))
        throw ModelException("the PDM database \"" + name +
                             "\" is busy: another connection is writing to it and did not finish in time (" +
                             std::string(reason) + ")");
    throw ModelException("PDM database \"" + name + "\": " + std::string(reason));
}

[[noreturn]] void throwDatabaseError(sqlite3* db)
{
    throwDatabaseError(db, sqlite3_errmsg(db));
}

class SqliteStatement : public Statement {
public:
    SqliteStatement(sqlite3* db, sqlite3_stmt* statement) : db_(db), statement_(statement) {}
    ~SqliteStatement() override { sqlite3_finalize(statement_); }

    void BindInt(int at, long long value) override { check(sqlite3_bind_int64(statement_, at, value)); }
    void BindDouble(int at, double value) override { check(sqlite3_bind_double(statement_, at, value)); }
    void BindText(int at, std::string_view utf8) override
    {
        check(sqlite3_bind_text(statement_, at, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT));
    }
    void BindNull(int at) override { check(sqlite3_bind_null(statement_, at)); }

    bool Step() override
    {
        const int rc = sqlite3_step(statement_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc == SQLITE_DONE)
            return false;
        throwDatabaseError(db_);
    }

    void Reset() override
    {
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_);
    }

    long long RunForId() override
    {
        while (Step()) {
        }
        if (sqlite3_changes(db_) != 1)
            throw ModelException("the database gave no id for a new row");
        return sqlite3_last_insert_rowid(db_);
    }

    bool IsNull(int column) const override { return sqlite3_column_type(statement_, column) == SQLITE_NULL; }
    long long Int(int column) const override { return sqlite3_column_int64(statement_, column); }
    double Double(int column) const override { return sqlite3_column_double(statement_, column); }
    std::string_view Text(int column) const override
    {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
        if (!bytes)
            return {};
        return {bytes, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column))};
    }

private:
    void check(int rc) const
    {
        if (rc != SQLITE_OK)
            throwDatabaseError(db_);
    }

    sqlite3* db_;
    sqlite3_stmt* statement_;
};

} // namespace

SqliteDatabase::SqliteDatabase(const std::string& path) : Database(path)
{
    // A connection is used by one thread at a time (the model's objects are not shared across
    // threads either), so SQLite need not lock its own mutex around every call.
    constexpr int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
        const std::string reason = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        throw ModelException("cannot open the PDM database \"" + path + "\": " + reason);
    }
    sqlite3_busy_timeout(db_, busyTimeoutMs);
    try {
        checkIsDatabase();
        Execute("PRAGMA foreign_keys = ON");
        if (path != ":memory:") {
            // A commit is then a write to the journal without waiting for the disk; the
            // journal reaches the disk at each checkpoint. See "Performance" in the
            // architecture notes for what that leaves at risk.
            Execute("PRAGMA journal_mode = WAL");
            Execute("PRAGMA synchronous = NORMAL");
        }
        auto version = Prepare("PRAGMA user_version");
        version.Step();
        const long long found = version.Int(0);
        if (found == 0 && holdsTables())
            refuseForeignTables();
        if (found == 0)
            createTables();
        else
            checkSchemaVersion(found);
    } catch (...) {
        close();
        throw;
    }
}

SqliteDatabase::~SqliteDatabase()
{
    close();
}

void SqliteDatabase::close() noexcept
{
    forgetStatements();
    sqlite3_close(db_);
    db_ = nullptr;
}

// The first read of the file: a file of another kind, or a damaged one, is named as such
// here rather than by the first statement that happens to touch it.
void SqliteDatabase::checkIsDatabase()
{
    const int rc = sqlite3_exec(db_, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK)
        return;
    const int primary = sqlite3_extended_errcode(db_) & 0xff;
    if (primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT)
        throw ModelException("\"" + Path() + "\" is not a PDM database, or it is damaged: " + sqlite3_errmsg(db_));
    throwDatabaseError(db_);
}

bool SqliteDatabase::holdsTables()
{
    auto query = Prepare("SELECT count(*) FROM sqlite_master");
    return query.Step() && query.Int(0) > 0;
}

void SqliteDatabase::createTables()
{
    Transaction transaction(*this);
    Execute(createTablesSql);
    Execute(("PRAGMA user_version = " + std::to_string(SchemaVersion)).c_str());
    transaction.Commit();
}

std::unique_ptr<Statement> SqliteDatabase::prepare(const std::string& sql)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &statement, nullptr) != SQLITE_OK)
        throwDatabaseError(db_);
    return std::make_unique<SqliteStatement>(db_, statement);
}

void SqliteDatabase::Execute(const char* sql)
{
    char* message = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string reason = message ? message : "unknown error";
        sqlite3_free(message);
        throwDatabaseError(db_, reason);
    }
}

void SqliteDatabase::rollbackQuietly(const char* sql) noexcept
{
    sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
}

std::vector<std::string> SqliteDatabase::StructureProblems()
{
    std::vector<std::string> problems;
    auto query = Prepare("PRAGMA integrity_check");
    while (query.Step())
        if (query.Text(0) != L"ok")
            problems.push_back("the file's structure: " + Support::WideToUtf8(query.Text(0)));
    return problems;
}

std::vector<std::string> SqliteDatabase::ForeignKeyProblems()
{
    std::vector<std::string> problems;
    auto query = Prepare("PRAGMA foreign_key_check");
    while (query.Step())
        problems.push_back("row " + std::to_string(query.Int(1)) + " of table " + Support::WideToUtf8(query.Text(0)) +
                           " names a missing row of table " + Support::WideToUtf8(query.Text(2)));
    return problems;
}

} // namespace Vireo::Arbor::Model
