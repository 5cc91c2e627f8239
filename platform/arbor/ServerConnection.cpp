#include "platform/arbor/ServerConnection.h"

#include "platform/arbor/Database.h"
#include "platform/arbor/ReferenceCatalog.h"
#include "platform/arbor/Schema.h"

namespace Vireo::Arbor::Model {
namespace {

std::wstring metaValue(Database& database, const char* key, std::wstring fallback)
{
    auto query = database.Prepare("SELECT value FROM meta WHERE key = ?1");
    query.Bind(1, std::wstring_view(std::wstring(key, key + std::char_traits<char>::length(key))));
    return query.Step() ? query.Text(0) : fallback;
}

} // namespace

ServerConnection::ServerConnection(Token, const std::string& path) : database_(Database::Open(path)) {}

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
    // A server is named by its own address, so that two servers never share cached rules.
    storedName_ = metaValue(*database_, "server_name", L"localhost");
    serverName_ = database_->ServerName();
    if (serverName_.empty())
        serverName_ = storedName_;
    // Links carry the address: a server's own name, with its database, is no host name.
    parameters_ = Model::ConnectionParameters(metaValue(*database_, "server_address", storedName_));
}

} // namespace Vireo::Arbor::Model
