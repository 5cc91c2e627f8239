#pragma once
// The storage under the object model: one versioned schema of tables behind prepared
// statements and transactions. The connection text chooses the storage: a file path or
// ":memory:" is an SQLite database, "postgresql://..." (or "postgres://...") a PostgreSQL
// server. The model writes its statements once for both: numbered parameters (?1), upserts
// by ON CONFLICT; an insert that needs the new row's id is prepared by PrepareInsert, and
// each storage gives the id its cheapest way.

#include "platform/arbor/ObjectValue.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace Vireo::Arbor::Model {

// A prepared statement of one storage. Texts are UTF-8.
class Statement {
public:
    virtual ~Statement() = default;
    virtual void BindInt(int at, long long value) = 0;
    virtual void BindDouble(int at, double value) = 0;
    virtual void BindText(int at, std::string_view utf8) = 0;
    virtual void BindNull(int at) = 0;
    // Runs the statement on the first call; true while a row is there.
    virtual bool Step() = 0;
    // Ready for the next run, bindings cleared.
    virtual void Reset() = 0;
    // Runs an insert made by Database::PrepareInsert: the new row's id. This reads it from the
    // row the insert gives back; a storage that knows it without a row says so itself.
    virtual long long RunForId();
    virtual bool IsNull(int column) const = 0;
    virtual long long Int(int column) const = 0;
    virtual double Double(int column) const = 0;
    virtual std::string_view Text(int column) const = 0;
};

// One use of a prepared statement: binds, steps and reads columns; resets on destruction.
class Query {
public:
    // `busy` is the cache's in-use mark of a kept statement; null for one this query owns.
    Query(Statement& statement, bool* busy, std::unique_ptr<Statement> owned = nullptr);
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
    // Runs an insert made by Database::PrepareInsert: the new row's id.
    long long RunForId();

    bool IsNull(int column) const;
    long long Int(int column) const;
    double Double(int column) const;
    std::wstring Text(int column) const;
    System::Guid Guid(int column) const;
    // The column as a value of the parameter type.
    ObjectValue Value(int column, ParameterValueType type) const;

private:
    Statement& statement_;
    bool* busy_;
    std::unique_ptr<Statement> owned_;
};

class Database {
public:
    // 2: objects carry a row version for saves of several users at once.
    static constexpr int SchemaVersion = 2;

    // Opens the storage the connection text names, creating the tables of an empty one.
    // Throws ModelException naming the database (never a password) when it cannot be
    // reached or opened, when it is no PDM database, a damaged one or one of another
    // program, or when it has another schema version.
    static std::unique_ptr<Database> Open(const std::string& connectionText);
    // Whether the text names a PostgreSQL server rather than an SQLite file.
    static bool IsServerText(std::string_view connectionText);
    // The database as messages name it: a file's path, a server's host:port/database.
    static std::string ShownName(const std::string& connectionText);
    // Drops the PDM tables of a server's database (whatever their schema version), so that
    // the next Open makes them anew. Throws ModelException for a file or a failure.
    static void DropTables(const std::string& connectionText);

    virtual ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // The statement for this text, prepared once and kept.
    Query Prepare(std::string_view sql);
    // An INSERT of one row whose Query::RunForId gives the new row's id (the text without a
    // RETURNING clause), prepared once and kept.
    Query PrepareInsert(std::string_view sql);
    // Runs statements without parameters or rows (schema and transaction control).
    virtual void Execute(const char* sql) = 0;
    // The database as messages name it: the file path, or host:port/database of a server.
    const std::string& Path() const { return path_; }
    // The server's name for rule caches and links: empty for a file, whose stored name holds.
    virtual std::wstring ServerName() const { return {}; }
    // What the storage itself finds wrong with its structure (nothing else is read when
    // there is something), and rows naming missing rows the storage did not refuse.
    virtual std::vector<std::string> StructureProblems() = 0;
    virtual std::vector<std::string> ForeignKeyProblems() = 0;
    // " JOIN objects o" reached row by row through its id from `idColumn` of the tables before
    // it: a planner must not start from the objects of a whole reference instead, which it
    // would do where it knows nothing of the rows yet.
    virtual std::string JoinObjectsById(const std::string& idColumn) const = 0;

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

protected:
    explicit Database(std::string path) : path_(std::move(path)) {}
    virtual std::unique_ptr<Statement> prepare(const std::string& sql) = 0;
    virtual const char* beginSql() const { return "BEGIN"; }
    // What PrepareInsert appends for Statement::RunForId to find the new id.
    virtual std::string_view returningIdSql() const { return " RETURNING id"; }
    // Runs a statement that opens, commits or keeps a transaction or savepoint: once per save
    // of an object, so a storage may keep it prepared.
    virtual void executeControl(const char* sql) { Execute(sql); }
    // Undoes the open transaction (or savepoint) without throwing: it runs from destructors.
    virtual void rollbackQuietly(const char* sql) noexcept = 0;
    // What both storages refuse when they open a database: tables of another program, or
    // a PDM of another schema version (`found`).
    [[noreturn]] void refuseForeignTables() const;
    void checkSchemaVersion(long long found) const;
    // Drops the kept statements; a storage calls it before it closes its connection.
    void forgetStatements()
    {
        statements_.clear();
        inserts_.clear();
    }

private:
    struct Cached {
        std::unique_ptr<Statement> statement;
        bool busy = false;
    };
    // Looked up by the text as the caller has it, without making a string of it each time.
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    using Statements = std::unordered_map<std::string, Cached, TextHash, std::equal_to<>>;

    Query use(Statements& statements, std::string_view sql, std::string_view suffix);

    std::string path_;
    Statements statements_;
    // Kept apart from statements_: their key is the text without the clause for the id.
    Statements inserts_;
    int openTransactions_ = 0;
};

} // namespace Vireo::Arbor::Model
