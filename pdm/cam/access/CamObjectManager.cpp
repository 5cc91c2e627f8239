// Type matching and the catalogue queries of CamObjectManager.

#include "pdm/cam/CamObjectManager.h"

#include <algorithm>

namespace Vireo::Cam::Pdm {

CamObjectManager::CamObjectManager(CamObject camObject) : object(std::move(camObject))
{
    for (const auto& [type, descriptor] : CamTypes)
        if (descriptor.predicate(object)) {
            appType = type;
            break;
        }
}

std::vector<std::wstring_view> CamObjectManager::GetCamTypeNames()
{
    std::vector<std::wstring_view> names;
    names.reserve(CamTypes.size());
    for (const auto& entry : CamTypes)
        names.push_back(entry.first);
    return names;
}

UniqueIdentifier CamObjectManager::GetParameterId(std::wstring_view name) const
{
    const auto type = CamTypes.find(appType);
    if (type == CamTypes.end())
        return UniqueIdentifier::Empty();
    const auto parameter = type->second.parameters.find(name);
    return parameter == type->second.parameters.end() ? UniqueIdentifier::Empty() : parameter->second;
}

bool CamObjectManager::IsCamObject(const CamObject& object, std::wstring_view type)
{
    const auto accepts = [&](std::wstring_view name) {
        const auto found = CamTypes.find(name);
        return found != CamTypes.end() && found->second.predicate(object);
    };
    // An empty type asks for any catalogue type; a named one needs only its own predicate
    // and those of the types it stands for.
    if (type.empty())
        return std::any_of(CamTypes.begin(), CamTypes.end(),
                           [&](const auto& entry) { return entry.second.predicate(object); });
    if (accepts(type))
        return true;
    const auto generic = GenericCamTypes.find(type);
    if (generic == GenericCamTypes.end())
        return false;
    const auto& [members, selector] = generic->second;
    return std::any_of(members.begin(), members.end(), accepts);
}

bool CamObjectManager::IsNull(const CamObject& object) noexcept
{
    return object.index() == CamObjectIndex::Document && std::get<CZKObject*>(object) == nullptr;
}

CamObject CamObjectManager::MakeCamObject(CZkw32Doc* doc, std::wstring_view type, const CamObject& parent)
{
    const auto found = CamTypes.find(type);
    return found == CamTypes.end() ? CamObject() : found->second.factory(doc, parent);
}

std::wstring_view CamObjectManager::GetAppTypeParam(std::wstring_view type)
{
    if (const auto generic = GenericCamTypes.find(type); generic != GenericCamTypes.end()) {
        const auto& [members, selector] = generic->second;
        return selector;
    }
    for (const auto& [name, family] : GenericCamTypes)
        if (const auto& [members, selector] = family; members.contains(type))
            return selector;
    return {};
}

bool CamObjectManager::IsGenericAppType(std::wstring_view type)
{
    return GenericCamTypes.contains(type);
}

const GenericCamTypeMap& CamObjectManager::GetGenericCamTypes() noexcept
{
    return GenericCamTypes;
}

std::vector<std::wstring_view> CamObjectManager::GetTypeAndFamilies(std::wstring_view type)
{
    if (type.empty())
        return {};
    std::vector<std::wstring_view> types{type};
    for (const auto& [generic, family] : GenericCamTypes)
        if (const auto& [members, selector] = family; members.contains(type))
            types.push_back(generic);
    return types;
}

} // namespace Vireo::Cam::Pdm
