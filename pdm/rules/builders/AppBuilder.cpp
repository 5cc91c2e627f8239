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

using NodeQueue = std::deque<ParamNode>;

// Queues the child once per object reached through a link or a table group; false when
// the PDM failed to read them (the user has been told).
bool queueLinkedObjects(Model::ReferenceObject& owner, const std::shared_ptr<Model::ParameterGroup>& group,
                        ParamNode& child, NodeQueue& queue)
{
    const bool isLink = group->IsLinkGroup();
    const bool many = isLink ? group->IsLinkToMany() : group->IsTableOneToMany();
    try {
        if (many) {
            for (auto& linked : owner.GetObjects(group)) {
                child.object = linked;
                queue.push_back(child);
            }
        } else if (auto linked = owner.GetObject(group)) {
            child.object = std::move(linked);
            queue.push_back(child);
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
bool queueChildren(const ParamNode& node, NodeQueue& queue)
{
    const auto& reference = node.object->Reference();
    const auto ownGroup = reference->ParameterGroup();
    const auto groups = ownGroup ? ownGroup->GetAllGroups() : Model::ParameterGroupCollection{};
    const auto hierarchy = ownGroup ? ownGroup->HierarchyGroup() : nullptr;
    for (const auto& [key, subtree] : node.children) {
        ParamNode child = subtree;
        if (hierarchy && hierarchy->Guid().ToString() == key) {
            child.object = node.object;
            queue.push_back(std::move(child));
            continue;
        }
        const auto group = groups.Find(key);
        if (!group)
            continue;
        if (group->IsLinkGroup() || group->IsTableOneToMany() || group->IsTableOneToOne()) {
            if (!queueLinkedObjects(*node.object, group, child, queue))
                return false;
            continue;
        }
        child.object = node.object;
        queue.push_front(std::move(child));
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
    ParamNode root = BuildParamTree(rules.GetParams().at(dataset->first));
    if (!datasetObject)
        return false;
    root.object = datasetObject;
    NodeQueue queue{root};
    bool result = false;
    while (!queue.empty()) {
        const ParamNode node = std::move(queue.front());
        queue.pop_front();
        if (!node.object->Reference())
            return false;
        if (!queueChildren(node, queue))
            return false;
        try {
            if (FillData(node.object, dataset->first, dataset->second, node.params, rules.GetUploadFolder()))
                result = true;
        } catch (const std::exception& error) {
            ShowBuilderMessage(BuilderMessageKey::GettingReferenceObjectData, error);
            return false;
        }
    }
    return result;
}

} // namespace Vireo::Cam::Pdm
