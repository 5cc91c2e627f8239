// Seed files: objects with their values, table rows, links and parents.

#include "platform/arbor/internal/SeedLoader.h"

#include <cmath>
#include <variant>

#include "platform/arbor/ObjectValue.h"

namespace Vireo::Arbor::Model::internal {

long long SeedLoader::insertObject(const Node& node, const System::Guid& guid, long long reference, long long objectClass,
                       long long owner, long long table, std::optional<long long> order)
{
    claim(node, guid);
    auto query = db_.PrepareInsert(
        "INSERT INTO objects(guid, ref_id, class_id, owner_id, table_id, ord) VALUES(?1, ?2, ?3, ?4, ?5, ?6)");
    query.Bind(1, guid).Bind(2, reference).Bind(3, objectClass);
    if (owner)
        query.Bind(4, owner).Bind(5, table);
    else
        query.BindNull(4).BindNull(5);
    if (order)
        query.Bind(6, *order);
    else
        query.BindNull(6);
    const long long id = query.RunForId();
    objects_[guid] = {id, reference};
    return id;
}

void SeedLoader::setValue(const Node& node, long long object, long long scope, const System::Guid& parameter,
              const std::string& text)
{
    auto found = parameters_.find({scope, parameter});
    if (found == parameters_.end())
        fail(node, "no parameter " + Support::WideToUtf8(parameter.ToString()) + " for this object");
    // A text value is taken as it is: converting would copy a value of many megabytes again.
    ObjectValue read(wide(text));
    auto value = found->second.type == ParameterValueType::Text ? std::optional<ObjectValue>(std::move(read))
                                                                 : read.ConvertTo(found->second.type);
    if (!value)
        fail(node, "\"" + text + "\" is no value of the parameter's type");
    if (const auto* number = std::get_if<double>(&value->Value()); number && !std::isfinite(*number))
        fail(node, "\"" + text + "\" is not a finite number");
    db_.Prepare("INSERT INTO vals(object_id, param_id, value) VALUES(?1, ?2, ?3) "
                        "ON CONFLICT(object_id, param_id) DO UPDATE SET value = excluded.value")
        .Bind(1, object)
        .Bind(2, found->second.id)
        .Bind(3, *value)
        .Run();
}

std::optional<long long> SeedLoader::orderOf(const Node& node) const
{
    auto text = node.GetAttribute("order");
    if (!text)
        return std::nullopt;
    try {
        return ObjectValue(wide(*text)).ToInt32();
    } catch (const ModelException&) {
        fail(node, "attribute \"order\" is not an integer: \"" + *text + "\"");
    }
}

long long SeedLoader::classFor(const Node& node, long long group) const
{
    const auto guid = guidAttribute(node, "class");
    auto found = classes_.find(guid);
    if (found == classes_.end() || found->second.group != group)
        fail(node, "attribute \"class\" names no class of this reference or table: " +
                       Support::WideToUtf8(guid.ToString()));
    if (found->second.abstract)
        fail(node, "class " + Support::WideToUtf8(guid.ToString()) + " is abstract");
    return found->second.id;
}

System::Guid SeedLoader::objectGuid(const Node& node) const
{
    return node.GetAttribute("guid") ? guidAttribute(node, "guid") : System::Guid::NewGuid();
}

void SeedLoader::readObject(const Node& node, long long reference)
{
    const long long id = insertObject(node, objectGuid(node), reference, classFor(node, reference), 0, 0, orderOf(node));
    readContents(node, id, reference, reference);
    const auto parents = guidList(node, "parents");
    if (parents.empty())
        return;
    const auto hierarchy = hierarchies_.count(reference) ? hierarchies_.at(reference) : ReferenceHierarchyType::Complex;
    if (hierarchy == ReferenceHierarchyType::None)
        fail(node, "the reference has no hierarchy, so objects have no parents");
    if (hierarchy == ReferenceHierarchyType::Tree && parents.size() > 1)
        fail(node, "in a tree hierarchy an object has one parent");
    deferred_.push_back([this, node, id, reference, parents] { resolveParents(node, id, reference, parents); });
    parented_.emplace(id, node);
}

void SeedLoader::resolveParents(const Node& node, long long child, long long reference, const std::vector<System::Guid>& parents)
{
    for (const auto& guid : parents) {
        auto found = objects_.find(guid);
        if (found == objects_.end() || found->second.reference != reference)
            fail(node, "attribute \"parents\" names no object of this reference: " +
                           Support::WideToUtf8(guid.ToString()));
        db_.Prepare("INSERT INTO hierarchy(parent_id, child_id, position) VALUES(?1, ?2, "
                    "(SELECT COALESCE(MAX(position), 0) + 1 FROM hierarchy WHERE parent_id = ?1)) ON CONFLICT DO NOTHING")
            .Bind(1, found->second.id).Bind(2, child).Run();
    }
}

void SeedLoader::readContents(const Node& node, long long object, long long reference, long long scope)
{
    for (auto child : node.GetChildren()) {
        const auto name = child.GetName();
        if (name == "Value") {
            if (!child.GetChildren().empty())
                fail(child.GetChildren().front(), "a value holds text only, not elements");
            setValue(child, object, scope, guidAttribute(child, "param"), child.GetValue());
        }
        else if (name == "Link")
            readObjectLink(child, object, reference);
        else if (name == "Row")
            readRow(child, object, reference);
        else
            unexpected(child, node);
    }
}

void SeedLoader::readRow(const Node& node, long long owner, long long reference)
{
    const auto tableGuid = guidAttribute(node, "table");
    auto table = groups_.find(tableGuid);
    if (table == groups_.end() || table->second.reference != reference ||
        (table->second.kind != GroupKind::TableOneToMany && table->second.kind != GroupKind::TableOneToOne))
        fail(node, "attribute \"table\" names no table of this reference: " + Support::WideToUtf8(tableGuid.ToString()));
    const long long tableId = table->second.id;
    if (table->second.kind == GroupKind::TableOneToOne && !oneToOneRows_.emplace(owner, tableId).second)
        fail(node, "a one-to-one table holds one row per object");
    const long long id = insertObject(node, objectGuid(node), reference, classFor(node, tableId), owner, tableId,
                                      orderOf(node));
    readContents(node, id, reference, tableId);
}

void SeedLoader::readObjectLink(const Node& node, long long object, long long reference)
{
    const auto groupGuid = guidAttribute(node, "group");
    auto group = groups_.find(groupGuid);
    if (group == groups_.end() || group->second.reference != reference ||
        (group->second.kind != GroupKind::LinkToOne && group->second.kind != GroupKind::LinkToMany))
        fail(node, "attribute \"group\" names no link group of this reference: " +
                       Support::WideToUtf8(groupGuid.ToString()));
    const auto target = guidAttribute(node, "object");
    const long long link = group->second.id;
    deferred_.push_back([this, node, object, link, target] { resolveObjectLink(node, object, *groupsById_.at(link), target); });
}

void SeedLoader::resolveObjectLink(const Node& node, long long object, const GroupRow& link, const System::Guid& target)
{
    auto found = objects_.find(target);
    if (found == objects_.end() || found->second.reference != link.slave)
        fail(node, "attribute \"object\" names no object of the linked reference: " +
                       Support::WideToUtf8(target.ToString()));
    if (link.kind == GroupKind::LinkToOne)
        db_.Prepare("DELETE FROM links WHERE master_id = ?1 AND group_id = ?2").Bind(1, object).Bind(2, link.id).Run();
    db_.Prepare("INSERT INTO links(master_id, group_id, slave_id, position) VALUES(?1, ?2, ?3, "
                "(SELECT COALESCE(MAX(position), 0) + 1 FROM links WHERE master_id = ?1 AND group_id = ?2)) ON CONFLICT DO NOTHING")
        .Bind(1, object).Bind(2, link.id).Bind(3, found->second.id).Run();
}

void SeedLoader::refuseParentCycles() const
{
    if (parented_.empty())
        return;
    // Every cycle runs through a parent named here: the database held none before.
    std::unordered_map<long long, std::vector<long long>> parentsOf;
    auto edges = db_.Prepare("SELECT child_id, parent_id FROM hierarchy");
    while (edges.Step())
        parentsOf[edges.Int(0)].push_back(edges.Int(1));
    enum class Visit { OnPath, Done };
    std::unordered_map<long long, Visit> seen;
    for (const auto& [start, startNode] : parented_) {
        if (seen.count(start))
            continue;
        // Depth-first up the parents with an explicit stack: hierarchies may be deep.
        std::vector<std::pair<long long, std::size_t>> path{{start, 0}};
        seen[start] = Visit::OnPath;
        while (!path.empty()) {
            auto& [object, next] = path.back();
            const auto& parents = parentsOf[object];
            if (next == parents.size()) {
                seen[object] = Visit::Done;
                path.pop_back();
                continue;
            }
            const long long parent = parents[next++];
            const auto known = seen.find(parent);
            if (known == seen.end()) {
                seen[parent] = Visit::OnPath;
                path.emplace_back(parent, 0);
            } else if (known->second == Visit::OnPath) {
                // The cycle is the path from `parent` up to here.
                for (auto step = path.rbegin(); step != path.rend(); ++step) {
                    if (const auto named = parented_.find(step->first); named != parented_.end())
                        fail(named->second, "the object is among its own ancestors: its parents lead back to it");
                    if (step->first == parent)
                        break;
                }
            }
        }
    }
}

} // namespace Vireo::Arbor::Model::internal
