#pragma once
// Geometry sets: the slots (stock, part, fixture ...) that hold the model objects a
// machining works on, their types, and the objects that own or share them.

#include "platform/host/ZKObject.h"
#include "platform/zktypes/UniqueIdentifier.h"

#include <map>
#include <string>
#include <vector>

namespace Vireo::Host {
struct TextNode;
}

namespace Vireo::Cam {

class SharedGeometrySet;

class GeometrySetType {
public:
    GeometrySetType(const UniqueIdentifier& id, std::wstring name) : id_(id), name_(std::move(name)) {}
    const UniqueIdentifier& GetId() const noexcept { return id_; }
    const std::wstring& GetName() const noexcept { return name_; }

private:
    UniqueIdentifier id_;
    std::wstring name_;
};

// The host's catalogue of geometry-set types.
class GeometrySetTypeManager {
public:
    static const GeometrySetTypeManager& Instance();
    // The type with this identifier, or null.
    const GeometrySetType* FindType(const UniqueIdentifier& id) const noexcept;
    const std::vector<GeometrySetType>& GetTypes() const noexcept { return types_; }

private:
    GeometrySetTypeManager();
    std::vector<GeometrySetType> types_;
};

// The slots of one geometry set; part of the object that holds it.
class GeometrySet {
public:
    explicit GeometrySet(const CZKObject& holder) : holder_(holder) {}
    GeometrySet(const GeometrySet&) = delete;
    GeometrySet& operator=(const GeometrySet&) = delete;

    const GeometrySetType* GetType() const noexcept;
    void SetType(const GeometrySetType* type);

    // The object in a slot, or null. With `visibleOnly` false a slot object of another
    // document is reported too (there are none here: both give the same answer).
    CZKObject* GetModelObject(const UniqueIdentifier& slot, bool visibleOnly = true) const;
    // Puts an object into a slot; null empties it.
    void SetModelObject(const UniqueIdentifier& slot, CZKObject* object);
    // The slots in identifier order.
    const std::map<UniqueIdentifier, ZKObjectID>& GetSlots() const noexcept { return slots_; }

    void Save(Vireo::Host::TextNode& node) const;
    void Load(const Vireo::Host::TextNode& node);

private:
    const CZKObject& holder_;
    UniqueIdentifier type_;
    std::map<UniqueIdentifier, ZKObjectID> slots_;
};

// An object that holds a geometry set.
class GeometrySetOwner {
public:
    virtual ~GeometrySetOwner() = default;
    virtual GeometrySet& GetGeometrySet() = 0;
};

// Geometry kinds of the source sets of an owner.
namespace GeometryKinds {
inline constexpr int Part = 0;
inline constexpr int Stock = 1;
} // namespace GeometryKinds

// A machining project, group or machining: it may take its geometry from shared geometry
// sets (one per geometry kind) and from a parent owner.
class IGeometrySetOwner : public GeometrySetOwner {
public:
    // The geometry set in use: that of the source set of kind 0, else of kind 1, else the
    // owner's own.
    GeometrySet& GetGeometrySet() override = 0;
    // The shared set the owner takes geometry of this kind from, or null. `visibleOnly` is
    // the slot lookup's flag; every set of a document is visible, so both give the same.
    virtual SharedGeometrySet* GetSourceGeometrySet(int kind, bool visibleOnly = true) const = 0;
    virtual void SetSourceGeometrySet(int kind, SharedGeometrySet* set) = 0;
    virtual IGeometrySetOwner* GetParentGeometrySetOwner() const = 0;
    // Takes the parent as the owner this one inherits from; false when it is no owner.
    virtual bool TrySetParentGeometrySetOwner(CZKObject* parent) = 0;
};

} // namespace Vireo::Cam
