#include "pdm/convert/LinkExportedObjects.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/convert/PdmObjectAccess.h"
#include "platform/host/ChangeBracket.h"

namespace Vireo::Cam::Pdm {

bool LinkExportedObjects(const CamPdmCreator& exporter)
{
    const auto& exported = exporter.GetExportedObjects();
    if (exported.empty())
        return false;
    ChangeBracket bracket(CamObjectManager::GetDocument(exported.front().camObject), L"Linked cam objects to pdm");
    if (!bracket.IsOpen())
        return false;
    for (const auto& [camObject, pdmObject] : exported) {
        const std::wstring link = getPdmUri(pdmObject);
        if (link.empty() || !CamObjectManager::SetUri(camObject, link))
            return false; // the bracket rolls back the links stored so far
    }
    bracket.Keep();
    return true;
}

} // namespace Vireo::Cam::Pdm
