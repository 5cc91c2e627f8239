// Seed files: a readable description of references and their objects.
//
//   <Pdm server="name" address="host:port">           both optional; name the server
//     <Units>                                          the units reference (fixed GUID)
//       <Unit guid="..." name="Millimetre" short="mm"/>
//     </Units>
//     <Reference guid="..." name="Tools" hierarchy="none|tree|complex">
//       <Parameter guid="..." name="Name" type="text|int|double|bool" unit="unit guid"/>
//       <Group guid="..." name="Sizes" kind="plain|hierarchy">  parameters of the same object
//         <Parameter .../>
//       </Group>
//       <Link guid="..." name="Holder" to="reference guid" many="false"/>
//       <Table guid="..." name="Items" many="true">            rows are objects of their own
//         <Parameter .../>
//         <Class guid="..." name="Item"/>
//       </Table>
//       <Class guid="..." name="Tool" abstract="true" groups="group guids" children="class guids">
//         <Class guid="..." name="Drill"/>                     sub-classes inherit the groups
//       </Class>
//       <Object guid="..." class="class guid" order="1" parents="object guids">
//         <Value param="parameter guid">text of the value</Value>
//         <Link group="link group guid" object="object guid"/>
//         <Row table="table guid" class="class guid" guid="..." order="1">
//           <Value param="...">...</Value>
//         </Row>
//       </Object>
//     </Reference>
//   </Pdm>
//
// Defaults: hierarchy "none", type "text", kind "plain", many "false" for links and "true"
// for tables, abstract "false". A class without groups (and without inherited ones) has
// every group of its reference or table. Object and row GUIDs may be left out (new ones
// are made). Links, parents and class lists may name things further down the file. A
// Reference whose GUID the database already holds may only add objects. Several files may
// be seeded one after the other into one database.

#include "platform/arbor/Seed.h"

#include "platform/arbor/Database.h"
#include "platform/arbor/ModelException.h"
#include "platform/arbor/ParameterGroup.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/Schema.h"
#include "platform/arbor/ServerConnection.h"
#include "platform/support/Utf8.h"
#include "platform/xml/Document.h"

#include <functional>
#include <map>
#include <sstream>
#include <unordered_map>
#include <unordered_set>

namespace Vireo::Arbor::Model {
namespace {

using zkaux::xml::Node;

struct GroupRow {
    long long id;
    GroupKind kind;
    long long scope; // the reference or table whose objects hold its parameters
    long long reference;
    long long owner = 0;
    long long slave = 0; // link groups: the linked reference
};

struct ClassRow {
    long long id;
    long long group;
    bool abstract;
};

struct ObjectRow {
    long long id;
    long long reference;
};

struct ParameterRow {
    long long id;
    ParameterValueType type;
};


class SeedLoader {
public:
    SeedLoader(Database& database, zkaux::xml::Document& document, std::string source)
        : db_(database), document_(document), source_(std::move(source))
    {
    }

    void Run()
    {
        readExisting();
        auto root = document_.GetRoot();
        if (root.GetName() != "Pdm")
            fail(root, "the root element must be <Pdm>");
        for (const char* key : {"server", "address"})
            if (auto value = root.GetAttribute(key))
                db_.Prepare("INSERT OR REPLACE INTO meta(key, value) VALUES(?1, ?2)")
                    .Bind(1, wide(std::string(key == std::string("server") ? "server_name" : "server_address")))
                    .Bind(2, wide(*value))
                    .Run();
        for (auto child : root.GetChildren()) {
            if (child.GetName() == "Units")
                readUnits(child);
            else if (child.GetName() == "Reference")
                readReference(child);
            else
                unexpected(child, root);
        }
        for (auto& step : deferred_)
            step();
    }

private:
    [[noreturn]] void fail(const Node& node, const std::string& what) const
    {
        throw ModelException(source_ + ": <" + node.GetName() + "> at line " + std::to_string(document_.LineOf(node)) +
                             ": " + what);
    }

    [[noreturn]] void unexpected(const Node& node, const Node& parent) const
    {
        fail(node, "unexpected element in <" + parent.GetName() + ">");
    }

    static std::wstring wide(const std::string& text) { return Support::Utf8ToWide(text); }

    std::string required(const Node& node, const char* name) const
    {
        auto value = node.GetAttribute(name);
        if (!value)
            fail(node, std::string("missing attribute \"") + name + "\"");
        return *value;
    }

    System::Guid guidOf(const Node& node, const std::string& text, const char* name) const
    {
        auto guid = System::Guid::TryParse(wide(text));
        if (!guid)
            fail(node, std::string("attribute \"") + name + "\" is not a GUID: \"" + text + "\"");
        return *guid;
    }

