#include "CamTreeWalk.h"

#include "TextOutput.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/cam/CamTables.h"
#include "pdm/convert/ValueConversion.h"

#include <algorithm>
#include <set>

namespace Campdm {
namespace {

using namespace Vireo::Cam::Pdm;

void collect(const CamObject& object, std::set<CamObjectId>& seen, std::vector<CamObject>& out)
{
    if (!seen.insert(CamObjectManager::GetId(object)).second)
        return; // a tool shared by several machinings
    out.push_back(object);
    for (const CamObject& child : CamObjectManager(object).GetChildCamObjects(true))
        collect(child, seen, out);
}

} // namespace

std::string CamObjectName(const CamObject& object)
{
    const CamValuePtr name = CamObjectManager(object).GetValue(L"Name");
    return name ? Utf8(FromCamBaseValue(*name)) : std::string();
}

std::string CamObjectLabel(const CamObject& object)
{
    return Utf8(CamObjectManager(object).GetAppType()) + " \"" + CamObjectName(object) + "\"";
}

std::string CamObjectIdentity(const CamObject& object)
{
    return Utf8(CamObjectManager::idToString(CamObjectManager::GetId(object)));
}

std::vector<std::pair<std::wstring, CamValuePtr>> CamObjectValues(const CamObject& object)
{
    const CamObjectManager manager(object);
    std::vector<std::pair<std::wstring, CamValuePtr>> values;
    const auto type = CamTypes.find(manager.GetAppType());
    if (type == CamTypes.end())
        return values;
    for (const auto& [name, id] : type->second.parameters)
        if (CamValuePtr value = manager.GetValue(name))
            values.emplace_back(std::wstring(name), std::move(value));
    std::sort(values.begin(), values.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return values;
}

std::vector<CamObject> CollectCamTree(const CamObject& root)
{
    std::set<CamObjectId> seen;
    std::vector<CamObject> objects;
    collect(root, seen, objects);
    return objects;
}

} // namespace Campdm
