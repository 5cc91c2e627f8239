#include "CamTreeWalk.h"

#include "TextOutput.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/convert/ValueConversion.h"

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

std::vector<CamObject> CollectCamTree(const CamObject& root)
{
    std::set<CamObjectId> seen;
    std::vector<CamObject> objects;
    collect(root, seen, objects);
    return objects;
}

} // namespace Campdm
