#include "pdm/plugin/ExportedObjectLinks.h"

#include "pdm/convert/CamPdmCreator.h"

#include "platform/host/ChangeBracket.h"

namespace Vireo::Cam::Pdm {

void StoreExportLinks(CZkw32Doc* doc, const CamPdmCreator& creator)
{
    if (creator.GetDatasetObjects().empty())
        return;
    ChangeBracket bracket(doc, L"Link exported cam objects");
    if (!bracket.IsOpen())
        return;
    // PENDING: the converters' record of which PDM object the export made for which CAM
    // object, and its linking function, are being added to pdm/convert. Until they are, no
    // link is stored and the bracket is rolled back unchanged.
}

} // namespace Vireo::Cam::Pdm
