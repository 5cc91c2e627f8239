#include "pdm/plugin/PdmServerTest.h"

#include "pdm/plugin/PdmPluginSettings.h"

#include "platform/arbor/ServerConnection.h"
#include "platform/arbor/ServerGateway.h"
#include "platform/pdmproxy/ZKPDMWorkMix.h"

namespace Vireo::Cam::Pdm {

bool IsConfiguredPdmServer()
{
    try {
        if (!ZKPDMWorkMix::Instance().Connected())
            return false;
        const auto connection = Arbor::Model::ServerGateway::Connection();
        return connection && connection->ServerName() == ReadPdmPluginSettings().serverName;
    } catch (...) {
        return false;
    }
}

} // namespace Vireo::Cam::Pdm
