#include "pdm/rules/AppBuilder.h"

#include "pdm/rules/BuilderMessage.h"
#include "pdm/rules/ParamNode.h"
#include "pdm/rules/ConnectedCatalog.h"
#include "platform/arbor/Model.h"

#include <deque>
#include <exception>

namespace Vireo::Cam::Pdm {

namespace Model = Vireo::Arbor::Model;

namespace {

template <class Key>
AppBuilder::ObjectPtr findObject(const Key& objectKey, const Key& referenceKey)
{
    const auto catalog = ConnectedCatalog();
    const auto info = catalog ? catalog->Find(referenceKey) : nullptr;
    if (!info)
        return nullptr;
    const auto reference = info->CreateReference();
    if (!reference)
        return nullptr;
    return reference->Find(objectKey);
}

// As findObject; a lookup that fails is told here, the one place that sees it, and the
// builder is left without an object, so the run that follows makes nothing.
template <class Key>
AppBuilder::ObjectPtr findObjectOrTell(const Key& objectKey, const Key& referenceKey)
{
    try {
        return findObject(objectKey, referenceKey);
    } catch (const std::exception& error) {
        ShowBuilderMessage(BuilderMessageKey::GettingReferenceObjectData, error);
        return nullptr;
    }
}

// The first dataset that has both type rows and a non-empty list of parameter rows.
IntegrationRules::TypesMap::const_iterator findProcessedDataset(const IntegrationRules& rules)
{
    const auto& params = rules.GetParams();
    for (auto entry = rules.GetTypes().begin(); entry != rules.GetTypes().end(); ++entry) {
        const auto rows = params.find(entry->first);
        if (rows != params.end() && !rows->second.empty())
            return entry;
    }
    return rules.GetTypes().end();
}

// A node of the rule tree with the PDM object it stands for. The tree is built once per
// run and only read; each queued item carries its own object.
struct QueueItem {
    const ParamNode* node;
    AppBuilder::ObjectPtr object;
};

using NodeQueue = std::deque<QueueItem>;

// Queues the child once per object reached through a link or a table group; false when
// the PDM failed to read them (the user has been told).
bool queueLinkedObjects(Model::ReferenceObject& owner, const std::shared_ptr<Model::ParameterGroup>& group,
                        const ParamNode& child, NodeQueue& queue)
{
    const bool isLink = group->IsLinkGroup();
    const bool many = isLink ? group->IsLinkToMany() : group->IsTableOneToMany();
    try {
        if (many) {
            for (auto& linked : owner.GetObjects(group))
                queue.push_back({&child, linked});
        } else if (auto linked = owner.GetObject(group)) {
            queue.push_back({&child, std::move(linked)});
        }
    } catch (const std::exception& error) {
        ShowBuilderMessage(isLink ? BuilderMessageKey::GettingReferenceLinkObject
                                  : BuilderMessageKey::GettingReferenceListObject,
                           error);
        return false;
    }
    return true;
}

// Queues the children of one node: plain groups of the same object in front (handled
// next), hierarchy, links and tables at the back. False ends the traversal.
bool queueChildren(const QueueItem& item, NodeQueue& queue)
{
    const auto& reference = item.object->Reference();
    const auto ownGroup = reference->ParameterGroup();
    const auto groups = ownGroup ? ownGroup->GetAllGroups() : Model::ParameterGroupCollection{};
    const auto hierarchy = ownGroup ? ownGroup->HierarchyGroup() : nullptr;
    const std::wstring hierarchyKey = hierarchy ? hierarchy->Guid().ToString() : std::wstring();
    for (const auto& [key, child] : item.node->children) {
        if (hierarchy && hierarchyKey == key) {
            queue.push_back({&child, item.object});
            continue;
        }
        const auto group = groups.Find(key);
        if (!group)
            continue;
        if (group->IsLinkGroup() || group->IsTableOneToMany() || group->IsTableOneToOne()) {
            if (!queueLinkedObjects(*item.object, group, child, queue))
                return false;
            continue;
        }
        queue.push_front({&child, item.object});
    }
    return true;
}

} // namespace

AppBuilder::AppBuilder(ObjectPtr object) : datasetObject(std::move(object)) {}

AppBuilder::AppBuilder(const System::Guid& objectGuid, const System::Guid& referenceGuid)
    : datasetObject(findObjectOrTell(objectGuid, referenceGuid))
{
}

AppBuilder::AppBuilder(int objectId, int referenceId) : datasetObject(findObjectOrTell(objectId, referenceId)) {}

AppBuilder::~AppBuilder() = default;

bool AppBuilder::ProcessRules(const IntegrationRules& rules)
{
    const auto dataset = findProcessedDataset(rules);
    if (dataset == rules.GetTypes().end())
        return false;
    const ParamNode& root = rules.GetParamTree(dataset->first);
    if (!datasetObject)
        return false;
    NodeQueue queue{{&root, datasetObject}};
    bool result = false;
    while (!queue.empty()) {
        const QueueItem item = std::move(queue.front());
        queue.pop_front();
        if (!item.object->Reference())
            return false;
        if (!queueChildren(item, queue))
            return false;
        try {
            if (FillData(item.object, dataset->first, dataset->second, item.node->params, rules.GetUploadFolder()))
                result = true;
        } catch (const std::exception& error) {
            ShowBuilderMessage(BuilderMessageKey::GettingReferenceObjectData, error);
            return false;
        }
    }
    return result;
}

} // namespace Vireo::Cam::Pdm
