// Type matching and the catalogue queries of CamObjectManager.

#include "pdm/cam/CamObjectManager.h"
#include "pdm/cam/internal/CamTypeRecognition.h"


namespace Vireo::Cam::Pdm {

CamObjectManager::CamObjectManager(CamObject camObject) : object(std::move(camObject))
{
    if (const internal::CamTypeEntry* entry = internal::RecogniseCamType(object)) {
        appType = entry->first;
        typeEntry = &entry->second;
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
    if (!typeEntry)
        return UniqueIdentifier::Empty();
    const auto parameter = typeEntry->parameters.find(name);
    return parameter == typeEntry->parameters.end() ? UniqueIdentifier::Empty() : parameter->second;
}

bool CamObjectManager::IsCamObject(const CamObject& object, std::wstring_view type)
{
    if (type.empty())
        return internal::RecogniseCamType(object) != nullptr;
    return internal::AcceptedAsCamType(object, type);
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
    if (const auto generic = GenericCamTypes.find(type); generic != GenericCamTypes.end())
        return generic->second.second;
    for (const auto& [name, family] : GenericCamTypes)
        if (family.first.contains(type))
            return family.second;
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
        if (family.first.contains(type))
            types.push_back(generic);
    return types;
}

} // namespace Vireo::Cam::Pdm