    System::Guid guidAttribute(const Node& node, const char* name) const
    {
        return guidOf(node, required(node, name), name);
    }

    std::vector<System::Guid> guidList(const Node& node, const char* name) const
    {
        std::vector<System::Guid> guids;
        std::istringstream words(node.GetAttribute(name).value_or(""));
        for (std::string word; words >> word;)
            guids.push_back(guidOf(node, word, name));
        return guids;
    }

    bool flag(const Node& node, const char* name, bool fallback) const
    {
        auto value = node.GetAttribute(name);
        if (!value)
            return fallback;
        if (*value != "true" && *value != "false")
            fail(node, std::string("attribute \"") + name + "\" must be true or false, not \"" + *value + "\"");
        return *value == "true";
    }

    template <class Enum>
    Enum choice(const Node& node, const char* name, std::initializer_list<std::pair<const char*, Enum>> options) const
    {
        const std::string value = node.GetAttribute(name).value_or(options.begin()->first);
        std::string allowed;
        for (const auto& [word, result] : options) {
            if (value == word)
                return result;
            allowed += allowed.empty() ? word : std::string(", ") + word;
        }
        fail(node, std::string("attribute \"") + name + "\" must be one of " + allowed + ", not \"" + value + "\"");
    }

    void claim(const Node& node, const System::Guid& guid)
    {
        if (!used_.insert(guid).second)
            fail(node, "GUID " + Support::WideToUtf8(guid.ToString()) + " is used twice");
    }

    void readExisting()
    {
        // Owners come before the groups listed under them.
        auto groups = db_.Prepare("SELECT id, guid, kind, owner_id, slave_id FROM groups ORDER BY id");
        while (groups.Step()) {
            const auto kind = static_cast<GroupKind>(groups.Int(2));
            const long long id = groups.Int(0);
            const long long owner = groups.IsNull(3) ? 0 : groups.Int(3);
            const auto* above = owner ? groupsById_.at(owner) : nullptr;
            const bool holdsObjects = !above || kind == GroupKind::TableOneToOne || kind == GroupKind::TableOneToMany;
            auto& row = groups_[groups.Guid(1)] = {id, kind, holdsObjects ? id : above->scope,
                                                   above ? above->reference : id, owner,
                                                   groups.IsNull(4) ? 0 : groups.Int(4)};
            groupsById_[id] = &row;
            used_.insert(groups.Guid(1));
            if (kind == GroupKind::Reference)
                existingReferences_.insert(groups.Guid(1));
        }
        auto parameters = db_.Prepare("SELECT id, guid, type, group_id FROM parameters");
        while (parameters.Step())
            parameters_[{groupsById_.at(parameters.Int(3))->scope, parameters.Guid(1)}] = {
                parameters.Int(0), static_cast<ParameterValueType>(parameters.Int(2))};
        auto classes = db_.Prepare("SELECT id, guid, group_id, abstract FROM classes");
        while (classes.Step()) {
            classes_[classes.Guid(1)] = {classes.Int(0), classes.Int(2), classes.Int(3) != 0};
            used_.insert(classes.Guid(1));
        }
        auto objects = db_.Prepare("SELECT id, guid, ref_id FROM objects");
        while (objects.Step()) {
            objects_[objects.Guid(1)] = {objects.Int(0), objects.Int(2)};
            used_.insert(objects.Guid(1));
        }
        auto units = db_.Prepare("SELECT o.guid FROM objects o JOIN groups g ON g.id = o.ref_id AND g.guid = ?1");
        units.Bind(1, Schema::UnitsReferenceGuid);
        while (units.Step())
            units_.insert(units.Guid(0));
        auto position = db_.Prepare("SELECT COALESCE(MAX(position), 0) FROM groups");
        position.Step();
        position_ = position.Int(0);
    }

    long long insertGroup(const Node& node, const System::Guid& guid, const std::wstring& name, GroupKind kind,
                          long long owner, long long scope, long long reference, int hierarchy = 0)
    {
        claim(node, guid);
        auto query = db_.Prepare("INSERT INTO groups(guid, name, kind, owner_id, hierarchy, position) "
                                 "VALUES(?1, ?2, ?3, ?4, ?5, ?6)");
        query.Bind(1, guid).Bind(2, std::wstring_view(name)).Bind(3, static_cast<long long>(kind));
        if (owner)
            query.Bind(4, owner);
        else
            query.BindNull(4);
        query.Bind(5, static_cast<long long>(hierarchy)).Bind(6, ++position_).Run();
        const long long id = db_.LastInsertId();
        auto& row = groups_[guid] = {id, kind, scope ? scope : id, reference ? reference : id, owner, 0};
        groupsById_[id] = &row;
        return id;
    }

