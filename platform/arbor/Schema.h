#pragma once
// The schema of one connection, read from the database at once: references, parameter
// groups, parameters, classes and units. Schema elements point at each other directly;
// handles given out share ownership of the whole schema.

#include "platform/arbor/ClassTree.h"
#include "platform/arbor/ParameterGroup.h"
#include "platform/arbor/ParameterInfo.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/Unit.h"

#include <deque>
#include <unordered_map>

namespace Vireo::Arbor::Model {

class Database;

class Schema : public std::enable_shared_from_this<Schema> {
public:
    // Reads the schema tables. The connection is held weakly: references created after
    // it closed are null.
    static std::shared_ptr<Schema> Load(Database& database, std::weak_ptr<ServerConnection> connection);

    template <class T>
    std::shared_ptr<T> Handle(T* element) const
    {
        return element ? std::shared_ptr<T>(shared_from_this(), element) : nullptr;
    }
    std::shared_ptr<ServerConnection> Connection() const { return connection_.lock(); }

    const std::vector<ReferenceInfo*>& References() const { return references_; }
    ReferenceInfo* ReferenceById(long long id) const;
    ReferenceInfo* ReferenceByGuid(const System::Guid& guid) const;
    ParameterGroup* GroupById(long long id) const;
    ParameterInfo* ParameterById(long long id) const;
    ClassObject* ClassById(long long id) const;

    // The GUID of every reference's class pseudo-parameter.
    static const System::Guid ClassParameterGuid;
    // The units reference and the parameters of its objects.
    static const System::Guid UnitsReferenceGuid;
    static const System::Guid UnitNameGuid;
    static const System::Guid UnitShortNameGuid;
    static const System::Guid UnitClassGuid;

private:
    void readUnits(Database& database);
    void readGroups(Database& database);
    void readParameters(Database& database);
    void readClasses(Database& database);
    void addClassParameters();

    std::weak_ptr<ServerConnection> connection_;
    std::deque<ReferenceInfo> referenceStore_;
    std::deque<ParameterGroup> groupStore_;
    std::deque<ParameterInfo> parameterStore_;
    std::deque<ClassObject> classStore_;
    std::deque<ClassTree> treeStore_;
    std::deque<Unit> unitStore_;
    std::vector<ReferenceInfo*> references_;
    std::unordered_map<long long, ReferenceInfo*> referencesById_;
    std::unordered_map<long long, ParameterGroup*> groupsById_;
    std::unordered_map<long long, ParameterInfo*> parametersById_;
    std::unordered_map<long long, ClassObject*> classesById_;
    std::unordered_map<System::Guid, Unit*> unitsByGuid_;
};

} // namespace Vireo::Arbor::Model
