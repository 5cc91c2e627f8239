#pragma once
// A reference opened on a connection: finds, loads and creates its objects.

#include "platform/arbor/ModelFwd.h"
#include "platform/arbor/SystemGuid.h"

namespace Vireo::Arbor::Model {

class Reference : public std::enable_shared_from_this<Reference> {
public:
    Reference(std::shared_ptr<Model::ReferenceInfo> info, std::shared_ptr<ServerConnection> connection);

    const std::shared_ptr<Model::ReferenceInfo>& ReferenceInfo() const { return info_; }
    const std::shared_ptr<ServerConnection>& Connection() const { return connection_; }
    int Id() const;
    std::shared_ptr<Model::ParameterGroup> ParameterGroup() const;
    std::shared_ptr<ClassTree> Classes() const;

    // The object (not a table row) with this GUID or id, or null.
    std::shared_ptr<ReferenceObject> Find(const System::Guid& guid);
    std::shared_ptr<ReferenceObject> Find(int id);

    // A loader of the objects that match `filter` (null: all), limited to the children
    // of `parent` when one is given. The context is accepted and not used.
    std::shared_ptr<ReferenceObjectCollection> CreateLoader(const std::shared_ptr<Search::Filter>& filter,
                                                            const std::shared_ptr<ReferenceObject>& parent,
                                                            const std::shared_ptr<Search::MacroContext>& context);

    // A new object of this reference (open for changes, not saved), at the top of the
    // hierarchy or under `parent`. Null for a class of another reference, or an abstract one.
    std::shared_ptr<ReferenceObject> CreateReferenceObject(const std::shared_ptr<ClassObject>& objectClass);
    std::shared_ptr<ReferenceObject> CreateReferenceObject(const std::shared_ptr<ReferenceObject>& parent,
                                                           const std::shared_ptr<ClassObject>& objectClass);

    friend bool operator==(const Reference& a, const Reference& b) { return a.Id() == b.Id(); }

private:
    std::shared_ptr<ReferenceObject> findWhere(const char* sql, long long key, const System::Guid* guid);

    std::shared_ptr<Model::ReferenceInfo> info_;
    std::shared_ptr<ServerConnection> connection_;
};

} // namespace Vireo::Arbor::Model
