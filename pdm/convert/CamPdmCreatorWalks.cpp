#include "pdm/convert/CamPdmCreator.h"
#include "pdm/convert/internal/WalkFilters.h"
#include "pdm/convert/internal/WalkPath.h"

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/CamObjectManager.h"
#include "pdm/convert/CamLink.h"
#include "pdm/rules/IntegrationManager.h"

#include "platform/arbor/Model.h"
#include "platform/support/Utf8.h"

#include <deque>
#include <stdexcept>
#include <unordered_map>

namespace Vireo::Cam::Pdm {
namespace {

namespace Model = Vireo::Arbor::Model;

using CamPath = internal::WalkPath<CamObjectId>;

// A CAM object of the walk with the PDM object that stands for it (null when none was found).
struct Node {
    CamObject camObject;
    PdmObject pdmObject;
    CamPath path;
};

// A CAM object that lists one of its own ancestors among its children (a machining group
// inside itself). The document reader refuses such files; this ends the walk should one
// come in another way, before it makes PDM objects without end.
class ChildCycle : public std::runtime_error {
public:
    explicit ChildCycle(const CamObject& object)
        : std::runtime_error("the CAM object \"" + Support::WideToUtf8(CamObjectManager(object).GetAppType()) +
                             "\" is among its own ancestors; the children below it are not exported")
    {
    }
};

CamPath pathOf(const CamPath& parent, const CamObject& object)
{
    const auto id = CamObjectManager::GetId(object);
    if (parent.Contains(id))
        throw ChildCycle(object);
    return parent.Then(id);
}


std::shared_ptr<Model::ReferenceInfo> referenceInfoOf(const PdmObject& object)
{
    if (!object || !object->Reference() || !object->Reference()->ParameterGroup())
        return nullptr;
    auto referenceGroup = object->Reference()->ParameterGroup()->ReferenceGroup();
    return referenceGroup ? referenceGroup->ReferenceInfo() : nullptr;
}

// Objects that several machinings or projects may use: stocks, parts, fixtures and tools.
// Every catalogue type is one of a kind, so the type the object was matched to decides; one
// match instead of four keeps the walk of large projects cheap.
bool isShareable(const CamObject& object)
{
    const CamObjectManager manager(object);
    const std::wstring_view type = manager.GetAppType();
    if (type == CamConsts::PartInfo::Type || type == CamConsts::FixtureInfo::Type)
        return true;
    for (const std::wstring_view kind : CamObjectManager::GetTypeAndFamilies(type))
        if (kind == CamConsts::StockInfo::Type || kind == CamConsts::ToolInfo::Type)
            return true;
    return false;
}

bool linkAsChild(const PdmObject& parent, const PdmObject& child)
{
    try {
        auto link = parent->CreateChildLink(child);
        return link && link->EndChanges() && parent->ApplyChanges();
    } catch (const std::exception&) {
        return false;
    }
}

std::vector<CamObject> childrenOf(const CamObject& object)
{
    return CamObjectManager(object).GetChildCamObjects(true);
}

} // namespace

// The root of a new CAM child: a full run of a child builder under `parent` (or at the top
// of the reference). Null when it failed or saved nothing.
PdmObject CamPdmCreator::createChild(const CamObject& child, int referenceId, const PdmObject& parent,
                                     internal::WalkFilters& filters)
{
    CamPdmCreator builder(child, referenceId);
    builder.walkFilters = &filters;
    builder.SetParentDatasetObject(parent);
    if (!IntegrationManager().MakeData(builder) || builder.GetDatasetObjects().empty())
        return nullptr;
    return builder.GetDatasetObjects().back();
}

bool CamPdmCreator::CreateChildren()
{
    return internal::RunChildWalk(BuilderMessageKey::CreatingReferenceLinkObject, [this] { createChildren(); });
}

void CamPdmCreator::createChildren()
{
    if (GetDatasetObjects().empty())
        return;
    const PdmObject root = GetDatasetObjects().back();
    const auto info = referenceInfoOf(root);
    if (!info)
        return;
    const int referenceId = info->Id();
    const bool sharing = info->HierarchyType() == Model::ReferenceHierarchyType::Complex;
    std::unordered_map<CamObjectId, PdmObject> made;
    internal::WalkFilters filters;
    std::deque<Node> queue{{camObject, root, pathOf({}, camObject)}};
    while (!queue.empty()) {
        const Node parent = std::move(queue.front());
        queue.pop_front();
        for (const auto& child : childrenOf(parent.camObject)) {
            const auto id = CamObjectManager::GetId(child);
            if (parent.path.Contains(id))
                throw ChildCycle(child);
            const bool shared = sharing && isShareable(child);
            if (shared) {
                const auto existing = made.find(id);
                if (existing != made.end() && linkAsChild(parent.pdmObject, existing->second))
                    continue;
            }
            auto created = createChild(child, referenceId, parent.pdmObject, filters);
            if (!created)
                continue;
            if (shared)
                made[id] = created;
            recordExported(child, created);
            queue.push_back({child, std::move(created), parent.path.Then(id)});
        }
    }
}

bool CamPdmCreator::UpdateChildren()
{
    return internal::RunChildWalk(BuilderMessageKey::CreatingReferenceLinkObject, [this] { updateChildren(); });
}

void CamPdmCreator::updateChildren()
{
    const auto info = referenceInfoOf(GetUpdateDatasetObject());
    if (!info)
        return;
    const int referenceId = info->Id();
    internal::WalkFilters filters;
    std::deque<Node> queue{{camObject, GetUpdateDatasetObject(), pathOf({}, camObject)}};
    while (!queue.empty()) {
        const Node parent = std::move(queue.front());
        queue.pop_front();
        for (const auto& child : childrenOf(parent.camObject)) {
            const CamPath path = pathOf(parent.path, child);
            const CamLink link = ReadCamLink(child);
            if (link.state == CamLink::State::Broken) {
                ReportBrokenLink(child, link.text);
                continue;
            }
            if (link.state == CamLink::State::Linked) {
                const auto& [linkedReferenceId, linkedObjectId] = link.id;
                CamPdmCreator linked(child, linkedObjectId, linkedReferenceId);
                linked.walkFilters = &filters;
                const bool updated = IntegrationManager().MakeData(linked);
                // A linked object that is gone leaves the child and its subtree out (the
                // child's run said so); otherwise the children are visited whether or not
                // the child's own update worked.
                if (!linked.GetUpdateDatasetObject())
                    continue;
                if (updated)
                    recordExported(child, linked.GetUpdateDatasetObject());
                queue.push_back({child, linked.GetUpdateDatasetObject(), path});
                continue;
            }
            if (auto created = createChild(child, referenceId, parent.pdmObject, filters)) {
                recordExported(child, created);
                queue.push_back({child, std::move(created), path});
            }
        }
    }
}

} // namespace Vireo::Cam::Pdm
