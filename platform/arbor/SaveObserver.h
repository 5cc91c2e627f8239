#pragma once
// Someone watching the objects a connection saves: the host program, showing how far an export
// has come. Told after an object was written whole; it may throw to break the export off, and
// what was saved before stays saved.

namespace Vireo::Arbor::Model {

class ReferenceObject;

class SaveObserver {
public:
    virtual ~SaveObserver() = default;
    virtual void ObjectSaved(const ReferenceObject& object) = 0;
};

} // namespace Vireo::Arbor::Model
