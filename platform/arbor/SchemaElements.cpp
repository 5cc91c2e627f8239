// Accessors of the schema elements: every handle shares ownership of the schema.
#include "platform/arbor/Reference.h"
#include "platform/arbor/ReferenceCatalog.h"
#include "platform/arbor/Schema.h"
#include "platform/arbor/ServerConnection.h"

namespace Vireo::Arbor::Model {

std::shared_ptr<Unit> ParameterInfo::Unit() const { return schema_->Handle(unit_); }
std::shared_ptr<ParameterGroup> ParameterInfo::Group() const { return schema_->Handle(group_); }

std::shared_ptr<ParameterInfo> ParameterGroup::Item(const System::Guid& guid) const
{
    // Asked for every value an object reads: no copy of the list for it.
    for (ParameterInfo* parameter : parameters_)
        if (parameter->Guid() == guid)
            return {schema_->shared_from_this(), parameter};
    return nullptr;
}

ParameterInfoCollection ParameterGroup::Parameters() const
{
    return {schema_->shared_from_this(), parameters_};
}

std::shared_ptr<ParameterGroup> ParameterGroup::ReferenceGroup() const
{
    return reference_ ? reference_->Description() : nullptr;
}

std::shared_ptr<ReferenceInfo> ParameterGroup::ReferenceInfo() const { return schema_->Handle(reference_); }
std::shared_ptr<ParameterGroup> ParameterGroup::SlaveGroup() const { return schema_->Handle(slave_); }
std::shared_ptr<ClassTree> ParameterGroup::Classes() const { return schema_->Handle(classes_); }

std::shared_ptr<ParameterGroup> ParameterGroup::HierarchyGroup() const
{
    for (auto* group : groups_)
        if (group->IsHierarchy())
            return schema_->Handle(group);
    return nullptr;
}

std::shared_ptr<ParameterInfo> ParameterGroup::ClassParameterInfo() const { return schema_->Handle(classParameter_); }

ParameterGroupCollection ParameterGroup::GetAllGroups() const
{
    std::vector<ParameterGroup*> all;
    std::function<void(const ParameterGroup*)> walk = [&](const ParameterGroup* group) {
        all.push_back(const_cast<ParameterGroup*>(group));
        for (auto* child : group->groups_)
            walk(child);
    };
    walk(this);
    return {schema_->shared_from_this(), std::move(all)};
}

ParameterGroupCollection ParameterGroup::OneToOneTables() const
{
    std::vector<ParameterGroup*> tables;
    for (auto group : GetAllGroups())
        if (group->IsTableOneToOne())
            tables.push_back(group.get());
    return {schema_->shared_from_this(), std::move(tables)};
}

ParameterGroupCollection ParameterGroup::OneToManyTables() const
{
    std::vector<ParameterGroup*> tables;
    for (auto group : GetAllGroups())
        if (group->IsTableOneToMany())
            tables.push_back(group.get());
    return {schema_->shared_from_this(), std::move(tables)};
}

std::shared_ptr<ClassObject> ClassObject::Parent() const { return schema_->Handle(parent_); }
ClassObjectCollection ClassObject::Children() const { return {schema_->shared_from_this(), children_}; }
Collection<ParameterGroup> ClassObject::ParameterGroups() const { return {schema_->shared_from_this(), groups_}; }
ClassObjectCollection ClassObject::ChildObjectClasses() const
{
    return {schema_->shared_from_this(), childObjectClasses_};
}
std::shared_ptr<ParameterGroup> ClassObject::OwnerGroup() const { return schema_->Handle(owner_); }

std::shared_ptr<ClassObject> ClassTree::Find(const System::Guid& guid) const { return GetAllClasses().Find(guid); }
ClassObjectCollection ClassTree::GetRootClasses() const { return {schema_->shared_from_this(), roots_}; }
ClassObjectCollection ClassTree::GetAllClasses() const { return {schema_->shared_from_this(), all_}; }

ClassObjectCollection ClassTree::GetNotAbstractClasses() const
{
    std::vector<ClassObject*> concrete;
    for (auto* item : all_)
        if (!item->IsAbstract())
            concrete.push_back(item);
    return {schema_->shared_from_this(), std::move(concrete)};
}

const System::Guid& ReferenceInfo::Guid() const { return group_->Guid(); }
int ReferenceInfo::Id() const { return group_->Id(); }
const std::wstring& ReferenceInfo::Name() const { return group_->Name(); }
std::shared_ptr<ParameterGroup> ReferenceInfo::Description() const { return schema_->Handle(group_); }
std::shared_ptr<ClassTree> ReferenceInfo::Classes() const { return group_->Classes(); }

std::shared_ptr<Reference> ReferenceInfo::CreateReference() const
{
    auto connection = schema_->Connection();
    if (!connection)
        return nullptr;
    return std::make_shared<Reference>(schema_->Handle(const_cast<ReferenceInfo*>(this)), std::move(connection));
}

std::shared_ptr<ReferenceInfo> ReferenceCatalog::Find(const System::Guid& guid) const
{
    return schema_->Handle(schema_->ReferenceByGuid(guid));
}

std::shared_ptr<ReferenceInfo> ReferenceCatalog::Find(int id) const
{
    return schema_->Handle(schema_->ReferenceById(id));
}

std::shared_ptr<ReferenceInfo> ReferenceCatalog::Find(std::wstring_view text) const
{
    return GetReferences().Find(text);
}

Collection<ReferenceInfo> ReferenceCatalog::GetReferences() const
{
    return {schema_, schema_->References()};
}

} // namespace Vireo::Arbor::Model
