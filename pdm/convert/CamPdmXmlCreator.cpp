#include "pdm/convert/CamPdmXmlCreator.h"

#include "pdm/convert/internal/CamPdmXml.h"
#include "pdm/rules/CamAppTypes.h"
#include "pdm/rules/ConnectedCatalog.h"
#include "pdm/rules/ParamNode.h"
#include "pdm/rules/SubObjectClass.h"

#include "platform/arbor/Model.h"
#include "platform/support/Utf8.h"
#include "platform/xml/Document.h"

#include <deque>
#include <optional>

namespace Vireo::Cam::Pdm {
namespace {

namespace Model = Vireo::Arbor::Model;
using NodeObject = CamPdmXmlCreator::NodeObject;
using ParamNode = CamPdmXmlCreator::ParamNode;
using GroupHandle = std::shared_ptr<Model::ParameterGroup>;

ParamNode toDescriptionTree(Pdm::ParamNode&& rows)
{
    ParamNode node;
    node.params = std::move(rows.params);
    for (auto& [key, child] : rows.children)
        node.children.emplace(key, toDescriptionTree(std::move(child)));
    return node;
}

// The class of a new linked object or table row is chosen as for objects written to the
// PDM: by the group keys the node's rows reach below it.
std::shared_ptr<Model::ClassObject> getClassObject(const GroupHandle& group, const ParamNode& node)
{
    Pdm::ParamNode keys;
    for (const auto& [key, child] : node.children)
        keys.children.emplace(key, Pdm::ParamNode{});
    return Pdm::getClassObject(group, keys);
}

std::shared_ptr<NodeObject> newObject(std::wstring referenceGuid, std::wstring classGuid)
{
    auto object = std::make_shared<NodeObject>();
    object->referenceGuid = std::move(referenceGuid);
    object->classGuid = std::move(classGuid);
    return object;
}

void markWithTag(NodeObject& object, const std::wstring& tag, const std::wstring& tagValue)
{
    if (!tag.empty())
        object.values.emplace_back(tag, CamPdmXmlCreator::Value(tagValue));
}

GroupHandle groupOf(const Model::ParameterGroupCollection& groups, const std::wstring& key)
{
    const auto guid = System::Guid::TryParse(key);
    return guid ? groups.Find(*guid) : nullptr;
}

bool fillsSameObject(const Model::ParameterGroup& group, const GroupHandle& hierarchy)
{
    return (hierarchy && group.Guid() == hierarchy->Guid()) || (!group.IsLinkGroup() && !group.IsTableOneToMany());
}

} // namespace

// A sub-object with the object it hangs under and the group that links them.
struct CamPdmXmlCreator::ObjectLink {
    std::shared_ptr<NodeObject> master;
    std::shared_ptr<NodeObject> slave;
    std::shared_ptr<Model::ParameterGroup> group;
};

// One type row of a dataset that can describe the CAM object.
struct CamPdmXmlCreator::Candidate {
    const AppDataset& dataset;
    const Types& row;
    const std::vector<Types>& types;
    const std::vector<Parameters>& params;
    const std::wstring& uploadFolder;
};

std::vector<CamPdmXmlCreator::Candidate> CamPdmXmlCreator::findClassAndRule(const IntegrationRules& rules)
{
    std::vector<Candidate> candidates;
    for (const auto& [dataset, types] : rules.GetTypes()) {
        const auto params = rules.GetParams().find(dataset);
        if (params == rules.GetParams().end() || params->second.empty())
            continue;
        for (const Types& row : types)
            if (!row.plmType.empty())
                candidates.push_back({dataset, row, types, params->second, rules.GetUploadFolder()});
    }
    return candidates;
}

CamPdmXmlCreator::CamPdmXmlCreator(CamObject object) : camObject(std::move(object)) {}

CamPdmXmlCreator::~CamPdmXmlCreator() = default;

AppFilter CamPdmXmlCreator::GetAppFilter() const
{
    return CamAppFilter(CamObjectAppTypes(camObject));
}

bool CamPdmXmlCreator::ProcessRules(const IntegrationRules& rules)
{
    if (!Model::ServerGateway::IsConnected())
        return false;
    bool result = false;
    for (const Candidate& candidate : findClassAndRule(rules)) {
        const Described described = describe(candidate);
        if (described == Described::Failed)
            return false;
        result = result || described == Described::Rendered;
    }
    if (result && recursive)
        CreateChildren();
    return result;
}

CamPdmXmlCreator::Described CamPdmXmlCreator::describe(const Candidate& candidate)
{
    const auto rootClass = internal::getClassObject(candidate.dataset.datasetGuid, candidate.row.plmType, L"");
    if (!rootClass || rootClass->IsAbstract())
        return Described::Left;
    ParamNode root = toDescriptionTree(BuildParamTree(candidate.params));
    root.object = newObject(candidate.dataset.datasetGuid, candidate.row.plmType);
    markWithTag(*root.object, candidate.row.plmTag, candidate.row.plmTagValue);

    const auto catalog = ConnectedCatalog();
    struct QueueItem {
        ParamNode* node;
        std::optional<ObjectLink> link;
    };
    std::deque<QueueItem> queue{{&root, std::nullopt}};
    for (; !queue.empty(); queue.pop_front()) {
        ParamNode& node = *queue.front().node;
        const auto& link = queue.front().link;
        const auto referenceKey = System::Guid::TryParse(node.object->referenceGuid);
        const auto info = catalog && referenceKey ? catalog->Find(*referenceKey) : nullptr;
        const auto reference = info ? info->CreateReference() : nullptr;
        const auto referenceGroup = reference ? reference->ParameterGroup() : nullptr;
        if (!referenceGroup)
            return Described::Failed;
        const auto groups = referenceGroup->GetAllGroups();
        const auto hierarchy = referenceGroup->HierarchyGroup();

        bool filled = false;
        for (const auto& [key, child] : node.children) {
            const auto group = groupOf(groups, key);
            if (group && fillsSameObject(*group, hierarchy) &&
                FillData(node.object, candidate.dataset, candidate.types, child.params, candidate.uploadFolder))
                filled = true;
        }
        if (FillData(node.object, candidate.dataset, candidate.types, node.params, candidate.uploadFolder))
            filled = true;
        if (node.object->values.empty())
            continue;
        if (link) {
            if (!link->slave->listGuid.empty() && !filled)
                continue;
            link->master->children.emplace_back(link->group->Guid().ToString(), link->slave);
        }
        for (auto& [key, child] : node.children) {
            const auto group = groupOf(groups, key);
            if (!group || !group->IsLinkGroup())
                continue;
            const auto linkedClass = getClassObject(group, child);
            const auto slave = group->SlaveGroup();
            if (!linkedClass || !slave)
                continue;
            child.object = newObject(slave->ReferenceInfo()->Guid().ToString(), linkedClass->Guid().ToString());
            queue.push_back({&child, ObjectLink{node.object, child.object, group}});
        }
        for (auto& [key, child] : node.children) {
            const auto group = groupOf(groups, key);
            if (!group || !group->IsTableOneToMany())
                continue;
            const auto rowClass = getClassObject(group, child);
            if (!rowClass || child.params.empty())
                continue;
            child.object = newObject(node.object->referenceGuid, rowClass->Guid().ToString());
            child.object->listGuid = key;
            markWithTag(*child.object, child.params.front().plmTag, child.params.front().plmTagValue);
            queue.push_back({&child, ObjectLink{node.object, child.object, group}});
        }
    }
    return internal::convertToXml(root.object, camObject, document) ? Described::Rendered : Described::Left;
}

std::wstring CamPdmXmlCreator::GetXmlValue() const
{
    if (!document)
        return {};
    try {
        const auto root = document->GetRoot();
        return root ? Support::Utf8ToWide(root.GetXml()) : std::wstring();
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace Vireo::Cam::Pdm
