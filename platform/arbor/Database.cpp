#include "platform/arbor/Database.h"

#include "platform/arbor/ModelException.h"
#include "platform/support/Utf8.h"

#include <sqlite3.h>

namespace Vireo::Arbor::Model {
namespace {

// Version 1. Schema rows (groups, parameters, classes) and data rows (objects, values,
// links, hierarchy) in one file. A reference is the row of its own group (kind 0).
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
  class_id INTEGER NOT NULL REFERENCES classes(id), owner_id INTEGER REFERENCES objects(id), table_id INTEGER, ord INTEGER);
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

} // namespace

Query::Query(sqlite3* db, sqlite3_stmt* statement, bool* busy) : db_(db), statement_(statement), busy_(busy) {}

Query::~Query()
{
    if (busy_) {
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_);
        *busy_ = false;
    } else {
        sqlite3_finalize(statement_);
    }
}

void Query::fail() const
{
    throwDatabaseError(db_);
}

Query& Query::Bind(int at, long long value)
{
    if (sqlite3_bind_int64(statement_, at, value) != SQLITE_OK)
        fail();
    return *this;
}

Query& Query::Bind(int at, const System::Guid& guid)
{
    return Bind(at, std::wstring_view(guid.ToString()));
}

Query& Query::Bind(int at, std::wstring_view text)
{
    const std::string bytes = Support::WideToUtf8(text);
    if (sqlite3_bind_text(statement_, at, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        fail();
    return *this;
}

Query& Query::Bind(int at, const ObjectValue& value)
{
    struct Binder {
        Query& q;
        int at;
        void operator()(std::monostate) { q.BindNull(at); }
        void operator()(const std::wstring& text) { q.Bind(at, std::wstring_view(text)); }
        void operator()(int number) { q.Bind(at, static_cast<long long>(number)); }
        void operator()(bool flag) { q.Bind(at, flag ? 1LL : 0LL); }
        void operator()(double number)
        {
            if (sqlite3_bind_double(q.statement_, at, number) != SQLITE_OK)
                q.fail();
        }
    };
    std::visit(Binder{*this, at}, value.Value());
    return *this;
}

Query& Query::BindNull(int at)
{
    if (sqlite3_bind_null(statement_, at) != SQLITE_OK)
        fail();
    return *this;
}

bool Query::Step()
{
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail();
}

void Query::Run()
{
    while (Step()) {
    }
}

bool Query::IsNull(int column) const
{
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

long long Query::Int(int column) const
{
    return sqlite3_column_int64(statement_, column);
}

double Query::Double(int column) const
{
    return sqlite3_column_double(statement_, column);
}

std::wstring Query::Text(int column) const
{
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    if (!bytes)
        return {};
    return Support::Utf8ToWide(std::string_view(bytes, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column))));
}

System::Guid Query::Guid(int column) const
{
    return System::Guid::Parse(Text(column));
}

ObjectValue Query::Value(int column, ParameterValueType type) const
{
    if (IsNull(column))
        return {};
    switch (type) {
    case ParameterValueType::Text: return ObjectValue(Text(column));
    case ParameterValueType::Integer: return ObjectValue(static_cast<int>(Int(column)));
    case ParameterValueType::Double: return ObjectValue(Double(column));
    case ParameterValueType::Boolean: return ObjectValue(Int(column) != 0);
    }
    return {};
}

Database::Database(const std::string& path) : path_(path)
{
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
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
            throw ModelException("\"" + path + "\" is not a PDM database: it holds tables of another program");
        if (found == 0)
            createTables();
        else if (found != SchemaVersion)
            throw ModelException("the PDM database \"" + path + "\" has schema version " + std::to_string(found) +
                                 ", expected " + std::to_string(SchemaVersion));
    } catch (...) {
        for (auto& [sql, cached] : statements_)
            sqlite3_finalize(cached.statement);
        sqlite3_close(db_);
        throw;
    }
}

Database::~Database()
{
    for (auto& [sql, cached] : statements_)
        sqlite3_finalize(cached.statement);
    sqlite3_close(db_);
}

// The first read of the file: a file of another kind, or a damaged one, is named as such
// here rather than by the first statement that happens to touch it.
void Database::checkIsDatabase()
{
    const int rc = sqlite3_exec(db_, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK)
        return;
    const int primary = sqlite3_extended_errcode(db_) & 0xff;
    if (primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT)
        throw ModelException("\"" + path_ + "\" is not a PDM database, or it is damaged: " + sqlite3_errmsg(db_));
    throwDatabaseError(db_);
}

bool Database::holdsTables()
{
    auto query = Prepare("SELECT count(*) FROM sqlite_master");
    return query.Step() && query.Int(0) > 0;
}

void Database::createTables()
{
    Transaction transaction(*this);
    Execute(createTablesSql);
    Execute(("PRAGMA user_version = " + std::to_string(SchemaVersion)).c_str());
    transaction.Commit();
}

Query Database::Prepare(const std::string& sql)
{
    auto& cached = statements_[sql];
    if (cached.statement && !cached.busy) {
        cached.busy = true;
        return Query(db_, cached.statement, &cached.busy);
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &statement, nullptr) != SQLITE_OK)
        throwDatabaseError(db_);
    if (cached.statement)
        return Query(db_, statement, nullptr); // the kept one is in use further up
    cached.statement = statement;
    cached.busy = true;
    return Query(db_, statement, &cached.busy);
}

void Database::Execute(const char* sql)
{
    char* message = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string reason = message ? message : "unknown error";
        sqlite3_free(message);
        throwDatabaseError(db_, reason);
    }
}

long long Database::LastInsertId() const
{
    return sqlite3_last_insert_rowid(db_);
}

Database::Transaction::Transaction(Database& database)
    : database_(database), nested_(database.openTransactions_ > 0)
{
    database_.Execute(nested_ ? "SAVEPOINT save" : "BEGIN IMMEDIATE");
    ++database_.openTransactions_;
}

Database::Transaction::~Transaction()
{
    if (done_)
        return;
    --database_.openTransactions_;
    sqlite3_exec(database_.db_, nested_ ? "ROLLBACK TO save; RELEASE save" : "ROLLBACK", nullptr, nullptr, nullptr);
}

void Database::Transaction::Commit()
{
    database_.Execute(nested_ ? "RELEASE save" : "COMMIT");
    --database_.openTransactions_;
    done_ = true;
}

} // namespace Vireo::Arbor::Model
