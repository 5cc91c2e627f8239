#include "pdm/convert/CamLink.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/rules/BuilderMessage.h"

#include <stdexcept>

namespace Vireo::Cam::Pdm {

CamLink ReadCamLink(const CamObject& object)
{
    CamLink link;
    link.text = CamObjectManager::GetUri(object);
    if (link.text.empty())
        return link;
    try {
        if (const auto id = GetObjectIdFromUri(link.text)) {
            link.state = CamLink::State::Linked;
            link.id = *id;
            return link;
        }
    } catch (const std::range_error&) {
        // Escapes that are no text: as broken as a text that is no link.
    }
    link.state = CamLink::State::Broken;
    return link;
}

void ReportBrokenLink(const CamObject& object, const std::wstring& text)
{
    const CamObjectManager manager(object);
    ShowBuilderMessage(BuilderMessageKey::GettingReferenceObjectData,
                       L"The link \"" + text + L"\" of the " + std::wstring(manager.GetAppType()) + L" object " +
                           CamObjectManager::idToString(CamObjectManager::GetId(object)) +
                           L" names no PDM object; the object and its children are left out.");
}

} // namespace Vireo::Cam::Pdm
