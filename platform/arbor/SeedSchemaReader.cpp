// Seed files: units, references, their parameters, groups, links, tables and classes.

#include "platform/arbor/internal/SeedLoader.h"

#include "platform/arbor/ParameterGroup.h"
#include "platform/arbor/ReferenceInfo.h"

namespace Vireo::Arbor::Model::internal {

long long SeedLoader::insertGroup(const Node& node, const System::Guid& guid, const std::wstring& name, GroupKind kind,
                      long long owner, long long scope, long long reference, int hierarchy)
{
    claim(node, guid);
    auto query = db_.PrepareInsert("INSERT INTO groups(guid, name, kind, owner_id, hierarchy, position) "
                                   "VALUES(?1, ?2, ?3, ?4, ?5, ?6)");
    query.Bind(1, guid).Bind(2, std::wstring_view(name)).Bind(3, static_cast<long long>(kind));
    if (owner)
        query.Bind(4, owner);
    else
        query.BindNull(4);
    query.Bind(5, static_cast<long long>(hierarchy)).Bind(6, ++position_);
    const long long id = query.RunForId();
    auto& row = groups_[guid] = {id, kind, scope ? scope : id, reference ? reference : id, owner, 0};
    groupsById_[id] = &row;
    return id;
}

void SeedLoader::readUnits(const Node& node)
{
    long long reference = 0;
    if (auto found = groups_.find(Schema::UnitsReferenceGuid); found != groups_.end()) {
        reference = found->second.id;
    } else {
        reference = insertGroup(node, Schema::UnitsReferenceGuid, L"Units", GroupKind::Reference, 0, 0, 0);
        insertParameter(node, reference, Schema::UnitNameGuid, L"Name", ParameterValueType::Text, nullptr);
        insertParameter(node, reference, Schema::UnitShortNameGuid, L"ShortName", ParameterValueType::Text, nullptr);
        insertClass(node, Schema::UnitClassGuid, L"Unit", reference, 0, false);
    }
    for (auto unit : node.GetChildren()) {
        if (unit.GetName() != "Unit")
            unexpected(unit, node);
        const auto guid = guidAttribute(unit, "guid");
        const long long object = insertObject(unit, guid, reference, classes_.at(Schema::UnitClassGuid).id, 0, 0, std::nullopt);
        setValue(unit, object, reference, Schema::UnitNameGuid, required(unit, "name"));
        setValue(unit, object, reference, Schema::UnitShortNameGuid, required(unit, "short"));
        units_.insert(guid);
    }
}

void SeedLoader::readReference(const Node& node)
{
    const auto guid = guidAttribute(node, "guid");
    long long reference = 0;
    const bool existing = existingReferences_.count(guid) != 0;
    if (existing) {
        reference = groups_.at(guid).id;
        if (groups_.at(guid).kind != GroupKind::Reference)
            fail(node, "GUID " + Support::WideToUtf8(guid.ToString()) + " is no reference");
    } else {
        const int hierarchy = static_cast<int>(choice<ReferenceHierarchyType>(
            node, "hierarchy", {{"none", ReferenceHierarchyType::None}, {"tree", ReferenceHierarchyType::Tree},
                                {"complex", ReferenceHierarchyType::Complex}}));
        reference = insertGroup(node, guid, wide(required(node, "name")), GroupKind::Reference, 0, 0, 0, hierarchy);
        hierarchies_[reference] = static_cast<ReferenceHierarchyType>(hierarchy);
    }
    for (auto child : node.GetChildren()) {
        const auto name = child.GetName();
        if (name == "Object") {
            readObject(child, reference);
            continue;
        }
        if (existing)
            fail(child, "the reference exists already: only objects may be added to it");
        if (name == "Parameter")
            readParameter(child, reference);
        else if (name == "Group")
            readGroup(child, reference, reference);
        else if (name == "Link")
            readLink(child, reference);
        else if (name == "Table")
            readTable(child, reference);
        else if (name == "Class")
            readClass(child, reference, 0);
        else
            unexpected(child, node);
    }
}

void SeedLoader::insertParameter(const Node& node, long long group, const System::Guid& guid, const std::wstring& name,
                     ParameterValueType type, const System::Guid* unit)
{
    const long long scope = groupsById_.at(group)->scope;
    if (parameters_.count({scope, guid}))
        fail(node, "parameter GUID " + Support::WideToUtf8(guid.ToString()) + " is used twice");
    auto query = db_.PrepareInsert("INSERT INTO parameters(guid, group_id, name, type, unit_guid, position) "
                                   "VALUES(?1, ?2, ?3, ?4, ?5, ?6)");
    query.Bind(1, guid).Bind(2, group).Bind(3, std::wstring_view(name)).Bind(4, static_cast<long long>(type));
    if (unit)
        query.Bind(5, *unit);
    else
        query.BindNull(5);
    query.Bind(6, ++position_);
    parameters_[{scope, guid}] = {query.RunForId(), type};
}

void SeedLoader::readParameter(const Node& node, long long group)
{
    const auto guid = guidAttribute(node, "guid");
    const auto type = choice<ParameterValueType>(node, "type",
                                                 {{"text", ParameterValueType::Text},
                                                  {"int", ParameterValueType::Integer},
                                                  {"double", ParameterValueType::Double},
                                                  {"bool", ParameterValueType::Boolean}});
    std::optional<System::Guid> unit;
    if (node.GetAttribute("unit")) {
        unit = guidAttribute(node, "unit");
        if (!units_.count(*unit))
            fail(node, "unknown unit " + Support::WideToUtf8(unit->ToString()));
    }
    insertParameter(node, group, guid, wide(required(node, "name")), type, unit ? &*unit : nullptr);
}

void SeedLoader::readGroup(const Node& node, long long owner, long long reference)
{
    const auto kind = choice<GroupKind>(node, "kind", {{"plain", GroupKind::Plain}, {"hierarchy", GroupKind::Hierarchy}});
    const long long scope = groupsById_.at(owner)->scope;
    const long long id = insertGroup(node, guidAttribute(node, "guid"), wide(required(node, "name")), kind, owner,
                                     scope, reference);
    for (auto child : node.GetChildren()) {
        if (child.GetName() != "Parameter")
            unexpected(child, node);
        readParameter(child, id);
    }
}

void SeedLoader::readLink(const Node& node, long long reference)
{
    const auto kind = flag(node, "many", false) ? GroupKind::LinkToMany : GroupKind::LinkToOne;
    const long long id = insertGroup(node, guidAttribute(node, "guid"), wide(required(node, "name")), kind,
                                     reference, reference, reference);
    const auto target = guidAttribute(node, "to");
    deferred_.push_back([this, node, id, target] { resolveLinkTarget(node, id, target); });
}

void SeedLoader::resolveLinkTarget(const Node& node, long long link, const System::Guid& target)
{
    auto found = groups_.find(target);
    if (found == groups_.end() || found->second.kind != GroupKind::Reference)
        fail(node, "attribute \"to\" names no reference: " + Support::WideToUtf8(target.ToString()));
    db_.Prepare("UPDATE groups SET slave_id = ?1 WHERE id = ?2").Bind(1, found->second.id).Bind(2, link).Run();
    groupsById_.at(link)->slave = found->second.id;
}

void SeedLoader::readTable(const Node& node, long long reference)
{
    const auto kind = flag(node, "many", true) ? GroupKind::TableOneToMany : GroupKind::TableOneToOne;
    const long long id = insertGroup(node, guidAttribute(node, "guid"), wide(required(node, "name")), kind,
                                     reference, 0, reference);
    for (auto child : node.GetChildren()) {
        if (child.GetName() == "Parameter")
            readParameter(child, id);
        else if (child.GetName() == "Group")
            readGroup(child, id, reference);
        else if (child.GetName() == "Class")
            readClass(child, id, 0);
        else
            unexpected(child, node);
    }
}

long long SeedLoader::insertClass(const Node& node, const System::Guid& guid, const std::wstring& name, long long group,
                      long long parent, bool abstract)
{
    claim(node, guid);
    auto query = db_.PrepareInsert("INSERT INTO classes(guid, group_id, parent_id, name, abstract, position) "
                                   "VALUES(?1, ?2, ?3, ?4, ?5, ?6)");
    query.Bind(1, guid).Bind(2, group);
    if (parent)
        query.Bind(3, parent);
    else
        query.BindNull(3);
    query.Bind(4, std::wstring_view(name)).Bind(5, abstract ? 1LL : 0LL).Bind(6, ++position_);
    const long long id = query.RunForId();
    classes_[guid] = {id, group, abstract};
    return id;
}

void SeedLoader::readClass(const Node& node, long long group, long long parent)
{
    const long long id = insertClass(node, guidAttribute(node, "guid"), wide(required(node, "name")), group, parent,
                                     flag(node, "abstract", false));
    const auto groups = guidList(node, "groups");
    const auto children = guidList(node, "children");
    deferred_.push_back([this, node, id, group, groups, children] { resolveClassLists(node, id, group, groups, children); });
    for (auto child : node.GetChildren()) {
        if (child.GetName() != "Class")
            unexpected(child, node);
        readClass(child, group, id);
    }
}

void SeedLoader::resolveClassLists(const Node& node, long long id, long long owner, const std::vector<System::Guid>& groups,
                       const std::vector<System::Guid>& children)
{
    long long position = 0;
    for (const auto& guid : groups) {
        auto found = groups_.find(guid);
        if (found == groups_.end() || !isUnder(found->second.id, owner))
            fail(node, "attribute \"groups\" names no group of this class's reference or table: " +
                           Support::WideToUtf8(guid.ToString()));
        db_.Prepare("INSERT INTO class_groups(class_id, group_id, position) VALUES(?1, ?2, ?3)")
            .Bind(1, id).Bind(2, found->second.id).Bind(3, ++position).Run();
    }
    position = 0;
    for (const auto& guid : children) {
        auto found = classes_.find(guid);
        if (found == classes_.end())
            fail(node, "attribute \"children\" names no class: " + Support::WideToUtf8(guid.ToString()));
        db_.Prepare("INSERT INTO class_children(class_id, child_id, position) VALUES(?1, ?2, ?3)")
            .Bind(1, id).Bind(2, found->second.id).Bind(3, ++position).Run();
    }
}

// Whether `group` is listed (directly or further down) under `owner`.
bool SeedLoader::isUnder(long long group, long long owner) const
{
    for (auto found = groupsById_.find(group); found != groupsById_.end() && found->second->owner != 0;
         found = groupsById_.find(found->second->owner))
        if (found->second->owner == owner)
            return true;
    return false;
}

} // namespace Vireo::Arbor::Model::internal
