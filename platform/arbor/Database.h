#pragma once
// The SQLite storage of a connection: one versioned schema of tables, WAL journal for
// files, prepared statements kept for reuse, and transactions.

#include "platform/arbor/ObjectValue.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace Vireo::Arbor::Model {

// One use of a prepared statement: binds, steps and reads columns; resets on destruction.
class Query {
public:
    // `busy` is the cache's in-use mark of a kept statement; null for a statement this
    // query owns and finalizes.
    Query(sqlite3* db, sqlite3_stmt* statement, bool* busy);
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    Query& Bind(int at, long long value);
    Query& Bind(int at, const System::Guid& guid);
    Query& Bind(int at, std::wstring_view text);
    Query& Bind(int at, const std::wstring& text) { return Bind(at, std::wstring_view(text)); }
    Query& Bind(int at, const ObjectValue& value);
    Query& BindNull(int at);
    // Steps once: true while a row is there.
    bool Step();
    // Steps through a statement that gives no rows.
    void Run();

    bool IsNull(int column) const;
    long long Int(int column) const;
    double Double(int column) const;
    std::wstring Text(int column) const;
    System::Guid Guid(int column) const;
    // The column as a value of the parameter type.
    ObjectValue Value(int column, ParameterValueType type) const;

private:
    [[noreturn]] void fail() const;

    sqlite3* db_;
    sqlite3_stmt* statement_;
    bool* busy_;
};

class Database {
public:
    static constexpr int SchemaVersion = 1;

    // Opens or creates; creates the tables of an empty database; throws ModelException
    // naming the path when it cannot, when the file is no database, a damaged one or one of
    // another program, or when the database has another schema version. A write waits up
    // to five seconds for another connection's write to end; past that its error says
    // which database was busy.
    explicit Database(const std::string& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // The statement for this text, prepared once and kept.
    Query Prepare(const std::string& sql);
    void Execute(const char* sql);
    long long LastInsertId() const;
    const std::string& Path() const { return path_; }

    // A transaction that rolls back unless committed. Inside another one it is a savepoint of
    // it: committing keeps its changes for the outer transaction to commit, and a rollback
    // undoes only its own, so a command that holds one transaction around many saves keeps
    // the saves before a failed one.
    class Transaction {
    public:
        explicit Transaction(Database& database);
        ~Transaction();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;
        void Commit();

    private:
        Database& database_;
        bool nested_;
        bool done_ = false;
    };

private:
    struct Cached {
        sqlite3_stmt* statement = nullptr;
        bool busy = false;
    };
    void checkIsDatabase();
    bool holdsTables();
    void createTables();

    std::string path_;
    sqlite3* db_ = nullptr;
    std::unordered_map<std::string, Cached> statements_;
    int openTransactions_ = 0;
};

} // namespace Vireo::Arbor::Model
