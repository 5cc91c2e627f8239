#pragma once
// The PostgreSQL storage over libpq: one database of a server shared by a team. Ids come
// from the server's sequences, so concurrent writers never collide; statements are
// prepared on the server and take every value as a parameter.

#include "platform/arbor/Database.h"

struct pg_conn;

namespace Vireo::Arbor::Model {

class PostgresDatabase : public Database {
public:
    // Connects with a "postgresql://" text (a password comes from the environment or
    // libpq's password file and is never shown) and makes the tables of a database that
    // has none.
    explicit PostgresDatabase(const std::string& connectionText);
    ~PostgresDatabase() override;

    void Execute(const char* sql) override;
    // host:port/database, and /schema for a PDM in a schema other than "public"
    std::wstring ServerName() const override;
    // The server keeps its own structure and refuses rows naming missing ones.
    std::vector<std::string> StructureProblems() override { return {}; }
    std::vector<std::string> ForeignKeyProblems() override { return {}; }
    // A subquery the planner cannot pull up (OFFSET 0) looked up once per row before it: a
    // kept statement's generic plan would otherwise hash every object of the reference for
    // each call.
    std::string JoinObjectsById(const std::string& idColumn) const override
    {
        return " CROSS JOIN LATERAL (SELECT * FROM objects WHERE id = " + idColumn + " OFFSET 0) o";
    }

    // Throws ModelException for a failed call: names the server, and says so plainly when
    // the connection to it is lost.
    [[noreturn]] void Fail(const std::string& reason) const;

    // The calls that waited for the server's answer: on a busy network or machine they, not
    // the work on either side, are what a transfer's time is made of.
    std::size_t RoundTrips() const { return roundTrips_; }
    void CountRoundTrip() noexcept { ++roundTrips_; }

protected:
    std::unique_ptr<Statement> prepare(const std::string& sql) override;
    // A command sees the PDM as it was when it began, and its own changes: what it counts
    // and reads is never half of another user's work.
    const char* beginSql() const override { return "BEGIN ISOLATION LEVEL REPEATABLE READ"; }
    void rollbackQuietly(const char* sql) noexcept override;

private:
    void prepareTables();
    void close() noexcept;

    pg_conn* conn_ = nullptr;
    long long statementCount_ = 0;
    std::size_t roundTrips_ = 0;
    std::string schema_;
};

// The server, port and database a connection text names, without user or password.
std::string ServerAddressOf(const std::string& connectionText);
// Drops the PDM tables of the database the text names.
void DropServerTables(const std::string& connectionText);
// The statement with SQLite's "?N" and "?" parameters written as PostgreSQL's "$N", and in
// `parameters` (when given) how many it takes.
std::string ToServerParameters(std::string_view sql, int* parameters = nullptr);

} // namespace Vireo::Arbor::Model
