#include "pdm/rules/internal/ClassResolution.h"
#include "pdm/rules/ConnectedCatalog.h"

#include "platform/arbor/Model.h"

#include <algorithm>
#include <limits>

namespace Vireo::Cam::Pdm::internal {
namespace {

namespace Model = Vireo::Arbor::Model;

std::vector<std::wstring> classTexts(const Model::ClassObjectCollection& classes, bool withoutAbstract)
{
    std::vector<std::wstring> texts;
    for (const auto& objectClass : classes)
        if (objectClass && !(withoutAbstract && objectClass->IsAbstract()))
            texts.push_back(objectClass->Guid().ToString());
    return texts;
}

std::pair<std::wstring, std::vector<std::wstring>> rootClassesOf(const Model::ReferenceInfo& info, bool withoutAbstract)
{
    auto tree = info.Classes();
    return {info.Guid().ToString(), tree ? classTexts(tree->GetRootClasses(), withoutAbstract)
                                         : std::vector<std::wstring>{}};
}

// The first row whose class is one of `classes`.
const Types* firstRowOfClass(const std::vector<Types>& rows, const std::vector<std::wstring>& classes)
{
    for (const auto& row : rows)
        if (std::find(classes.begin(), classes.end(), row.plmType) != classes.end())
            return &row;
    return nullptr;
}

const IntegrationRules::ParamsMap::value_type* paramsWithRows(const IntegrationRules& rules, const AppDataset& dataset)
{
    auto params = rules.GetParams().find(dataset);
    return params != rules.GetParams().end() && !params->second.empty() ? &*params : nullptr;
}

// `ownGroup` is the GUID text of the group every object of the candidates has whatever its
// class (a linked reference's own group); empty when there is none.
std::size_t coveredKeys(const Model::ClassObject& candidate, const std::vector<std::wstring>& keys,
                        const std::wstring& ownGroup)
{
    const auto groups = candidate.ParameterGroups();
    return static_cast<std::size_t>(std::count_if(keys.begin(), keys.end(), [&](const std::wstring& key) {
        return key == ownGroup || groups.Find(key) != nullptr;
    }));
}

// The first candidate that covers every key, else the first with the most keys above `floor`.
std::shared_ptr<Model::ClassObject> bestCovering(const std::vector<std::shared_ptr<Model::ClassObject>>& candidates,
                                                 const std::vector<std::wstring>& keys, long long floor,
                                                 const std::wstring& ownGroup = {})
{
    std::shared_ptr<Model::ClassObject> best;
    long long bestCount = floor;
    for (const auto& candidate : candidates) {
        const auto count = coveredKeys(*candidate, keys, ownGroup);
        if (count == keys.size())
            return candidate;
        if (static_cast<long long>(count) > bestCount) {
            bestCount = static_cast<long long>(count);
            best = candidate;
        }
    }
    return best;
}

std::vector<std::shared_ptr<Model::ClassObject>> concreteClasses(const Model::ClassObjectCollection& classes)
{
    std::vector<std::shared_ptr<Model::ClassObject>> result;
    for (const auto& objectClass : classes)
        if (objectClass && !objectClass->IsAbstract())
            result.push_back(objectClass);
    return result;
}

std::shared_ptr<Model::ParameterGroup> linkedReferenceGroup(const Model::ParameterGroup& group)
{
    auto slave = group.SlaveGroup();
    return slave ? slave->ReferenceGroup() : nullptr;
}

} // namespace

ClassListing getRootClasses(const std::wstring& referenceGuid, bool withoutAbstract)
{
    auto catalog = ConnectedCatalog();
    if (!catalog)
        return {};
    ClassListing listing;
    if (referenceGuid.empty()) {
        for (const auto& info : catalog->GetReferences())
            listing.push_back(rootClassesOf(*info, withoutAbstract));
        return listing;
    }
    if (auto info = catalog->Find(std::wstring_view(referenceGuid)))
        listing.push_back(rootClassesOf(*info, withoutAbstract));
    return listing;
}

ClassListing getChildClasses(const PdmObject& parent, bool withoutAbstract)
{
    if (!parent || !parent->Reference())
        return {};
    auto catalog = ConnectedCatalog();
    auto info = catalog ? catalog->Find(parent->Reference()->Id()) : nullptr;
    if (!info)
        return {};
    std::vector<std::wstring> classes;
    if (parent->Class())
        classes = classTexts(parent->Class()->ChildObjectClasses(), withoutAbstract);
    return {{info->Guid().ToString(), std::move(classes)}};
}

std::optional<ClassAndRule> findClassAndRuleForUpdate(const PdmObject& updateObject, const IntegrationRules& rules)
{
    if (!updateObject || !updateObject->Reference() || !updateObject->Class())
        return std::nullopt;
    auto group = updateObject->Reference()->ParameterGroup();
    auto referenceGroup = group ? group->ReferenceGroup() : nullptr;
    auto info = referenceGroup ? referenceGroup->ReferenceInfo() : nullptr;
    if (!info)
        return std::nullopt;
    const std::vector<std::wstring> classes{updateObject->Class()->Guid().ToString()};
    for (const auto& entry : rules.GetTypes()) {
        const Types* row = firstRowOfClass(entry.second, classes);
        if (!row)
            continue;
        if (const auto* params = paramsWithRows(rules, entry.first))
            return ClassAndRule{info->Guid().ToString(), *row, &entry, params};
    }
    return std::nullopt;
}

std::optional<ClassAndRule> findClassAndRuleForParent(const PdmObject& parent, const IntegrationRules& rules)
{
    ClassListing listing = getChildClasses(parent, true);
    for (const auto& entry : rules.GetTypes()) {
        if (!parent)
            listing = getRootClasses(entry.first.datasetGuid, true);
        for (const auto& [referenceGuid, classes] : listing) {
            const Types* row = firstRowOfClass(entry.second, classes);
            if (!row)
                continue;
            if (const auto* params = paramsWithRows(rules, entry.first))
                return ClassAndRule{referenceGuid, *row, &entry, params};
        }
    }
    return std::nullopt;
}

PdmObject makeDatasetObject(const std::shared_ptr<Model::ReferenceInfo>& reference,
                            const std::shared_ptr<Model::ClassObject>& objectClass, const PdmObject& parent)
{
    auto opened = reference ? reference->CreateReference() : nullptr;
    if (!opened)
        return nullptr;
    return parent ? opened->CreateReferenceObject(parent, objectClass) : opened->CreateReferenceObject(objectClass);
}

} // namespace Vireo::Cam::Pdm::internal

namespace Vireo::Cam::Pdm {

std::shared_ptr<Arbor::Model::ClassObject> getClassObject(const std::shared_ptr<Arbor::Model::ParameterGroup>& group,
                                                          const ParamNode& node)
{
    if (!group)
        return nullptr;
    std::vector<std::wstring> keys;
    for (const auto& [key, child] : node.children)
        if (!key.empty())
            keys.push_back(key);
    // A row of either kind of table is made like a row of a one-to-many table, so that the
    // values of a one-to-one table reach a new object too.
    if (group->IsTable()) {
        auto tree = group->Classes();
        return tree ? internal::bestCovering(internal::concreteClasses(tree->GetNotAbstractClasses()), keys, -1)
                    : nullptr;
    }
    if (group->IsLinkGroup()) {
        // Paths may name the linked reference's own group, which every class of it has.
        auto linked = internal::linkedReferenceGroup(*group);
        auto tree = linked ? linked->Classes() : nullptr;
        return tree ? internal::bestCovering(internal::concreteClasses(tree->GetRootClasses()), keys, 0,
                                             linked->Guid().ToString())
                    : nullptr;
    }
    return nullptr;
}

} // namespace Vireo::Cam::Pdm
