#include "pdm/plugin/LinkedObjectId.h"

#include "pdm/cam/CamObjectManager.h"

namespace Vireo::Cam::Pdm {

std::optional<ObjectId> LinkedObjectId(CZKObject* object)
{
    if (object == nullptr)
        return std::nullopt;
    return GetObjectIdFromUri(CamObjectManager::GetUri(CamObject(object)));
}

} // namespace Vireo::Cam::Pdm
