#include "platform/arbor/ServerGateway.h"

#include "platform/arbor/ServerConnection.h"

namespace Vireo::Arbor::Model {
namespace {

// The process's one PDM connection, as the host's PDM proxy hands it out.
std::shared_ptr<ServerConnection>& current()
{
    static std::shared_ptr<ServerConnection> connection;
    return connection;
}

} // namespace

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
