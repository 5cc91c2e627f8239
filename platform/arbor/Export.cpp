// Writes a database in the seed format read by Seed.cpp.
#include "platform/arbor/Seed.h"

#include "platform/arbor/ClassTree.h"
#include "platform/arbor/Database.h"
#include "platform/arbor/ModelException.h"
#include "platform/arbor/ParameterGroup.h"
#include "platform/arbor/ParameterInfo.h"
#include "platform/arbor/ReferenceCatalog.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/Schema.h"
#include "platform/arbor/ServerConnection.h"
#include "platform/arbor/Unit.h"
#include "platform/support/Utf8.h"
#include "platform/xml/Document.h"

#include <fstream>
#include <map>
#include <vector>

namespace Vireo::Arbor::Model {
namespace {

using zkaux::xml::Node;
using Support::WideToUtf8;

std::string text(const System::Guid& guid) { return WideToUtf8(guid.ToString()); }

const char* typeName(ParameterValueType type)
{
    switch (type) {
    case ParameterValueType::Text: return "text";
    case ParameterValueType::Integer: return "int";
    case ParameterValueType::Double: return "double";
    case ParameterValueType::Boolean: return "bool";
    }
    return "text";
}

const char* hierarchyName(ReferenceHierarchyType type)
{
    switch (type) {
    case ReferenceHierarchyType::None: return "none";
    case ReferenceHierarchyType::Tree: return "tree";
    case ReferenceHierarchyType::Complex: return "complex";
    }
    return "none";
}

std::string valueText(const ObjectValue& value)
{
    if (const auto* flag = std::get_if<bool>(&value.Value()))
        return *flag ? "true" : "false";
    return WideToUtf8(value.ToString());
}

class Exporter {
public:
    Exporter(ServerConnection& connection, zkaux::xml::Document& document)
        : db_(connection.GetDatabase()), schema_(*connection.GetSchema()), connection_(connection), document_(document)
    {
    }

    void Run()
    {
        auto root = document_.SetRoot("Pdm");
        root.SetAttribute("server", WideToUtf8(connection_.StoredServerName()));
        root.SetAttribute("address", WideToUtf8(connection_.ConnectionParameters().GetServerAddress()));
        // Units first: parameters of any reference may name them.
        if (auto* units = schema_.ReferenceByGuid(Schema::UnitsReferenceGuid))
            writeUnits(root.AddChild("Units"), *units);
        for (auto* info : schema_.References())
            if (info->Guid() != Schema::UnitsReferenceGuid)
                writeReference(root.AddChild("Reference"), *info);
    }

private:
    void writeUnits(Node units, const ReferenceInfo& info)
    {
        auto query = db_.Prepare("SELECT guid FROM objects WHERE ref_id = ?1 ORDER BY id");
        query.Bind(1, static_cast<long long>(info.Id()));
        while (query.Step()) {
            const auto guid = query.Guid(0);
            auto unit = units.AddChild("Unit");
            unit.SetAttribute("guid", text(guid));
            for (const auto& [parameter, value] : objectValues(guid))
                unit.SetAttribute(parameter == Schema::UnitNameGuid ? "name" : "short", value);
        }
    }

    // (parameter GUID, value text) in the order the parameters were defined.
    std::vector<std::pair<System::Guid, std::string>> objectValues(const System::Guid& object)
    {
        std::map<long long, std::pair<System::Guid, std::string>> byParameter;
        auto query = db_.Prepare("SELECT v.param_id, v.value FROM vals v JOIN objects o ON o.id = v.object_id "
                                 "WHERE o.guid = ?1");
        query.Bind(1, object);
        while (query.Step())
            if (auto* parameter = schema_.ParameterById(query.Int(0)))
                byParameter[parameter->Id()] = {parameter->Guid(), valueText(query.Value(1, parameter->ValueType()))};
        std::vector<std::pair<System::Guid, std::string>> values;
        for (auto& [id, value] : byParameter)
            values.push_back(std::move(value));
        return values;
    }

    void writeReference(Node node, const ReferenceInfo& info)
    {
        node.SetAttribute("guid", text(info.Guid()));
        node.SetAttribute("name", WideToUtf8(info.Name()));
        if (info.HasHierarchy())
            node.SetAttribute("hierarchy", hierarchyName(info.HierarchyType()));
        auto description = info.Description();
        writeGroupContents(node, *description);
        writeClasses(node, *description->Classes(), nullptr);
        auto query = db_.Prepare("SELECT id, guid, class_id, ord FROM objects WHERE ref_id = ?1 AND owner_id IS NULL "
                                 "ORDER BY id");
        query.Bind(1, static_cast<long long>(info.Id()));
        while (query.Step())
            writeObject(node.AddChild("Object"), query);
    }

    void writeParameters(Node node, const ParameterGroup& group)
    {
        for (auto parameter : group.Parameters()) {
            auto element = node.AddChild("Parameter");
            element.SetAttribute("guid", text(parameter->Guid()));
            element.SetAttribute("name", WideToUtf8(parameter->Name()));
            element.SetAttribute("type", typeName(parameter->ValueType()));
            if (auto unit = parameter->Unit())
                element.SetAttribute("unit", text(unit->Guid()));
        }
    }

