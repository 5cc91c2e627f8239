#include "pdm/rules/ConnectedCatalog.h"

#include "platform/arbor/Model.h"

namespace Vireo::Cam::Pdm {

std::shared_ptr<Arbor::Model::ReferenceCatalog> ConnectedCatalog()
{
    const auto connection = Arbor::Model::ServerGateway::Connection();
    return connection ? connection->ReferenceCatalog() : nullptr;
}

} // namespace Vireo::Cam::Pdm
