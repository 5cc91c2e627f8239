#include "LinkedPdmObject.h"

#include "CamTreeWalk.h"
#include "CommandErrors.h"
#include "TextOutput.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/links/ObjectId.h"

#include "platform/arbor/Reference.h"
#include "platform/arbor/ReferenceCatalog.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/ReferenceObject.h"
#include "platform/arbor/ServerConnection.h"

#include <stdexcept>

namespace Campdm {
namespace {

using namespace Vireo::Cam::Pdm;

std::optional<ObjectId> decoded(const std::wstring& link)
{
    try {
        return GetObjectIdFromUri(link);
    } catch (const std::range_error&) {
        return std::nullopt;
    }
}

} // namespace

std::wstring RequirePdmLink(const CamObject& object)
{
    const std::wstring link = CamObjectManager::GetUri(object);
    if (link.empty())
        throw CommandFailed(CamObjectLabel(object) + " has no PDM link");
    if (!decoded(link))
        throw CommandFailed(CamObjectLabel(object) + " has the link \"" + Utf8(link) +
                            "\", which is not a link to a PDM object (arbor://<server>/OpenReferenceWindow/?...)");
    return link;
}

std::shared_ptr<Vireo::Arbor::Model::ReferenceObject> FindLinkedPdmObject(const CamObject& object,
                                                                         Vireo::Arbor::Model::ServerConnection& pdm)
{
    const auto id = decoded(CamObjectManager::GetUri(object));
    if (!id)
        return nullptr;
    const auto [referenceId, objectId] = *id;
    const auto info = pdm.ReferenceCatalog()->Find(referenceId);
    return info ? info->CreateReference()->Find(objectId) : nullptr;
}

void RequireLinkedObjectInPdm(const CamObject& object, Vireo::Arbor::Model::ServerConnection& pdm)
{
    const auto [referenceId, objectId] = *decoded(RequirePdmLink(object));
    if (!FindLinkedPdmObject(object, pdm))
        throw CommandFailed(CamObjectLabel(object) + " is linked to object " + std::to_string(objectId) +
                            " of reference " + std::to_string(referenceId) + ", which the PDM does not hold");
}

} // namespace Campdm
