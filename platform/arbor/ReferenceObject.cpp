#include "platform/arbor/ReferenceObject.h"

#include "platform/arbor/ClassTree.h"
#include "platform/arbor/ComplexHierarchyLink.h"
#include "platform/arbor/Database.h"
#include "platform/arbor/FaultPlan.h"
#include "platform/arbor/ModelException.h"
#include "platform/arbor/Reference.h"
#include "platform/arbor/Schema.h"
#include "platform/arbor/ServerConnection.h"
#include "platform/support/Utf8.h"

#include <algorithm>

namespace Vireo::Arbor::Model {
namespace {

std::string shown(const std::wstring& text)
{
    try {
        return Support::WideToUtf8(text);
    } catch (const std::range_error&) {
        return "?";
    }
}

bool holdsOwnParameters(const ParameterGroup& group)
{
    return group.Kind() == GroupKind::Plain || group.Kind() == GroupKind::Hierarchy;
}

} // namespace

ReferenceObject::ReferenceObject(std::shared_ptr<Model::Reference> reference, std::shared_ptr<ClassObject> objectClass,
                                 const Stored& stored)
    : reference_(std::move(reference)), class_(std::move(objectClass)), id_(stored.id), version_(stored.version),
      guid_(stored.guid)
{
    system_.Order = stored.order;
}

std::shared_ptr<ReferenceObject> ReferenceObject::CreateNew(std::shared_ptr<Model::Reference> reference,
                                                            std::shared_ptr<ClassObject> objectClass,
                                                            const std::shared_ptr<ReferenceObject>& parent)
{
    auto object = std::make_shared<ReferenceObject>(std::move(reference), std::move(objectClass),
                                                    Stored{0, System::Guid::NewGuid(), std::nullopt, 0});
    object->open_ = true;
    object->stored_.emplace();
    object->parent_ = parent;
    return object;
}

ReferenceObject::Stored ReferenceObject::ReadStored(const Query& query)
{
    Stored stored{query.Int(0), query.Guid(1), std::nullopt, query.Int(4)};
    if (!query.IsNull(3))
        stored.order = static_cast<int>(query.Int(3));
    return stored;
}

Database& ReferenceObject::database() const { return reference_->Connection()->GetDatabase(); }
FaultPlan* ReferenceObject::faults() const { return reference_->Connection()->Faults(); }

bool ReferenceObject::IsModified() const
{
    return !changes_.empty() || !linkChanges_.empty() || !childLinks_.empty() || !pendingRows_.empty();
}

const std::map<int, ObjectValue>& ReferenceObject::storedValues() const
{
    if (stored_)
        return *stored_;
    if (auto* plan = faults(); plan && !plan->Pass(FaultPoint::ObjectRead))
        throw ModelException("the values of object " + std::to_string(id_) + " cannot be read");
    std::map<int, ObjectValue> values;
    const auto& schema = *reference_->Connection()->GetSchema();
    auto query = database().Prepare("SELECT param_id, value FROM vals WHERE object_id = ?1");
    query.Bind(1, id_);
    while (query.Step())
        if (auto* parameter = schema.ParameterById(query.Int(0)))
            values.emplace(parameter->Id(), query.Value(1, parameter->ValueType()));
    stored_ = std::move(values);
    return *stored_;
}

std::vector<ParameterGroup*> ReferenceObject::ownGroups() const
{
    std::vector<ParameterGroup*> groups;
    groups.push_back(table_ ? table_ : reference_->ParameterGroup().get());
    if (class_)
        for (auto group : class_->ParameterGroups())
            if (holdsOwnParameters(*group))
                groups.push_back(group.get());
    return groups;
}

std::shared_ptr<ParameterInfo> ReferenceObject::findParameter(const System::Guid& guid) const
{
    // The groups of ownGroups(), in its order, without a list made per value read.
    if (auto parameter = (table_ ? table_ : reference_->ParameterGroup().get())->Item(guid))
        return parameter;
    if (class_)
        for (const auto& group : class_->ParameterGroups())
            if (holdsOwnParameters(*group))
                if (auto parameter = group->Item(guid))
                    return parameter;
    return nullptr;
}

std::shared_ptr<const ObjectValue> ReferenceObject::GetObjectValue(std::wstring_view key, bool throwIfUnknown) const
{
    std::shared_ptr<ParameterInfo> parameter;
    if (auto guid = System::Guid::TryParse(key)) {
        if (*guid == Schema::ClassParameterGuid && class_)
            return std::make_shared<const ObjectValue>(class_->Guid().ToString());
        parameter = findParameter(*guid);
    } else {
        for (auto* group : ownGroups())
            if ((parameter = group->Parameters().Find(key)))
                break;
    }
    if (!parameter) {
        if (throwIfUnknown)
            throw ModelException("object " + std::to_string(id_) + " has no parameter \"" + shown(std::wstring(key)) + "\"");
        return ObjectValue::Null;
    }
    const ObjectValue* value = currentValue(*parameter);
    return value ? std::make_shared<const ObjectValue>(*value) : ObjectValue::Null;
}

const ObjectValue* ReferenceObject::currentValue(const ParameterInfo& parameter) const
{
    if (auto change = changes_.find(parameter.Id()); change != changes_.end())
        return change->second.IsNull() ? nullptr : &change->second;
    const auto& values = storedValues();
    auto value = values.find(parameter.Id());
    return value == values.end() || value->second.IsNull() ? nullptr : &value->second;
}

ParameterGroup& ReferenceObject::checkedGroup(const std::shared_ptr<ParameterGroup>& group) const
{
    if (!group)
        throw ModelException("no parameter group given");
    const bool ours = group->ReferenceInfo() && group->ReferenceInfo()->Id() == reference_->Id();
    if (!ours || !(group->IsLinkGroup() || group->IsTable()))
        throw ModelException("\"" + shown(group->Name()) + "\" is no link group or table of reference \"" +
                             shown(reference_->ReferenceInfo()->Name()) + "\"");
    return *group;
}

std::vector<std::shared_ptr<ReferenceObject>> ReferenceObject::readObjects(Query& query, int referenceColumn)
{
    const auto& connection = reference_->Connection();
    const auto& schema = *connection->GetSchema();
    std::vector<std::shared_ptr<ReferenceObject>> objects;
    std::shared_ptr<Model::Reference> reference = reference_;
    while (query.Step()) {
        if (referenceColumn >= 0 && query.Int(referenceColumn) != reference->Id()) {
            auto* info = schema.ReferenceById(query.Int(referenceColumn));
            reference = info ? std::make_shared<Model::Reference>(schema.Handle(info), connection) : nullptr;
        }
        objects.push_back(
            std::make_shared<ReferenceObject>(reference, schema.Handle(schema.ClassById(query.Int(2))), ReadStored(query)));
    }
    return objects;
}

std::vector<std::shared_ptr<ReferenceObject>> ReferenceObject::readLinks(ParameterGroup& group)
{
    if (auto* plan = faults(); plan && !plan->Pass(FaultPoint::LinkRead))
        return {};
    std::vector<std::shared_ptr<ReferenceObject>> linked;
    if (id_ != 0) {
        auto query = database().Prepare("SELECT o.id, o.guid, o.class_id, o.ord, o.version, o.ref_id FROM links l" +
                                        database().JoinObjectsById("l.slave_id") +
                                        " WHERE l.master_id = ?1 AND l.group_id = ?2 ORDER BY l.position, o.id");
        query.Bind(1, id_).Bind(2, static_cast<long long>(group.Id()));
        linked = readObjects(query, 5);
    }
    for (const auto& change : linkChanges_) {
        if (change.group != &group)
            continue;
        if (group.IsLinkToOne())
            linked.clear();
        const bool present = std::any_of(linked.begin(), linked.end(), [&](const auto& object) {
            return change.linked && object->Guid() == change.linked->Guid();
        });
        if (change.linked && !present)
            linked.push_back(change.linked);
    }
    return linked;
}

std::vector<std::shared_ptr<ReferenceObject>> ReferenceObject::readRows(ParameterGroup& group)
{
    auto* plan = faults();
    if (plan && !plan->Pass(FaultPoint::TableRead))
        return {};
    std::vector<std::shared_ptr<ReferenceObject>> rows;
    if (id_ != 0) {
        auto query = database().Prepare("SELECT id, guid, class_id, ord, version FROM objects WHERE owner_id = ?1 AND "
                                        "table_id = ?2 ORDER BY ord IS NULL, ord, id");
        query.Bind(1, id_).Bind(2, static_cast<long long>(group.Id()));
        rows = readObjects(query, -1);
        for (auto& row : rows) {
            row->owner_ = weak_from_this();
            row->ownerId_ = id_;
            row->table_ = &group;
        }
    }
    for (const auto& row : pendingRows_)
        if (row->table_ == &group)
            rows.push_back(row);
    if (plan)
        plan->CountRows(rows.size());
    return rows;
}

std::shared_ptr<ReferenceObject> ReferenceObject::GetObject(const std::shared_ptr<ParameterGroup>& group)
{
    auto objects = GetObjects(group);
    return objects.empty() ? nullptr : objects.front();
}

std::vector<std::shared_ptr<ReferenceObject>> ReferenceObject::GetObjects(const std::shared_ptr<ParameterGroup>& group)
{
    auto& checked = checkedGroup(group);
    return checked.IsTable() ? readRows(checked) : readLinks(checked);
}

std::vector<std::shared_ptr<ReferenceObject>> ReferenceObject::GetObjects(const System::Guid& groupGuid)
{
    auto group = reference_->ParameterGroup()->GetAllGroups().Find(groupGuid);
    if (!group)
        throw ModelException("reference \"" + shown(reference_->ReferenceInfo()->Name()) + "\" has no group " +
                             shown(groupGuid.ToString()));
    return GetObjects(group);
}

std::shared_ptr<ReferenceObject> ReferenceObject::CreateListObject(const std::shared_ptr<ParameterGroup>& table,
                                                                   const std::shared_ptr<ClassObject>& rowClass)
{
    auto& checked = checkedGroup(table);
    if (!checked.IsTable())
        throw ModelException("\"" + shown(checked.Name()) + "\" is no table");
    if (!rowClass || rowClass->IsAbstract() || rowClass->OwnerGroup().get() != &checked)
        return nullptr;
    auto row = CreateNew(reference_, rowClass, nullptr);
    row->owner_ = weak_from_this();
    row->ownerId_ = id_;
    row->table_ = &checked;
    return row;
}

std::shared_ptr<ReferenceObject> ReferenceObject::SetLinkedObject(const std::shared_ptr<ParameterGroup>& group,
                                                                  const std::shared_ptr<ReferenceObject>& linked)
{
    auto& checked = checkedGroup(group);
    if (!checked.IsLinkGroup())
        throw ModelException("\"" + shown(checked.Name()) + "\" is no link group");
    if (linked && (!checked.SlaveGroup() || !linked->reference_ ||
                   linked->reference_->Id() != checked.SlaveGroup()->ReferenceInfo()->Id()))
        throw ModelException("the object cannot be linked through \"" + shown(checked.Name()) +
                             "\": it belongs to another reference");
    linkChanges_.push_back({&checked, linked});
    return linked;
}

std::shared_ptr<ReferenceObject> ReferenceObject::AddLinkedObject(const std::shared_ptr<ParameterGroup>& group,
                                                                  const std::shared_ptr<ReferenceObject>& linked)
{
    if (!linked)
        return nullptr;
    return SetLinkedObject(group, linked);
}

std::shared_ptr<ComplexHierarchyLink> ReferenceObject::CreateChildLink(const std::shared_ptr<ReferenceObject>& child)
{
    return std::make_shared<ComplexHierarchyLink>(shared_from_this(), child);
}

std::vector<std::shared_ptr<ReferenceObject>> ReferenceObject::GetParents()
{
    if (id_ == 0)
        return {};
    auto query = database().Prepare("SELECT o.id, o.guid, o.class_id, o.ord, o.version FROM hierarchy h" +
                                    database().JoinObjectsById("h.parent_id") + " WHERE h.child_id = ?1 ORDER BY o.id");
    query.Bind(1, id_);
    return readObjects(query, -1);
}

void ReferenceObject::BeginChanges() { open_ = true; }

void ReferenceObject::CancelChanges()
{
    changes_.clear();
    linkChanges_.clear();
    childLinks_.clear();
    pendingRows_.clear();
    open_ = IsNew();
}

bool operator==(const ReferenceObject& a, const ReferenceObject& b)
{
    return a.Guid() == b.Guid();
}

} // namespace Vireo::Arbor::Model
