#include "platform/arbor/ServerConnection.h"

#include "platform/arbor/Database.h"
#include "platform/arbor/ReferenceCatalog.h"
#include "platform/arbor/Schema.h"
#include "platform/arbor/ServerGateway.h"

namespace Vireo::Arbor::Model {
namespace {

std::wstring metaValue(Database& database, const char* key, std::wstring fallback)
{
    auto query = database.Prepare("SELECT value FROM meta WHERE key = ?1");
    query.Bind(1, std::wstring_view(std::wstring(key, key + std::char_traits<char>::length(key))));
    return query.Step() ? query.Text(0) : fallback;
}

std::shared_ptr<ServerConnection>& current()
{
    static std::shared_ptr<ServerConnection> connection;
    return connection;
}

} // namespace

ServerConnection::ServerConnection(Token, const std::string& path) : database_(std::make_unique<Database>(path)) {}

ServerConnection::~ServerConnection() = default;

std::shared_ptr<ServerConnection> ServerConnection::Open(const std::string& path)
{
    auto connection = std::make_shared<ServerConnection>(Token{}, path);
    connection->ReloadSchema();
    return connection;
}

void ServerConnection::ReloadSchema()
{
    schema_ = Schema::Load(*database_, weak_from_this());
    catalog_ = std::make_shared<Model::ReferenceCatalog>(schema_);
    serverName_ = metaValue(*database_, "server_name", L"localhost");
    parameters_ = Model::ConnectionParameters(metaValue(*database_, "server_address", serverName_));
}

bool ServerGateway::IsConnected() { return current() != nullptr; }
std::shared_ptr<ServerConnection> ServerGateway::Connection() { return current(); }

std::shared_ptr<ServerConnection> ServerGateway::Open(const std::string& path)
{
    current() = ServerConnection::Open(path);
    return current();
}

void ServerGateway::Connect(std::shared_ptr<ServerConnection> connection) { current() = std::move(connection); }
void ServerGateway::Close() { current().reset(); }

} // namespace Vireo::Arbor::Model
