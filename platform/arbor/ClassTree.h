#pragma once
// Classes of reference objects (or of table rows), arranged in a tree. A class lists
// the parameter groups its objects have (its own and those of its ancestors) and the
// classes allowed for its children in the reference's hierarchy.

#include "platform/arbor/Collection.h"
#include "platform/arbor/ModelFwd.h"
#include "platform/arbor/SystemGuid.h"

#include <string>
#include <vector>

namespace Vireo::Arbor::Model {

class Schema;

using ClassObjectCollection = Collection<ClassObject>;

class ClassObject {
public:
    const System::Guid& Guid() const { return guid_; }
    int Id() const { return id_; }
    const std::wstring& Name() const { return name_; }
    bool IsAbstract() const { return abstract_; }
    // Null for a root class.
    std::shared_ptr<ClassObject> Parent() const;
    ClassObjectCollection Children() const;
    Collection<ParameterGroup> ParameterGroups() const;
    ClassObjectCollection ChildObjectClasses() const;
    // The group whose objects have this class (a reference group or a table).
    std::shared_ptr<ParameterGroup> OwnerGroup() const;

private:
    friend class Schema;
    Schema* schema_ = nullptr;
    System::Guid guid_;
    int id_ = 0;
    std::wstring name_;
    bool abstract_ = false;
    ClassObject* parent_ = nullptr;
    ParameterGroup* owner_ = nullptr;
    std::vector<ClassObject*> children_;
    std::vector<ParameterGroup*> groups_;
    std::vector<ClassObject*> childObjectClasses_;
};

class ClassTree {
public:
    // The class with this GUID anywhere in the tree, or null.
    std::shared_ptr<ClassObject> Find(const System::Guid& guid) const;
    ClassObjectCollection GetRootClasses() const;
    // Every class of the tree that is not abstract, parents before children.
    ClassObjectCollection GetNotAbstractClasses() const;
    ClassObjectCollection GetAllClasses() const;

private:
    friend class Schema;
    Schema* schema_ = nullptr;
    std::vector<ClassObject*> roots_;
    std::vector<ClassObject*> all_;  // parents before children, siblings in order
};

} // namespace Vireo::Arbor::Model
