#pragma once
// A group of parameters of a reference. The reference's own group (its description)
// holds the parameters every object has and lists all other groups: plain groups of the
// same object, the hierarchy group, link groups to one or to many objects of another
// reference, and tables whose rows are objects of their own classes.

#include "platform/arbor/Collection.h"
#include "platform/arbor/ModelFwd.h"
#include "platform/arbor/SystemGuid.h"

#include <string>
#include <vector>

namespace Vireo::Arbor::Model {

class Schema;

enum class GroupKind { Reference = 0, Plain = 1, Hierarchy = 2, LinkToOne = 3, LinkToMany = 4, TableOneToOne = 5, TableOneToMany = 6 };

using ParameterInfoCollection = Collection<ParameterInfo>;
using ParameterGroupCollection = Collection<ParameterGroup>;

class ParameterGroup {
public:
    const System::Guid& Guid() const { return guid_; }
    int Id() const { return id_; }
    const std::wstring& Name() const { return name_; }
    GroupKind Kind() const { return kind_; }

    bool IsReference() const { return kind_ == GroupKind::Reference; }
    bool IsLinkGroup() const { return IsLinkToOne() || IsLinkToMany(); }
    bool IsLinkToOne() const { return kind_ == GroupKind::LinkToOne; }
    bool IsLinkToMany() const { return kind_ == GroupKind::LinkToMany; }
    bool IsTableOneToOne() const { return kind_ == GroupKind::TableOneToOne; }
    bool IsTableOneToMany() const { return kind_ == GroupKind::TableOneToMany; }
    bool IsTable() const { return IsTableOneToOne() || IsTableOneToMany(); }
    bool IsHierarchy() const { return kind_ == GroupKind::Hierarchy; }

    // The group's own parameter with this GUID, or null.
    std::shared_ptr<ParameterInfo> Item(const System::Guid& guid) const;
    ParameterInfoCollection Parameters() const;

    // The reference's own group, the owner of this one (itself for a reference group).
    std::shared_ptr<ParameterGroup> ReferenceGroup() const;
    std::shared_ptr<Model::ReferenceInfo> ReferenceInfo() const;
    // For a link group: the own group of the linked reference; otherwise null.
    std::shared_ptr<ParameterGroup> SlaveGroup() const;
    // The classes of a reference's objects or of a table's rows; null for other groups.
    std::shared_ptr<ClassTree> Classes() const;

    // Meaningful on a reference group: its hierarchy group (or null), the pseudo-parameter
    // whose value is an object's class GUID text (for search terms), every group of the
    // reference with the reference group itself first, and its tables.
    std::shared_ptr<ParameterGroup> HierarchyGroup() const;
    std::shared_ptr<ParameterInfo> ClassParameterInfo() const;
    ParameterGroupCollection GetAllGroups() const;
    ParameterGroupCollection OneToOneTables() const;
    ParameterGroupCollection OneToManyTables() const;

private:
    friend class Schema;
    Schema* schema_ = nullptr;
    System::Guid guid_;
    int id_ = 0;
    std::wstring name_;
    GroupKind kind_ = GroupKind::Plain;
    Model::ReferenceInfo* reference_ = nullptr;
    ParameterGroup* owner_ = nullptr;       // the group this one is listed under
    ParameterGroup* slave_ = nullptr;       // link groups: the linked reference's group
    ClassTree* classes_ = nullptr;          // reference and table groups
    ParameterInfo* classParameter_ = nullptr;
    std::vector<ParameterInfo*> parameters_;
    std::vector<ParameterGroup*> groups_;   // groups listed directly under this one
};

} // namespace Vireo::Arbor::Model