    void readUnits(const Node& node)
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

    void readReference(const Node& node)
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

    void insertParameter(const Node& node, long long group, const System::Guid& guid, const std::wstring& name,
                         ParameterValueType type, const System::Guid* unit)
    {
        const long long scope = groupsById_.at(group)->scope;
        if (parameters_.count({scope, guid}))
            fail(node, "parameter GUID " + Support::WideToUtf8(guid.ToString()) + " is used twice");
        auto query = db_.Prepare("INSERT INTO parameters(guid, group_id, name, type, unit_guid, position) "
                                 "VALUES(?1, ?2, ?3, ?4, ?5, ?6)");
        query.Bind(1, guid).Bind(2, group).Bind(3, std::wstring_view(name)).Bind(4, static_cast<long long>(type));
        if (unit)
            query.Bind(5, *unit);
        else
            query.BindNull(5);
        query.Bind(6, ++position_).Run();
        parameters_[{scope, guid}] = {db_.LastInsertId(), type};
    }

    void readParameter(const Node& node, long long group)
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

    void readGroup(const Node& node, long long owner, long long reference)
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

    void readLink(const Node& node, long long reference)
    {
        const auto kind = flag(node, "many", false) ? GroupKind::LinkToMany : GroupKind::LinkToOne;
        const long long id = insertGroup(node, guidAttribute(node, "guid"), wide(required(node, "name")), kind,
                                         reference, reference, reference);
        const auto target = guidAttribute(node, "to");
        deferred_.push_back([this, node, id, target] { resolveLinkTarget(node, id, target); });
    }

    void resolveLinkTarget(const Node& node, long long link, const System::Guid& target)
    {
        auto found = groups_.find(target);
        if (found == groups_.end() || found->second.kind != GroupKind::Reference)
            fail(node, "attribute \"to\" names no reference: " + Support::WideToUtf8(target.ToString()));
        db_.Prepare("UPDATE groups SET slave_id = ?1 WHERE id = ?2").Bind(1, found->second.id).Bind(2, link).Run();
        groupsById_.at(link)->slave = found->second.id;
    }

    void readTable(const Node& node, long long reference)
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

    long long insertClass(const Node& node, const System::Guid& guid, const std::wstring& name, long long group,
                          long long parent, bool abstract)
    {
        claim(node, guid);
        auto query = db_.Prepare("INSERT INTO classes(guid, group_id, parent_id, name, abstract, position) "
                                 "VALUES(?1, ?2, ?3, ?4, ?5, ?6)");
        query.Bind(1, guid).Bind(2, group);
        if (parent)
            query.Bind(3, parent);
        else
            query.BindNull(3);
        query.Bind(4, std::wstring_view(name)).Bind(5, abstract ? 1LL : 0LL).Bind(6, ++position_).Run();
        const long long id = db_.LastInsertId();
        classes_[guid] = {id, group, abstract};
        return id;
    }

    void readClass(const Node& node, long long group, long long parent)
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

