#pragma once
// Writes a reference object's pending changes (and those of the table rows that wait
// for it) in one transaction. The objects take their new ids and forget their changes
// only once the transaction is committed.

#include "platform/arbor/ReferenceObject.h"

#include <vector>

namespace Vireo::Arbor::Model {

class ObjectWriter {
public:
    explicit ObjectWriter(Database& database) : database_(database) {}
    void Save(ReferenceObject& object);

private:
    void write(ReferenceObject& object);
    void insert(ReferenceObject& object);
    void writeValues(ReferenceObject& object);
    void writeLinks(ReferenceObject& object);
    void writeChildLinks(ReferenceObject& object);
    void addToHierarchy(long long parent, long long child);
    void commitInMemory();

    Database& database_;
    // Held so that rows dropped from their owner's pending list stay alive until the end.
    std::vector<std::shared_ptr<ReferenceObject>> written_;
};

} // namespace Vireo::Arbor::Model
