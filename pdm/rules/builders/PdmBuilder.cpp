#include "pdm/rules/PdmBuilder.h"

#include "pdm/rules/BuilderMessage.h"
#include "pdm/rules/internal/ClassResolution.h"
#include "pdm/rules/ConnectedCatalog.h"
#include "pdm/rules/RuleParameterGuid.h"
#include "pdm/rules/RuleTag.h"

#include "platform/arbor/Model.h"
#include "platform/support/Utf16Order.h"

#include <functional>
#include <set>
#include <stdexcept>
#include <string>

namespace Vireo::Cam::Pdm {

using internal::ClassAndRule;
using internal::findClassAndRuleForParent;
using internal::findClassAndRuleForUpdate;
using internal::getClassObject;
using internal::makeDatasetObject;
namespace {

namespace Model = Vireo::Arbor::Model;
using GroupHandle = std::shared_ptr<Model::ParameterGroup>;

// A plain group or a one-to-one table holds values of the node's own object; so does the
// reference's hierarchy group.
bool isSameObjectGroup(const std::wstring& key, const Model::ParameterGroupCollection& groups,
                       const GroupHandle& hierarchy)
{
    if (hierarchy && hierarchy->Guid().ToString() == key)
        return true;
    auto group = groups.Find(std::wstring_view(key));
    return group && !group->IsLinkGroup() && !group->IsTableOneToMany();
}

std::shared_ptr<Model::ReferenceInfo> linkedReferenceInfo(const Model::ParameterGroup& group)
{
    auto slave = group.SlaveGroup();
    auto linked = slave ? slave->ReferenceGroup() : nullptr;
    return linked ? linked->ReferenceInfo() : nullptr;
}

bool setTypeTag(Model::ReferenceObject& root, const Types& row)
{
    try {
        if (root.ParameterValues().TrySetValue(RuleParameterGuid(row.plmTag), Model::ObjectValue(row.plmTagValue)))
            return true;
        ShowBuilderMessage(BuilderMessageKey::SettingTypePlmTag);
    } catch (const std::exception& error) {
        ShowBuilderMessage(BuilderMessageKey::SettingTypePlmTag, error);
    }
    return false;
}

// (tag, value) pairs of a table's parameter rows, ordered by their 16-bit code units.
struct TagLess {
    bool operator()(const std::pair<std::wstring, std::wstring>& a,
                    const std::pair<std::wstring, std::wstring>& b) const noexcept
    {
        const int byTag = Support::CompareUtf16(a.first, b.first);
        return byTag != 0 ? byTag < 0 : Support::CompareUtf16(a.second, b.second) < 0;
    }
};
using TagSet = std::set<std::pair<std::wstring, std::wstring>, TagLess>;

TagSet wantedTags(const ParamNode& node)
{
    TagSet tags;
    for (const auto& row : node.params)
        tags.emplace(row.plmTag, row.plmTagValue);
    return tags;
}

// Removes the first tagged pair whose value the row holds; true when one was removed.
bool removeFirstMatch(TagSet& tags, Model::ReferenceObject& row)
{
    for (auto tag = tags.begin(); tag != tags.end(); ++tag) {
        if (tag->first.empty())
            continue;
        if (HoldsRuleTagOrThrow(row, tag->first, tag->second)) {
            tags.erase(tag);
            return true;
        }
    }
    return false;
}

// Untagged pairs take the rows no tagged pair claimed, in order: an empty tag can never be
// found on a row, and without this every update would add another row.
void removeUntaggedReused(TagSet& tags, std::size_t unclaimedRows)
{
    for (auto tag = tags.begin(); tag != tags.end() && unclaimedRows > 0;) {
        if (!tag->first.empty()) {
            ++tag;
            continue;
        }
        tag = tags.erase(tag);
        --unclaimedRows;
    }
}

std::wstring missingUpdateText(int objectId, int referenceId)
{
    return L"The linked PDM object (reference " + std::to_wstring(referenceId) + L", object " +
           std::to_wstring(objectId) + L") does not exist.";
}

ParamNode withObject(const ParamNode& node, PdmObject object)
{
    ParamNode copy = node;
    copy.object = std::move(object);
    return copy;
}

} // namespace

PdmBuilder::PdmBuilder(const System::Guid& referenceGuid)
{
    if (auto catalog = ConnectedCatalog())
        referenceInfo = catalog->Find(referenceGuid);
}

PdmBuilder::PdmBuilder(int referenceId)
{
    if (auto catalog = ConnectedCatalog())
        referenceInfo = catalog->Find(referenceId);
}

PdmBuilder::PdmBuilder(int objectId, int referenceId) : requestedUpdate(std::pair{objectId, referenceId})
{
    try {
        auto catalog = ConnectedCatalog();
        auto info = catalog ? catalog->Find(referenceId) : nullptr;
        auto reference = info ? info->CreateReference() : nullptr;
        if (reference)
            updateDatasetObject = reference->Find(objectId);
    } catch (const std::exception& error) {
        updateLookupError = error.what();
    }
}

PdmBuilder::~PdmBuilder() = default;

bool PdmBuilder::reportMissingUpdateObject() const
{
    if (!requestedUpdate || updateDatasetObject)
        return false;
    if (updateLookupError) {
        ShowBuilderMessage(BuilderMessageKey::GettingReferenceObjectData, std::runtime_error(*updateLookupError));
        return true;
    }
    // Creating a new object in its place would leave a duplicate on every repeat.
    ShowBuilderMessage(BuilderMessageKey::GettingReferenceObjectData,
                       missingUpdateText(requestedUpdate->first, requestedUpdate->second));
    return true;
}

bool PdmBuilder::ProcessRules(const IntegrationRules& rules)
{
    if (reportMissingUpdateObject())
        return false;
    const auto choice = updateDatasetObject ? findClassAndRuleForUpdate(updateDatasetObject, rules)
                                            : findClassAndRuleForParent(parentDatasetObject, rules);
    if (!choice)
        return false;
    // A copy of the rule set's tree, built once: each run hangs its own objects on it.
    ParamNode root = rules.GetParamTree(choice->params->first);
    root.object = openRoot(*choice);
    if (!root.object)
        return false;

    Run run{choice->types->first, choice->types->second, rules.GetUploadFolder(), {}, {}, {}};
    run.queue.push_back({std::move(root), std::nullopt});
    while (!run.queue.empty()) {
        QueueItem item = std::move(run.queue.front());
        run.queue.pop_front();
        const Step step = visit(run, std::move(item));
        if (step != Step::Continue)
            return step == Step::Done;
    }
    return applyChangingLinks(run.links) && applyChangingObjects(run.objects);
}

PdmObject PdmBuilder::openRoot(const ClassAndRule& choice)
{
    auto catalog = ConnectedCatalog();
    auto info = catalog ? catalog->Find(std::wstring_view(choice.referenceGuid)) : nullptr;
    if (!info || !info->Classes())
        return nullptr;
    const auto classGuid = System::Guid::TryParse(choice.row.plmType);
    auto objectClass = classGuid ? info->Classes()->Find(*classGuid) : nullptr;
    if (!objectClass)
        return nullptr;
    if (updateDatasetObject) {
        updateDatasetObject->BeginChanges();
        return updateDatasetObject;
    }
    auto root = makeDatasetObject(info, objectClass, parentDatasetObject);
    if (!root || (!choice.row.plmTag.empty() && !setTypeTag(*root, choice.row)))
        return nullptr;
    return root;
}

PdmBuilder::Step PdmBuilder::visit(Run& run, QueueItem item)
{
    ParamNode& node = item.node;
    const auto& reference = node.object->Reference();
    if (!reference || !reference->ParameterGroup())
        return Step::Failed;
    const auto filled = fillSameObjectGroups(run, node);
    if (!filled)
        return Step::Failed;
    if (*filled && creationTry)
        return Step::Done;
    if (*filled && item.link) {
        run.links.push_back(std::move(*item.link));
    } else if (*filled || !node.object->IsNew()) {
        // An existing object is saved when it changed, which may be only by a new link below.
        run.objects.push_back(node.object);
    } else {
        // Nothing would be written to it, so neither it nor anything below it is made.
        return Step::Continue;
    }
    return queueOtherObjects(run, node) ? Step::Continue : Step::Failed;
}

std::optional<bool> PdmBuilder::fillSameObjectGroups(Run& run, ParamNode& node)
{
    const auto referenceGroup = node.object->Reference()->ParameterGroup();
    const auto groups = referenceGroup->GetAllGroups();
    const auto hierarchy = referenceGroup->HierarchyGroup();
    // Groups below a same-object group hold values of the same object as well.
    const std::function<bool(ParamNode&)> fillChildren = [&](ParamNode& parent) {
        bool filled = false;
        for (auto& [key, child] : parent.children) {
            if (!isSameObjectGroup(key, groups, hierarchy))
                continue;
            child.object = node.object;
            if (FillData(node.object, run.dataset, run.types, child.params, run.uploadFolder))
                filled = true;
            if (fillChildren(child))
                filled = true;
        }
        return filled;
    };
    try {
        bool filled = fillChildren(node);
        if (FillData(node.object, run.dataset, run.types, node.params, run.uploadFolder))
            filled = true;
        return filled;
    } catch (const std::exception& error) {
        ShowBuilderMessage(BuilderMessageKey::GettingReferenceObjectData, error);
        return std::nullopt;
    }
}

bool PdmBuilder::queueOtherObjects(Run& run, ParamNode& node)
{
    const auto referenceGroup = node.object->Reference()->ParameterGroup();
    const auto groups = referenceGroup->GetAllGroups();
    const auto hierarchy = referenceGroup->HierarchyGroup();
    for (auto& [key, child] : node.children) {
        auto group = groups.Find(std::wstring_view(key));
        bool queued = true;
        if (group && group->IsLinkGroup())
            queued = queueLinked(run, node, child, group);
        else if (group && group->IsTableOneToMany())
            queued = queueTableRows(run, node, child, group);
        else if (group && group->IsTableOneToOne())
            queued = queueTableRow(run, node, child, group);
        else if (isSameObjectGroup(key, groups, hierarchy))
            queued = queueOtherObjects(run, child); // links and tables below a group of this object
        if (!queued)
            return false;
    }
    return true;
}

bool PdmBuilder::queueLinked(Run& run, const ParamNode& node, ParamNode child, const GroupHandle& group)
{
    PdmObject linked;
    if (updateDatasetObject) {
        try {
            if (group->IsLinkToMany()) {
                auto objects = node.object->GetObjects(group);
                linked = objects.empty() ? nullptr : objects.front();
            } else {
                linked = node.object->GetObject(group);
            }
        } catch (const std::exception& error) {
            ShowBuilderMessage(BuilderMessageKey::GettingReferenceLinkObject, error);
            return false;
        }
    }
    if (linked) {
        run.queue.push_back({withObject(child, linked), std::nullopt});
        linked->BeginChanges();
        return true;
    }
    try {
        auto objectClass = getClassObject(group, child);
        if (!objectClass)
            return true;
        linked = makeDatasetObject(linkedReferenceInfo(*group), objectClass, nullptr);
    } catch (const std::exception& error) {
        ShowBuilderMessage(BuilderMessageKey::CreatingReferenceLinkObject, error);
        return false;
    }
    if (!linked) {
        ShowBuilderMessage(BuilderMessageKey::CreatingReferenceLinkObject);
        return false;
    }
    run.queue.push_back({withObject(child, linked), ObjectLink{node.object, linked, group}});
    return true;
}

bool PdmBuilder::queueTableRows(Run& run, const ParamNode& node, ParamNode child, const GroupHandle& group)
{
    try {
        TagSet missing = wantedTags(child);
        std::size_t unclaimed = 0;
        for (const auto& row : node.object->GetObjects(group)) {
            if (!removeFirstMatch(missing, *row))
                ++unclaimed;
            run.queue.push_back({withObject(child, row), std::nullopt});
            row->BeginChanges();
        }
        removeUntaggedReused(missing, unclaimed);
        if (missing.empty())
            return true;
        auto rowClass = getClassObject(group, child);
        if (!rowClass)
            return true;
        for (const auto& [tag, value] : missing) {
            auto row = node.object->CreateListObject(group, rowClass);
            if (!row) {
                ShowBuilderMessage(BuilderMessageKey::CreatingReferenceListObject);
                return false;
            }
            if (!tag.empty() && !row->ParameterValues().TrySetValue(RuleParameterGuid(tag), Model::ObjectValue(value)))
                continue;
            run.queue.push_back({withObject(child, row), std::nullopt});
        }
    } catch (const std::exception& error) {
        ShowBuilderMessage(BuilderMessageKey::GettingReferenceListObject, error);
        return false;
    }
    return true;
}

bool PdmBuilder::queueTableRow(Run& run, const ParamNode& node, ParamNode child, const GroupHandle& group)
{
    try {
        if (auto row = node.object->GetObject(group)) {
            run.queue.push_back({withObject(child, row), std::nullopt});
            row->BeginChanges();
            return true;
        }
        auto rowClass = getClassObject(group, child);
        if (!rowClass)
            return true;
        auto row = node.object->CreateListObject(group, rowClass);
        if (!row) {
            ShowBuilderMessage(BuilderMessageKey::CreatingReferenceListObject);
            return false;
        }
        run.queue.push_back({withObject(child, row), std::nullopt});
    } catch (const std::exception& error) {
        ShowBuilderMessage(BuilderMessageKey::GettingReferenceListObject, error);
        return false;
    }
    return true;
}

} // namespace Vireo::Cam::Pdm
