#include "platform/arbor/Database.h"

#include "platform/arbor/ModelException.h"
#include "platform/arbor/PostgresDatabase.h"
#include "platform/arbor/SqliteDatabase.h"
#include "platform/support/Utf8.h"

namespace Vireo::Arbor::Model {

Query::Query(Statement& statement, bool* busy, std::unique_ptr<Statement> owned)
    : statement_(statement), busy_(busy), owned_(std::move(owned))
{
}

Query::~Query()
{
    if (busy_) {
        statement_.Reset();
        *busy_ = false;
    }
}

Query& Query::Bind(int at, long long value)
{
    statement_.BindInt(at, value);
    return *this;
}

Query& Query::Bind(int at, const System::Guid& guid)
{
    statement_.BindText(at, guid.ToUtf8());
    return *this;
}

Query& Query::Bind(int at, std::wstring_view text)
{
    statement_.BindText(at, Support::WideToUtf8(text));
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
        void operator()(double number) { q.statement_.BindDouble(at, number); }
    };
    std::visit(Binder{*this, at}, value.Value());
    return *this;
}

Query& Query::BindNull(int at)
{
    statement_.BindNull(at);
    return *this;
}

bool Query::Step()
{
    return statement_.Step();
}

void Query::Run()
{
    while (Step()) {
    }
}

long long Query::RunForId()
{
    return statement_.RunForId();
}

long long Statement::RunForId()
{
    if (!Step())
        throw ModelException("the database gave no id for a new row");
    const long long id = Int(0);
    while (Step()) {
    }
    return id;
}

bool Query::IsNull(int column) const
{
    return statement_.IsNull(column);
}

long long Query::Int(int column) const
{
    return statement_.Int(column);
}

double Query::Double(int column) const
{
    return statement_.Double(column);
}

std::wstring Query::Text(int column) const
{
    return Support::Utf8ToWide(statement_.Text(column));
}

System::Guid Query::Guid(int column) const
{
    if (const auto guid = System::Guid::TryParse(statement_.Text(column)))
        return *guid;
    return System::Guid::Parse(Text(column)); // throws, naming the text
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

bool Database::IsServerText(std::string_view connectionText)
{
    return connectionText.starts_with("postgresql://") || connectionText.starts_with("postgres://");
}

std::unique_ptr<Database> Database::Open(const std::string& connectionText)
{
    if (IsServerText(connectionText))
        return std::make_unique<PostgresDatabase>(connectionText);
    return std::make_unique<SqliteDatabase>(connectionText);
}

std::string Database::ShownName(const std::string& connectionText)
{
    return IsServerText(connectionText) ? ServerAddressOf(connectionText) : connectionText;
}

void Database::DropTables(const std::string& connectionText)
{
    if (!IsServerText(connectionText))
        throw ModelException("\"" + connectionText + "\" is no PostgreSQL connection text");
    DropServerTables(connectionText);
}

Database::~Database() = default;

void Database::refuseForeignTables() const
{
    throw ModelException("\"" + path_ + "\" is not a PDM database: it holds tables of another program");
}

void Database::checkSchemaVersion(long long found) const
{
    if (found != SchemaVersion)
        throw ModelException("the PDM database \"" + path_ + "\" has schema version " + std::to_string(found) +
                             ", expected " + std::to_string(SchemaVersion));
}

Query Database::Prepare(std::string_view sql)
{
    return use(statements_, sql, {});
}

Query Database::PrepareInsert(std::string_view sql)
{
    return use(inserts_, sql, returningIdSql());
}

// The kept statement for `sql`, prepared (with `suffix` appended) when there is none; a second
// statement, owned by the query, when the kept one is in use further up.
Query Database::use(Statements& statements, std::string_view sql, std::string_view suffix)
{
    auto kept = statements.find(sql);
    if (kept == statements.end()) {
        auto statement = prepare(std::string(sql).append(suffix));
        kept = statements.emplace(std::string(sql), Cached{std::move(statement), false}).first;
    } else if (kept->second.busy) {
        auto statement = prepare(std::string(sql).append(suffix));
        Statement& own = *statement;
        return Query(own, nullptr, std::move(statement));
    }
    kept->second.busy = true;
    return Query(*kept->second.statement, &kept->second.busy);
}

Database::Transaction::Transaction(Database& database)
    : database_(database), nested_(database.openTransactions_ > 0)
{
    database_.executeControl(nested_ ? "SAVEPOINT save" : database_.beginSql());
    ++database_.openTransactions_;
}

Database::Transaction::~Transaction()
{
    if (done_)
        return;
    --database_.openTransactions_;
    database_.rollbackQuietly(nested_ ? "ROLLBACK TO save; RELEASE save" : "ROLLBACK");
}

void Database::Transaction::Commit()
{
    database_.executeControl(nested_ ? "RELEASE save" : "COMMIT");
    --database_.openTransactions_;
    done_ = true;
}

} // namespace Vireo::Arbor::Model
