#pragma once
// An object of a reference (or a row of a table): GUID, id, class, parameter values,
// links, table rows and places in the reference's hierarchy.
//
// Changes live in memory until ApplyChanges writes them in one transaction:
// - values need the object open for changes: new objects are, saved ones after
//   BeginChanges(); links, table rows and further parents may be added at any time;
// - a new object has Id 0 (IsNew) until it is saved; IsModified is true exactly when
//   something is waiting to be written;
// - a table row created on an unsaved owner is written together with the owner;
// - when ApplyChanges fails, the database and the object are as they were before.

#include "platform/arbor/ModelFwd.h"
#include "platform/arbor/ObjectValue.h"
#include "platform/arbor/Parameter.h"
#include "platform/arbor/SystemGuid.h"

#include <map>
#include <optional>
#include <string_view>
#include <vector>

namespace Vireo::Arbor::Model {

class ObjectWriter;
class Database;
class Query;

struct SystemFields {
    std::optional<int> Order;
};

class ReferenceObject : public std::enable_shared_from_this<ReferenceObject> {
public:
    // Made by Reference, ReferenceObjectCollection and CreateListObject.
    struct Stored {
        long long id = 0;
        System::Guid guid;
        std::optional<int> order;
        long long version = 0; // the row's version when it was read
    };
    // The row of a query whose first columns are id, guid, class_id, ord, version.
    static Stored ReadStored(const Query& query);
    ReferenceObject(std::shared_ptr<Model::Reference> reference, std::shared_ptr<ClassObject> objectClass,
                    const Stored& stored);
    ReferenceObject(const ReferenceObject&) = delete;
    ReferenceObject& operator=(const ReferenceObject&) = delete;

    // A new object (open for changes), under `parent` when one is given.
    static std::shared_ptr<ReferenceObject> CreateNew(std::shared_ptr<Model::Reference> reference,
                                                      std::shared_ptr<ClassObject> objectClass,
                                                      const std::shared_ptr<ReferenceObject>& parent);

    const System::Guid& Guid() const { return guid_; }
    int Id() const { return static_cast<int>(id_); }
    const std::shared_ptr<ClassObject>& Class() const { return class_; }
    const std::shared_ptr<Model::Reference>& Reference() const { return reference_; }
    const Model::SystemFields& SystemFields() const { return system_; }
    ParameterCollection& ParameterValues() { return parameters_; }
    // Reading values needs no write access to the object.
    const ParameterCollection& ParameterValues() const { return parameters_; }

    bool IsNew() const { return id_ == 0; }
    bool IsModified() const;
    bool IsOpenForChanges() const { return open_; }

    // The value of the parameter whose GUID text (or name) is `key`: ObjectValue::Null when
    // it has none. An unknown key gives Null, or throws ModelException when
    // `throwIfUnknown` is set.
    std::shared_ptr<const ObjectValue> GetObjectValue(std::wstring_view key, bool throwIfUnknown) const;

    // Links and tables, in model order. GetObject gives the first or null. A group that
    // is no link group or table of this object's reference throws ModelException.
    std::shared_ptr<ReferenceObject> GetObject(const std::shared_ptr<ParameterGroup>& group);
    std::vector<std::shared_ptr<ReferenceObject>> GetObjects(const std::shared_ptr<ParameterGroup>& group);
    std::vector<std::shared_ptr<ReferenceObject>> GetObjects(const System::Guid& groupGuid);

    // A new row of a table of this object (not saved).
    std::shared_ptr<ReferenceObject> CreateListObject(const std::shared_ptr<ParameterGroup>& table,
                                                      const std::shared_ptr<ClassObject>& rowClass);
    // Link changes, written by this object's ApplyChanges. The linked object must be
    // saved by then. Both give the linked object.
    std::shared_ptr<ReferenceObject> SetLinkedObject(const std::shared_ptr<ParameterGroup>& group,
                                                     const std::shared_ptr<ReferenceObject>& linked);
    std::shared_ptr<ReferenceObject> AddLinkedObject(const std::shared_ptr<ParameterGroup>& group,
                                                     const std::shared_ptr<ReferenceObject>& linked);
    // Puts `child` under this object as well, once the link's EndChanges and this
    // object's ApplyChanges are done.
    std::shared_ptr<ComplexHierarchyLink> CreateChildLink(const std::shared_ptr<ReferenceObject>& child);
    // The parents of this saved object in the hierarchy.
    std::vector<std::shared_ptr<ReferenceObject>> GetParents();

    void BeginChanges();
    // Writes every pending change in one transaction. False when the model refused.
    bool ApplyChanges();
    // Drops every pending change.
    void CancelChanges();

    friend bool operator==(const ReferenceObject& a, const ReferenceObject& b);

private:
    friend class ParameterCollection;
    friend class ObjectWriter;
    friend class ComplexHierarchyLink;
    friend class ReferenceObjectCollection;

    struct LinkChange {
        ParameterGroup* group;
        std::shared_ptr<ReferenceObject> linked;
    };

    Database& database() const;
    FaultPlan* faults() const;
    const std::map<int, ObjectValue>& storedValues() const;
    std::shared_ptr<ParameterInfo> findParameter(const System::Guid& guid) const;
    // The parameter's value as the object holds it now (its change, else its stored value);
    // null when it has none.
    const ObjectValue* currentValue(const ParameterInfo& parameter) const;
    ParameterGroup& checkedGroup(const std::shared_ptr<ParameterGroup>& group) const;
    std::vector<std::shared_ptr<ReferenceObject>> readLinks(ParameterGroup& group);
    std::vector<std::shared_ptr<ReferenceObject>> readRows(ParameterGroup& group);
    std::vector<std::shared_ptr<ReferenceObject>> readObjects(Query& query, int referenceColumn);
    std::vector<ParameterGroup*> ownGroups() const;
    long long writeId() const { return id_ != 0 ? id_ : stagedId_; }

    std::shared_ptr<Model::Reference> reference_;
    std::shared_ptr<ClassObject> class_;
    long long id_ = 0;
    long long stagedId_ = 0; // id given by the database during a save not yet committed
    long long version_ = 0; // the row's version this object last read or wrote
    long long stagedVersion_ = 0;
    System::Guid guid_;
    Model::SystemFields system_;
    ParameterCollection parameters_{*this};
    bool open_ = false;

    mutable std::optional<std::map<int, ObjectValue>> stored_;
    std::map<int, ObjectValue> changes_;
    std::vector<LinkChange> linkChanges_;
    std::vector<std::shared_ptr<ReferenceObject>> childLinks_;
    std::vector<std::shared_ptr<ReferenceObject>> pendingRows_;

    // Table rows: the owner and its table. New objects made under a parent: the parent.
    std::weak_ptr<ReferenceObject> owner_;
    long long ownerId_ = 0;
    ParameterGroup* table_ = nullptr;
    std::shared_ptr<ReferenceObject> parent_; // until the object is saved under it
};

} // namespace Vireo::Arbor::Model
