#include "pdm/plugin/UpdateFromPdmCommand.h"

#include "pdm/plugin/LinkedObjectId.h"
#include "pdm/plugin/PdmConnection.h"

#include "pdm/convert/PdmCamCreator.h"
#include "pdm/rules/IntegrationManager.h"

#include "platform/host/ChangeBracket.h"

namespace Vireo::Cam::Pdm {

void UpdateFromPdmCommand::Handler(CZkw32Doc* doc, int /*id*/)
{
    if (!EnsurePdmConnection(doc))
        return;
    const auto linked = LinkedObjectId(_object);
    if (!linked)
        return;
    ChangeBracket bracket(doc, L"Update cam objects from pdm");
    if (!bracket.IsOpen())
        return;
    const auto [referenceId, objectId] = *linked;
    PdmCamCreator creator(objectId, referenceId, CamObject(_object));
    creator.SetRecursive(true);
    if (IntegrationManager().MakeData(creator))
        bracket.Keep();
}

} // namespace Vireo::Cam::Pdm
