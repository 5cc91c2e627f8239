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

#include "platform/arbor/internal/SeedLoader.h"

#include "platform/arbor/ServerConnection.h"

#include <sstream>

namespace Vireo::Arbor::Model {
namespace internal {

SeedLoader::SeedLoader(Database& database, zkaux::xml::Document& document, std::string source)
    : db_(database), document_(document), source_(std::move(source))
{
}

void SeedLoader::Run()
{
    readExisting();
    auto root = document_.GetRoot();
    if (root.GetName() != "Pdm")
        fail(root, "the root element must be <Pdm>");
    for (const char* key : {"server", "address"})
        if (auto value = root.GetAttribute(key))
            db_.Prepare("INSERT INTO meta(key, value) VALUES(?1, ?2) ON CONFLICT(key) DO UPDATE SET value = excluded.value")
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
    refuseParentCycles();
}

void SeedLoader::fail(const Node& node, const std::string& what) const
{
    throw ModelException(source_ + ": line " + std::to_string(document_.LineOf(node)) + ": <" + node.GetName() +
                         ">: " + what);
}

void SeedLoader::unexpected(const Node& node, const Node& parent) const
{
    fail(node, "unexpected element in <" + parent.GetName() + ">");
}

std::string SeedLoader::required(const Node& node, const char* name) const
{
    auto value = node.GetAttribute(name);
    if (!value)
        fail(node, std::string("missing attribute \"") + name + "\"");
    return *value;
}

System::Guid SeedLoader::guidOf(const Node& node, const std::string& text, const char* name) const
{
    auto guid = System::Guid::TryParse(wide(text));
    if (!guid)
        fail(node, std::string("attribute \"") + name + "\" is not a GUID: \"" + text + "\"");
    return *guid;
}

System::Guid SeedLoader::guidAttribute(const Node& node, const char* name) const
{
    return guidOf(node, required(node, name), name);
}

std::vector<System::Guid> SeedLoader::guidList(const Node& node, const char* name) const
{
    std::vector<System::Guid> guids;
    std::istringstream words(node.GetAttribute(name).value_or(""));
    for (std::string word; words >> word;)
        guids.push_back(guidOf(node, word, name));
    return guids;
}

bool SeedLoader::flag(const Node& node, const char* name, bool fallback) const
{
    auto value = node.GetAttribute(name);
    if (!value)
        return fallback;
    if (*value != "true" && *value != "false")
        fail(node, std::string("attribute \"") + name + "\" must be true or false, not \"" + *value + "\"");
    return *value == "true";
}

void SeedLoader::claim(const Node& node, const System::Guid& guid)
{
    if (!used_.insert(guid).second)
        fail(node, "GUID " + Support::WideToUtf8(guid.ToString()) + " is used twice");
}

void SeedLoader::readExisting()
{
    // Owners come before the groups listed under them.
    auto groups = db_.Prepare("SELECT id, guid, kind, owner_id, slave_id, hierarchy FROM groups ORDER BY id");
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
        if (kind == GroupKind::Reference) {
            existingReferences_.insert(groups.Guid(1));
            // Objects a later file adds pass the same hierarchy checks as the first file's.
            hierarchies_[id] = static_cast<ReferenceHierarchyType>(groups.Int(5));
        }
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

} // namespace internal

namespace {

void seed(ServerConnection& connection, zkaux::xml::Document& document, const std::string& source)
{
    {
        Database::Transaction transaction(connection.GetDatabase());
        internal::SeedLoader(connection.GetDatabase(), document, source).Run();
        transaction.Commit();
    }
    connection.ReloadSchema();
}

// A seed that is no well-formed XML, or a file that cannot be read (which has no line).
[[noreturn]] void refuseText(const std::string& source, const zkaux::xml::Document& document)
{
    if (document.GetErrorLine() == 0)
        throw ModelException(source + ": " + document.GetError());
    throw ModelException(source + ": line " + std::to_string(document.GetErrorLine()) + ": " + document.GetError());
}

} // namespace

void SeedFromFile(ServerConnection& connection, const std::filesystem::path& file)
{
    zkaux::xml::Document document;
    if (!document.LoadCheckedFile(file))
        refuseText(file.string(), document);
    seed(connection, document, file.string());
}

void SeedFromText(ServerConnection& connection, std::string_view xmlText, std::string_view sourceName)
{
    zkaux::xml::Document document;
    if (!document.LoadCheckedXml(xmlText))
        refuseText(std::string(sourceName), document);
    seed(connection, document, std::string(sourceName));
}

} // namespace Vireo::Arbor::Model
