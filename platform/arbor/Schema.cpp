#include "platform/arbor/Schema.h"

#include "platform/arbor/Database.h"

#include <algorithm>
#include <functional>

namespace Vireo::Arbor::Model {

const System::Guid Schema::ClassParameterGuid = System::Guid::Parse(L"87f10f3f-81a2-4fa4-b23f-9b2a3935c67d");
const System::Guid Schema::UnitsReferenceGuid = System::Guid::Parse(L"871486a2-ba34-4551-ab31-76a47b3c1e61");
const System::Guid Schema::UnitNameGuid = System::Guid::Parse(L"dcfe5945-da0f-4cdd-bb9b-9eaf9cd0b101");
const System::Guid Schema::UnitShortNameGuid = System::Guid::Parse(L"6facef90-adb2-4793-96ee-d1b74f450271");
const System::Guid Schema::UnitClassGuid = System::Guid::Parse(L"0ad7b502-3918-46d0-9367-9ff043c79961");

namespace {

template <class Map>
auto findIn(const Map& map, long long id) -> typename Map::mapped_type
{
    auto it = map.find(id);
    return it == map.end() ? nullptr : it->second;
}

} // namespace

std::shared_ptr<Schema> Schema::Load(Database& database, std::weak_ptr<ServerConnection> connection)
{
    auto schema = std::make_shared<Schema>();
    schema->connection_ = std::move(connection);
    schema->readUnits(database);
    schema->readGroups(database);
    schema->readParameters(database);
    schema->readClasses(database);
    schema->addClassParameters();
    return schema;
}

ReferenceInfo* Schema::ReferenceById(long long id) const { return findIn(referencesById_, id); }
ParameterGroup* Schema::GroupById(long long id) const { return findIn(groupsById_, id); }
ParameterInfo* Schema::ParameterById(long long id) const { return findIn(parametersById_, id); }
ClassObject* Schema::ClassById(long long id) const { return findIn(classesById_, id); }

ReferenceInfo* Schema::ReferenceByGuid(const System::Guid& guid) const
{
    for (auto* info : references_)
        if (info->Guid() == guid)
            return info;
    return nullptr;
}

void Schema::readUnits(Database& database)
{
    auto query = database.Prepare(
        "SELECT o.guid, n.value, s.value FROM objects o JOIN groups r ON r.id = o.ref_id AND r.guid = ?1 "
        "LEFT JOIN parameters pn ON pn.group_id = r.id AND pn.guid = ?2 "
        "LEFT JOIN vals n ON n.object_id = o.id AND n.param_id = pn.id "
        "LEFT JOIN parameters ps ON ps.group_id = r.id AND ps.guid = ?3 "
        "LEFT JOIN vals s ON s.object_id = o.id AND s.param_id = ps.id ORDER BY o.id");
    query.Bind(1, UnitsReferenceGuid).Bind(2, UnitNameGuid).Bind(3, UnitShortNameGuid);
    while (query.Step()) {
        auto& unit = unitStore_.emplace_back(query.Guid(0), query.Text(1), query.Text(2));
        unitsByGuid_[unit.Guid()] = &unit;
    }
}

void Schema::readGroups(Database& database)
{
    struct Links {
        ParameterGroup* group;
        long long owner;
        long long slave;
    };
    std::vector<Links> links;
    auto query = database.Prepare(
        "SELECT id, guid, name, kind, owner_id, slave_id, hierarchy FROM groups ORDER BY position, id");
    while (query.Step()) {
        auto& group = groupStore_.emplace_back();
        group.schema_ = this;
        group.id_ = static_cast<int>(query.Int(0));
        group.guid_ = query.Guid(1);
        group.name_ = query.Text(2);
        group.kind_ = static_cast<GroupKind>(query.Int(3));
        groupsById_[group.id_] = &group;
        links.push_back({&group, query.IsNull(4) ? 0 : query.Int(4), query.IsNull(5) ? 0 : query.Int(5)});
        if (group.IsReference()) {
            auto& info = referenceStore_.emplace_back();
            info.schema_ = this;
            info.group_ = &group;
            info.hierarchy_ = static_cast<ReferenceHierarchyType>(query.Int(6));
            group.reference_ = &info;
            references_.push_back(&info);
            referencesById_[group.id_] = &info;
        }
        if (group.IsReference() || group.IsTable()) {
            auto& tree = treeStore_.emplace_back();
            tree.schema_ = this;
            group.classes_ = &tree;
        }
    }
    for (const auto& link : links) {
        link.group->owner_ = GroupById(link.owner);
        link.group->slave_ = GroupById(link.slave);
        if (link.group->owner_)
            link.group->owner_->groups_.push_back(link.group);
    }
    for (auto& group : groupStore_) {
        const ParameterGroup* top = &group;
        while (top->owner_)
            top = top->owner_;
        group.reference_ = top->reference_;
    }
}

void Schema::readParameters(Database& database)
{
    auto query =
        database.Prepare("SELECT id, guid, group_id, name, type, unit_guid FROM parameters ORDER BY position, id");
    while (query.Step()) {
        auto* group = GroupById(query.Int(2));
        if (!group)
            continue;
        auto& parameter = parameterStore_.emplace_back();
        parameter.schema_ = this;
        parameter.id_ = static_cast<int>(query.Int(0));
        parameter.guid_ = query.Guid(1);
        parameter.name_ = query.Text(3);
        parameter.type_ = static_cast<ParameterValueType>(query.Int(4));
        if (!query.IsNull(5)) {
            auto unit = unitsByGuid_.find(query.Guid(5));
            parameter.unit_ = unit == unitsByGuid_.end() ? nullptr : unit->second;
        }
        parameter.group_ = group;
        group->parameters_.push_back(&parameter);
        parametersById_[parameter.id_] = &parameter;
    }
}

void Schema::readClasses(Database& database)
{
    auto query = database.Prepare("SELECT id, guid, group_id, parent_id, name, abstract FROM classes ORDER BY position, id");
    std::vector<std::pair<ClassObject*, long long>> parents;
    while (query.Step()) {
        auto* group = GroupById(query.Int(2));
        if (!group || !group->classes_)
            continue;
        auto& item = classStore_.emplace_back();
        item.schema_ = this;
        item.id_ = static_cast<int>(query.Int(0));
        item.guid_ = query.Guid(1);
        item.owner_ = group;
        item.name_ = query.Text(4);
        item.abstract_ = query.Int(5) != 0;
        classesById_[item.id_] = &item;
        parents.emplace_back(&item, query.IsNull(3) ? 0 : query.Int(3));
    }
    for (auto [item, parentId] : parents) {
        item->parent_ = ClassById(parentId);
        if (item->parent_)
            item->parent_->children_.push_back(item);
        else
            item->owner_->classes_->roots_.push_back(item);
    }
    auto groups = database.Prepare("SELECT class_id, group_id FROM class_groups ORDER BY position");
    while (groups.Step())
        if (auto* item = ClassById(groups.Int(0)); item && GroupById(groups.Int(1)))
            item->groups_.push_back(GroupById(groups.Int(1)));
    auto children = database.Prepare("SELECT class_id, child_id FROM class_children ORDER BY position");
    while (children.Step())
        if (auto* item = ClassById(children.Int(0)); item && ClassById(children.Int(1)))
            item->childObjectClasses_.push_back(ClassById(children.Int(1)));
    // A class has the groups of its ancestors before its own; trees list parents first.
    std::function<void(ClassObject*)> complete = [&](ClassObject* item) {
        if (item->parent_) {
            auto own = std::move(item->groups_);
            item->groups_ = item->parent_->groups_;
            for (auto* group : own)
                if (std::find(item->groups_.begin(), item->groups_.end(), group) == item->groups_.end())
                    item->groups_.push_back(group);
        }
        if (item->groups_.empty())
            item->groups_ = item->owner_->groups_; // a class that names none has them all
        item->owner_->classes_->all_.push_back(item);
        for (auto* child : item->children_)
            complete(child);
    };
    for (auto& tree : treeStore_)
        for (auto* root : tree.roots_)
            complete(root);
}

void Schema::addClassParameters()
{
    for (auto* info : references_) {
        auto& parameter = parameterStore_.emplace_back();
        parameter.schema_ = this;
        parameter.guid_ = ClassParameterGuid;
        parameter.name_ = L"Class";
        parameter.type_ = ParameterValueType::Text;
        parameter.group_ = info->group_;
        info->group_->classParameter_ = &parameter;
    }
}

} // namespace Vireo::Arbor::Model