    void resolveClassLists(const Node& node, long long id, long long owner, const std::vector<System::Guid>& groups,
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
    bool isUnder(long long group, long long owner) const
    {
        for (auto found = groupsById_.find(group); found != groupsById_.end() && found->second->owner != 0;
             found = groupsById_.find(found->second->owner))
            if (found->second->owner == owner)
                return true;
        return false;
    }

    long long insertObject(const Node& node, const System::Guid& guid, long long reference, long long objectClass,
                           long long owner, long long table, std::optional<long long> order)
    {
        claim(node, guid);
        auto query = db_.Prepare(
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
        query.Run();
        const long long id = db_.LastInsertId();
        objects_[guid] = {id, reference};
        return id;
    }

    void setValue(const Node& node, long long object, long long scope, const System::Guid& parameter,
                  const std::string& text)
    {
        auto found = parameters_.find({scope, parameter});
        if (found == parameters_.end())
            fail(node, "no parameter " + Support::WideToUtf8(parameter.ToString()) + " for this object");
        auto value = ObjectValue(wide(text)).ConvertTo(found->second.type);
        if (!value)
            fail(node, "\"" + text + "\" is no value of the parameter's type");
        db_.Prepare("INSERT OR REPLACE INTO vals(object_id, param_id, value) VALUES(?1, ?2, ?3)")
            .Bind(1, object)
            .Bind(2, found->second.id)
            .Bind(3, *value)
            .Run();
    }

    std::optional<long long> orderOf(const Node& node) const
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

    long long classFor(const Node& node, long long group) const
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

    System::Guid objectGuid(const Node& node) const
    {
        return node.GetAttribute("guid") ? guidAttribute(node, "guid") : System::Guid::NewGuid();
    }

    void readObject(const Node& node, long long reference)
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
    }

    void resolveParents(const Node& node, long long child, long long reference, const std::vector<System::Guid>& parents)
    {
        for (const auto& guid : parents) {
            auto found = objects_.find(guid);
            if (found == objects_.end() || found->second.reference != reference)
                fail(node, "attribute \"parents\" names no object of this reference: " +
                               Support::WideToUtf8(guid.ToString()));
            db_.Prepare("INSERT OR IGNORE INTO hierarchy(parent_id, child_id, position) VALUES(?1, ?2, "
                        "(SELECT COALESCE(MAX(position), 0) + 1 FROM hierarchy WHERE parent_id = ?1))")
                .Bind(1, found->second.id).Bind(2, child).Run();
        }
    }

    void readContents(const Node& node, long long object, long long reference, long long scope)
    {
        for (auto child : node.GetChildren()) {
            const auto name = child.GetName();
            if (name == "Value")
                setValue(child, object, scope, guidAttribute(child, "param"), child.GetValue());
            else if (name == "Link")
                readObjectLink(child, object, reference);
            else if (name == "Row")
                readRow(child, object, reference);
            else
                unexpected(child, node);
        }
    }

    void readRow(const Node& node, long long owner, long long reference)
    {
        const auto tableGuid = guidAttribute(node, "table");
        auto table = groups_.find(tableGuid);
        if (table == groups_.end() || table->second.reference != reference ||
            (table->second.kind != GroupKind::TableOneToMany && table->second.kind != GroupKind::TableOneToOne))
            fail(node, "attribute \"table\" names no table of this reference: " + Support::WideToUtf8(tableGuid.ToString()));
        const long long tableId = table->second.id;
        const long long id = insertObject(node, objectGuid(node), reference, classFor(node, tableId), owner, tableId,
                                          orderOf(node));
        readContents(node, id, reference, tableId);
    }

    void readObjectLink(const Node& node, long long object, long long reference)
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

    void resolveObjectLink(const Node& node, long long object, const GroupRow& link, const System::Guid& target)
    {
        auto found = objects_.find(target);
        if (found == objects_.end() || found->second.reference != link.slave)
            fail(node, "attribute \"object\" names no object of the linked reference: " +
                           Support::WideToUtf8(target.ToString()));
        if (link.kind == GroupKind::LinkToOne)
            db_.Prepare("DELETE FROM links WHERE master_id = ?1 AND group_id = ?2").Bind(1, object).Bind(2, link.id).Run();
        db_.Prepare("INSERT OR IGNORE INTO links(master_id, group_id, slave_id, position) VALUES(?1, ?2, ?3, "
                    "(SELECT COALESCE(MAX(position), 0) + 1 FROM links WHERE master_id = ?1 AND group_id = ?2))")
            .Bind(1, object).Bind(2, link.id).Bind(3, found->second.id).Run();
    }

    Database& db_;
    zkaux::xml::Document& document_;
    std::string source_;
    long long position_ = 0;
    std::unordered_map<System::Guid, GroupRow> groups_;
    std::map<std::pair<long long, System::Guid>, ParameterRow> parameters_;
    std::unordered_map<System::Guid, ClassRow> classes_;
    std::unordered_map<System::Guid, ObjectRow> objects_;
    std::unordered_map<long long, ReferenceHierarchyType> hierarchies_;
    std::unordered_set<System::Guid> used_;
    std::unordered_set<System::Guid> existingReferences_;
    std::unordered_set<System::Guid> units_;
    std::vector<std::function<void()>> deferred_; // checks that need the whole file read
    std::unordered_map<long long, GroupRow*> groupsById_;
};

void seed(ServerConnection& connection, zkaux::xml::Document& document, const std::string& source)
{
    {
        Database::Transaction transaction(connection.GetDatabase());
        SeedLoader(connection.GetDatabase(), document, source).Run();
        transaction.Commit();
    }
    connection.ReloadSchema();
}

} // namespace

void SeedFromFile(ServerConnection& connection, const std::filesystem::path& file)
{
    zkaux::xml::Document document;
    if (!document.LoadFile(file))
        throw ModelException(file.string() + ": line " + std::to_string(document.GetErrorLine()) + ": " +
                             document.GetError());
    seed(connection, document, file.string());
}

void SeedFromText(ServerConnection& connection, std::string_view xmlText, std::string_view sourceName)
{
    zkaux::xml::Document document;
    if (!document.LoadXml(xmlText))
        throw ModelException(std::string(sourceName) + ": line " + std::to_string(document.GetErrorLine()) + ": " +
                             document.GetError());
    seed(connection, document, std::string(sourceName));
}

} // namespace Vireo::Arbor::Model
