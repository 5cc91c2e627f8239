// The breadth-first walks of PdmCamCreator over the PDM children of its object.

#include "pdm/convert/PdmCamCreator.h"

#include "pdm/convert/internal/WalkFilters.h"
#include "pdm/convert/internal/WalkPath.h"

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/CamObjectManager.h"
#include "pdm/convert/CamLink.h"
#include "pdm/rules/IntegrationManager.h"
#include "platform/arbor/Model.h"
#include "platform/host/Zkw32Doc.h"
#include "platform/support/HashCombine.h"

#include <algorithm>
#include <array>
#include <deque>
#include <unordered_map>
#include <unordered_set>

namespace Vireo::Cam::Pdm {

namespace Model = Vireo::Arbor::Model;

namespace {

// GUID texts of the stock, the part and the fixture created nearest above a level.
using GeometryContext = std::array<std::wstring, 3>;
constexpr std::size_t stockSlot = 0;
constexpr std::size_t partSlot = 1;
constexpr std::size_t fixtureSlot = 2;

// PDM objects by their id in the database: a GUID text would cost more per step.
using PdmPath = internal::WalkPath<int>;

struct CreateNode {
    CamObject camObject;
    std::shared_ptr<Model::ReferenceObject> object;
    std::shared_ptr<GeometryContext> context;
    PdmPath path;
};

struct UpdateNode {
    CamObject camObject;
    std::shared_ptr<Model::ReferenceObject> object;
    PdmPath path;
};

// A PDM hierarchy that leads back to one of its own ancestors. The model's checks keep
// such data out; this ends the walk should it come in another way.
class HierarchyCycle : public std::runtime_error {
public:
    explicit HierarchyCycle(const Model::ReferenceObject& object)
        : std::runtime_error("the PDM object " + std::to_string(object.Id()) +
                             " is among its own ancestors; the children below it are not read")
    {
    }
};

PdmPath pathOf(const PdmPath& parent, const std::shared_ptr<Model::ReferenceObject>& object)
{
    if (parent.Contains(object->Id()))
        throw HierarchyCycle(*object);
    return parent.Then(object->Id());
}


struct ObjectIdHash {
    std::size_t operator()(const ObjectId& id) const noexcept
    {
        return static_cast<std::size_t>(Support::HashValues(id.first, id.second));
    }
};

// The PDM children of `object` in the walked reference; null when the reference has no
// hierarchy or the children cannot be loaded.
std::shared_ptr<Model::ReferenceObjectCollection> loadChildren(const std::shared_ptr<Model::Reference>& reference,
                                                               const std::shared_ptr<Model::ReferenceObject>& object)
{
    if (!reference || !object || !reference->ReferenceInfo() || !reference->ReferenceInfo()->HasHierarchy())
        return nullptr;
    auto children = reference->CreateLoader(nullptr, object, nullptr);
    if (!children)
        return nullptr;
    children->Load();
    return children->State() == Model::LoadState::Loaded ? children : nullptr;
}

// The context slot a created CAM object takes, or none.
std::optional<std::size_t> geometrySlotOf(const CamObject& object)
{
    if (CamObjectManager::IsCamObject(object, CamConsts::StockInfo::Type))
        return stockSlot;
    if (CamObjectManager::IsCamObject(object, CamConsts::PartInfo::Type))
        return partSlot;
    if (CamObjectManager::IsCamObject(object, CamConsts::FixtureInfo::Type))
        return fixtureSlot;
    return std::nullopt;
}

bool isTool(const CamObject& object)
{
    return CamObjectManager::IsCamObject(object, CamConsts::ToolInfo::Type);
}

// Tools, stocks, parts and fixtures are used by several objects and shared, not copied.
bool isShared(const CamObject& object)
{
    return isTool(object) || geometrySlotOf(object).has_value();
}

// The CAM objects of the document by the PDM object their link names.
std::unordered_map<ObjectId, CamObject, ObjectIdHash> linkedObjects(CZkw32Doc* doc)
{
    std::unordered_map<ObjectId, CamObject, ObjectIdHash> linked;
    if (!doc)
        return linked;
    for (CZKObject* object : doc->GetObjects()) {
        const CamObject camObject(object);
        if (const CamLink link = ReadCamLink(camObject); link.state == CamLink::State::Linked)
            linked.emplace(link.id, camObject);
    }
    return linked;
}

} // namespace

bool PdmCamCreator::CreateChildren()
{
    return internal::RunChildWalk(BuilderMessageKey::GettingReferenceObjectData, [this] { createChildren(); });
}

void PdmCamCreator::createChildren()
{
    const auto& root = GetDatasetObject();
    if (!root)
        return;
    const auto reference = root->Reference();
    std::unordered_map<std::wstring, CamObject> created;
    internal::WalkFilters filters;
    std::deque<CreateNode> queue{{camObject, root, std::make_shared<GeometryContext>(), pathOf({}, root)}};
    while (!queue.empty()) {
        const CreateNode node = std::move(queue.front());
        queue.pop_front();
        const auto children = loadChildren(reference, node.object);
        if (!children)
            continue;
        // Shared by every child pushed from this node: a stock made for a later sibling is
        // also seen by the subtrees of earlier ones.
        const auto context = std::make_shared<GeometryContext>(*node.context);
        for (const auto& child : *children) {
            const std::wstring guid = child->Guid().ToString();
            if (std::find(node.context->begin(), node.context->end(), guid) != node.context->end())
                continue;
            if (node.path.Contains(child->Id()))
                throw HierarchyCycle(*child);
            if (const auto known = created.find(guid); known != created.end() && isTool(known->second)) {
                CamObject tool = known->second;
                CamObjectManager::AddChild(node.camObject, tool);
                continue;
            }
            PdmCamCreator builder(child, document, node.camObject);
            builder.walkFilters = &filters;
            if (!IntegrationManager().MakeData(builder))
                continue;
            const CamObject& made = builder.GetCamObject();
            queue.push_back({made, child, context, pathOf(node.path, child)});
            if (const auto slot = geometrySlotOf(made)) {
                (*context)[*slot] = guid;
                created[guid] = made;
            } else if (isTool(made)) {
                created[guid] = made;
            }
        }
        if (*context == *node.context)
            continue;
        // A level that got its own part also gets the stock and fixture it inherits.
        for (const std::size_t slot : {stockSlot, fixtureSlot}) {
            if ((*node.context)[slot] != (*context)[slot])
                continue;
            if (const auto inherited = created.find((*context)[slot]); inherited != created.end()) {
                CamObject shared = inherited->second;
                CamObjectManager::AddChild(node.camObject, shared);
            }
        }
    }
}

bool PdmCamCreator::UpdateChildren()
{
    return internal::RunChildWalk(BuilderMessageKey::GettingReferenceObjectData, [this] { updateChildren(); });
}

void PdmCamCreator::updateChildren()
{
    const auto& root = GetDatasetObject();
    if (!root)
        return;
    const auto reference = root->Reference();
    // New CAM objects go into the document of the object being updated.
    CZkw32Doc* const doc = document ? document : CamObjectManager::GetDocument(camObject);
    // A PDM object already linked in the document is attached there, never imported twice.
    auto inDocument = linkedObjects(doc);
    internal::WalkFilters filters;
    std::deque<UpdateNode> queue{{camObject, root, pathOf({}, root)}};
    while (!queue.empty()) {
        const UpdateNode node = std::move(queue.front());
        queue.pop_front();
        const auto children = loadChildren(reference, node.object);
        if (!children)
            continue;
        std::unordered_set<ObjectId, ObjectIdHash> linked;
        for (const CamObject& camChild : CamObjectManager(node.camObject).GetChildCamObjects(true)) {
            const CamLink link = ReadCamLink(camChild);
            if (link.state == CamLink::State::Broken)
                ReportBrokenLink(camChild, link.text);
            if (link.state != CamLink::State::Linked)
                continue;
            linked.insert(link.id);
            const auto& [referenceId, objectId] = link.id;
            PdmCamCreator builder(objectId, referenceId, camChild);
            builder.walkFilters = &filters;
            IntegrationManager().MakeData(builder);
            if (const auto& updated = builder.GetDatasetObject())
                queue.push_back({builder.GetCamObject(), updated, pathOf(node.path, updated)});
        }
        for (const auto& child : *children) {
            const ObjectId id{child->Reference()->Id(), child->Id()};
            if (linked.count(id))
                continue;
            if (node.path.Contains(child->Id()))
                throw HierarchyCycle(*child);
            if (const auto known = inDocument.find(id); known != inDocument.end()) {
                CamObject existing = known->second;
                if (isShared(existing))
                    CamObjectManager::AddChild(node.camObject, existing);
                continue;
            }
            PdmCamCreator builder(child, doc, node.camObject);
            builder.walkFilters = &filters;
            if (!IntegrationManager().MakeData(builder))
                continue;
            inDocument.emplace(id, builder.GetCamObject());
            queue.push_back({builder.GetCamObject(), child, pathOf(node.path, child)});
        }
    }
}

} // namespace Vireo::Cam::Pdm
