#pragma once
// The SQLite storage: a file (write-ahead journal) or ":memory:", for one user or a demo.

#include "platform/arbor/Database.h"

struct sqlite3;

namespace Vireo::Arbor::Model {

class SqliteDatabase : public Database {
public:
    // Opens or creates the file. A write waits up to five seconds for another connection's
    // write to end; past that its error says which database was busy.
    explicit SqliteDatabase(const std::string& path);
    ~SqliteDatabase() override;

    void Execute(const char* sql) override;
    std::vector<std::string> StructureProblems() override;
    std::vector<std::string> ForeignKeyProblems() override;
    // SQLite's planner keeps the tables of a CROSS JOIN in the order written.
    std::string JoinObjectsById(const std::string& idColumn) const override
    {
        return " CROSS JOIN objects o ON o.id = " + idColumn;
    }

protected:
    std::unique_ptr<Statement> prepare(const std::string& sql) override;
    const char* beginSql() const override { return "BEGIN IMMEDIATE"; }
    // The new row's id is the connection's last inserted row id: a RETURNING clause would
    // make SQLite build a temporary table for each insert.
    std::string_view returningIdSql() const override { return {}; }
    // Kept prepared: parsing "SAVEPOINT save" for every saved object cost as much as a row.
    void executeControl(const char* sql) override { Prepare(sql).Run(); }
    void rollbackQuietly(const char* sql) noexcept override;

private:
    void checkIsDatabase();
    bool holdsTables();
    void createTables();
    void close() noexcept;

    sqlite3* db_ = nullptr;
};

} // namespace Vireo::Arbor::Model
