#include "bench/storage_floor/StorageFloor.h"

#include <sqlite3.h>

#include <chrono>
#include <deque>
#include <stdexcept>

namespace Vireo::Bench {
namespace {

class Connection {
public:
    explicit Connection(const std::string& path)
    {
        if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            fail();
        // The same journal settings as the model's own connection.
        Run("PRAGMA journal_mode = WAL");
        Run("PRAGMA synchronous = NORMAL");
    }
    ~Connection() { sqlite3_close(db_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void Run(const char* sql)
    {
        if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            fail();
    }
    sqlite3_stmt* Prepare(const std::string& sql)
    {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
            fail();
        return statement;
    }
    [[noreturn]] void fail() const { throw std::runtime_error(std::string("storage floor: ") + sqlite3_errmsg(db_)); }

private:
    sqlite3* db_ = nullptr;
};

class Statement {
public:
    Statement(Connection& connection, const std::string& sql) : connection_(connection), statement_(connection.Prepare(sql)) {}
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* operator*() const { return statement_; }
    bool Step()
    {
        const int rc = sqlite3_step(statement_);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            connection_.fail();
        return rc == SQLITE_ROW;
    }
    void Reset() { sqlite3_reset(statement_); }

private:
    Connection& connection_;
    sqlite3_stmt* statement_;
};

Row readRow(sqlite3_stmt* statement)
{
    Row row(static_cast<std::size_t>(sqlite3_column_count(statement)));
    for (int i = 0; i < static_cast<int>(row.size()); ++i) {
        Cell& cell = row[static_cast<std::size_t>(i)];
        cell.type = sqlite3_column_type(statement, i);
        if (cell.type == SQLITE_INTEGER)
            cell.integer = sqlite3_column_int64(statement, i);
        else if (cell.type == SQLITE_FLOAT)
            cell.real = sqlite3_column_double(statement, i);
        else if (cell.type == SQLITE_TEXT)
            cell.text.assign(reinterpret_cast<const char*>(sqlite3_column_text(statement, i)),
                             static_cast<std::size_t>(sqlite3_column_bytes(statement, i)));
    }
    return row;
}

std::vector<Row> readRows(Connection& connection, const std::string& sql, long long referenceId)
{
    Statement query(connection, sql);
    sqlite3_bind_int64(*query, 1, referenceId);
    std::vector<Row> rows;
    while (query.Step())
        rows.push_back(readRow(*query));
    return rows;
}

void bindRow(sqlite3_stmt* statement, const Row& row)
{
    for (int i = 0; i < static_cast<int>(row.size()); ++i) {
        const Cell& cell = row[static_cast<std::size_t>(i)];
        if (cell.type == SQLITE_INTEGER)
            sqlite3_bind_int64(statement, i + 1, cell.integer);
        else if (cell.type == SQLITE_FLOAT)
            sqlite3_bind_double(statement, i + 1, cell.real);
        else if (cell.type == SQLITE_TEXT)
            sqlite3_bind_text(statement, i + 1, cell.text.data(), static_cast<int>(cell.text.size()), SQLITE_STATIC);
        else
            sqlite3_bind_null(statement, i + 1);
    }
}

void insertRows(Connection& connection, const std::string& sql, const std::vector<Row>& rows)
{
    Statement insert(connection, sql);
    for (const Row& row : rows) {
        bindRow(*insert, row);
        insert.Step();
        insert.Reset();
    }
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

StoredObjectRows ReadObjectRows(const std::string& path, long long referenceId)
{
    Connection connection(path);
    const std::string ours = "(SELECT id FROM objects WHERE ref_id = ?1)";
    StoredObjectRows rows;
    rows.objects = readRows(connection, "SELECT id, guid, ref_id, class_id, owner_id, table_id, ord FROM objects "
                                        "WHERE ref_id = ?1 ORDER BY id", referenceId);
    rows.values = readRows(connection, "SELECT object_id, param_id, value FROM vals WHERE object_id IN " + ours,
                           referenceId);
    rows.hierarchy = readRows(connection, "SELECT parent_id, child_id, position FROM hierarchy WHERE child_id IN " + ours,
                              referenceId);
    rows.links = readRows(connection, "SELECT master_id, group_id, slave_id, position FROM links WHERE master_id IN " +
                                          ours, referenceId);
    return rows;
}

double TimeRawInserts(const std::string& path, const StoredObjectRows& rows)
{
    Connection connection(path);
    const auto start = std::chrono::steady_clock::now();
    connection.Run("BEGIN IMMEDIATE");
    insertRows(connection, "INSERT INTO objects(id, guid, ref_id, class_id, owner_id, table_id, ord) "
                           "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7)", rows.objects);
    insertRows(connection, "INSERT INTO vals(object_id, param_id, value) VALUES(?1, ?2, ?3)", rows.values);
    insertRows(connection, "INSERT INTO hierarchy(parent_id, child_id, position) VALUES(?1, ?2, ?3)", rows.hierarchy);
    insertRows(connection, "INSERT INTO links(master_id, group_id, slave_id, position) VALUES(?1, ?2, ?3, ?4)",
               rows.links);
    connection.Run("COMMIT");
    return secondsSince(start);
}

double TimeRawReads(const std::string& path, const std::string& rootGuid, std::size_t& objects)
{
    Connection connection(path);
    const auto start = std::chrono::steady_clock::now();
    connection.Run("BEGIN");
    Statement root(connection, "SELECT id FROM objects WHERE guid = ?1");
    Statement object(connection, "SELECT guid, class_id, ord FROM objects WHERE id = ?1");
    Statement values(connection, "SELECT param_id, value FROM vals WHERE object_id = ?1");
    Statement children(connection, "SELECT child_id FROM hierarchy WHERE parent_id = ?1 ORDER BY position");
    sqlite3_bind_text(*root, 1, rootGuid.data(), static_cast<int>(rootGuid.size()), SQLITE_STATIC);
    std::deque<long long> queue;
    if (root.Step())
        queue.push_back(sqlite3_column_int64(*root, 0));
    root.Reset();
    objects = 0;
    while (!queue.empty()) {
        const long long id = queue.front();
        queue.pop_front();
        ++objects;
        for (Statement* statement : {&object, &values, &children}) {
            sqlite3_bind_int64(**statement, 1, id);
            while (statement->Step()) {
                if (statement == &children)
                    queue.push_back(sqlite3_column_int64(**statement, 0));
                else
                    readRow(**statement);
            }
            statement->Reset();
        }
    }
    connection.Run("COMMIT");
    return secondsSince(start);
}

} // namespace Vireo::Bench