    // The parameters and the groups listed directly under a reference group or table.
    void writeGroupContents(Node node, const ParameterGroup& owner)
    {
        writeParameters(node, owner);
        for (auto group : owner.GetAllGroups()) {
            if (group.get() == &owner || group->ReferenceGroup().get() != owner.ReferenceGroup().get() ||
                !directlyUnder(*group, owner))
                continue;
            if (group->IsLinkGroup()) {
                auto link = node.AddChild("Link");
                link.SetAttribute("guid", text(group->Guid()));
                link.SetAttribute("name", WideToUtf8(group->Name()));
                link.SetAttribute("to", text(group->SlaveGroup()->Guid()));
                if (group->IsLinkToMany())
                    link.SetAttribute("many", "true");
            } else if (group->IsTable()) {
                auto table = node.AddChild("Table");
                table.SetAttribute("guid", text(group->Guid()));
                table.SetAttribute("name", WideToUtf8(group->Name()));
                if (group->IsTableOneToOne())
                    table.SetAttribute("many", "false");
                writeGroupContents(table, *group);
                writeClasses(table, *group->Classes(), nullptr);
            } else {
                auto plain = node.AddChild("Group");
                plain.SetAttribute("guid", text(group->Guid()));
                plain.SetAttribute("name", WideToUtf8(group->Name()));
                if (group->IsHierarchy())
                    plain.SetAttribute("kind", "hierarchy");
                writeParameters(plain, *group);
            }
        }
    }

    bool directlyUnder(const ParameterGroup& group, const ParameterGroup& owner)
    {
        auto query = db_.Prepare("SELECT owner_id FROM groups WHERE id = ?1");
        query.Bind(1, static_cast<long long>(group.Id()));
        return query.Step() && !query.IsNull(0) && query.Int(0) == owner.Id();
    }

    std::string guidList(const char* sql, long long id)
    {
        std::string list;
        auto query = db_.Prepare(sql);
        query.Bind(1, id);
        while (query.Step())
            list += (list.empty() ? "" : " ") + text(query.Guid(0));
        return list;
    }

    void writeClasses(Node node, const ClassTree& tree, const ClassObject* parent)
    {
        for (auto item : parent ? parent->Children() : tree.GetRootClasses()) {
            auto element = node.AddChild("Class");
            element.SetAttribute("guid", text(item->Guid()));
            element.SetAttribute("name", WideToUtf8(item->Name()));
            if (item->IsAbstract())
                element.SetAttribute("abstract", "true");
            const auto groups = guidList("SELECT g.guid FROM class_groups c JOIN groups g ON g.id = c.group_id "
                                         "WHERE c.class_id = ?1 ORDER BY c.position", item->Id());
            if (!groups.empty())
                element.SetAttribute("groups", groups);
            const auto children = guidList("SELECT k.guid FROM class_children c JOIN classes k ON k.id = c.child_id "
                                           "WHERE c.class_id = ?1 ORDER BY c.position", item->Id());
            if (!children.empty())
                element.SetAttribute("children", children);
            writeClasses(element, tree, item.get());
        }
    }

    void writeObject(Node node, Query& row)
    {
        const long long id = row.Int(0);
        node.SetAttribute("guid", text(row.Guid(1)));
        node.SetAttribute("class", text(schema_.ClassById(row.Int(2))->Guid()));
        if (!row.IsNull(3))
            node.SetAttribute("order", std::to_string(row.Int(3)));
        const auto parents = guidList("SELECT p.guid FROM hierarchy h JOIN objects p ON p.id = h.parent_id "
                                      "WHERE h.child_id = ?1 ORDER BY p.id", id);
        if (!parents.empty())
            node.SetAttribute("parents", parents);
        for (const auto& [parameter, value] : objectValues(row.Guid(1))) {
            auto element = node.AddChild("Value");
            element.SetAttribute("param", text(parameter));
            element.SetValue(value);
        }
        auto links = db_.Prepare("SELECT g.guid, o.guid FROM links l JOIN groups g ON g.id = l.group_id JOIN "
                                 "objects o ON o.id = l.slave_id WHERE l.master_id = ?1 ORDER BY g.id, l.position");
        links.Bind(1, id);
        while (links.Step()) {
            auto link = node.AddChild("Link");
            link.SetAttribute("group", text(links.Guid(0)));
            link.SetAttribute("object", text(links.Guid(1)));
        }
        auto rows = db_.Prepare("SELECT o.id, o.guid, o.class_id, o.ord, g.guid FROM objects o JOIN groups g ON "
                                "g.id = o.table_id WHERE o.owner_id = ?1 ORDER BY o.id");
        rows.Bind(1, id);
        while (rows.Step()) {
            auto element = node.AddChild("Row");
            element.SetAttribute("table", text(rows.Guid(4)));
            writeObject(element, rows);
        }
    }

    Database& db_;
    const Schema& schema_;
    ServerConnection& connection_;
    zkaux::xml::Document& document_;
};

} // namespace

std::string ExportToText(ServerConnection& connection)
{
    zkaux::xml::Document document;
    Exporter(connection, document).Run();
    return document.ToString();
}

void ExportToFile(ServerConnection& connection, const std::filesystem::path& file)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << ExportToText(connection);
    if (!out)
        throw ModelException("cannot write " + file.string());
}

} // namespace Vireo::Arbor::Model
