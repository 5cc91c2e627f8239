#include "CamTreeWalk.h"

#include "pdm/cam/CamObjectManager.h"

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

std::vector<CamObject> CollectCamTree(const CamObject& root)
{
    std::set<CamObjectId> seen;
    std::vector<CamObject> objects;
    collect(root, seen, objects);
    return objects;
}

} // namespace Campdm
