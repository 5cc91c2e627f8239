#include "pdm/rules/internal/ConnectedCatalog.h"

#include "platform/arbor/Model.h"

namespace Vireo::Cam::Pdm::internal {

std::shared_ptr<Arbor::Model::ReferenceCatalog> connectedCatalog()
{
    if (!Arbor::Model::ServerGateway::IsConnected())
        return nullptr;
    const auto connection = Arbor::Model::ServerGateway::Connection();
    return connection ? connection->ReferenceCatalog() : nullptr;
}

} // namespace Vireo::Cam::Pdm::internal
