#pragma once
// Writes a reference object's pending changes (and those of the table rows that wait
// for it) in one transaction. The objects take their new ids and forget their changes
// only once the transaction is committed.
//
// Several users may change one object: each save of an object's values or links raises
// its row version, and a save finding a version neither read nor written by this
// connection fails, saving nothing, since another user changed the object meanwhile.

#include "platform/arbor/ReferenceObject.h"

#include <unordered_map>
#include <vector>

namespace Vireo::Arbor::Model {

class ObjectWriter {
public:
    // `ownVersions`: the row version this connection last wrote, by object id.
    ObjectWriter(Database& database, std::unordered_map<long long, long long>& ownVersions)
        : database_(database), ownVersions_(ownVersions)
    {
    }
    void Save(ReferenceObject& object);

private:
    void write(ReferenceObject& object);
    void insert(ReferenceObject& object);
    void claimVersion(ReferenceObject& object);
    void writeValues(ReferenceObject& object);
    void writeLinks(ReferenceObject& object);
    void writeChildLinks(ReferenceObject& object);
    void addToHierarchy(long long parent, long long child);
    void commitInMemory();

    Database& database_;
    std::unordered_map<long long, long long>& ownVersions_;
    // Held so that rows dropped from their owner's pending list stay alive until the end.
    std::vector<std::shared_ptr<ReferenceObject>> written_;
};

} // namespace Vireo::Arbor::Model
