#include "pdm/plugin/UpdateToPdmCommand.h"

#include "pdm/plugin/LinkedObjectId.h"
#include "pdm/plugin/PdmConnection.h"

#include "pdm/convert/CamPdmCreator.h"
#include "pdm/rules/IntegrationManager.h"

namespace Vireo::Cam::Pdm {

void UpdateToPdmCommand::Handler(CZkw32Doc* doc, int /*id*/)
{
    if (!EnsurePdmConnection(doc))
        return;
    const auto linked = LinkedObjectId(_object);
    if (!linked)
        return;
    const auto [referenceId, objectId] = *linked;
    CamPdmCreator creator(CamObject(_object), objectId, referenceId);
    creator.SetRecursive(true);
    // The creator reports its own failures.
    IntegrationManager().MakeData(creator);
}

} // namespace Vireo::Cam::Pdm
