#pragma once
// The common base of machining projects, groups and machinings: a model object that owns a
// geometry set and refers to shared geometry sets and a parent owner.

#include "platform/cam/GeometrySet.h"
#include "platform/cam/ModelObject.h"

#include <map>

namespace Vireo::Cam {

class GeometrySetOwnerObject : public ModelObject, public IGeometrySetOwner {
public:
    explicit GeometrySetOwnerObject(CZkw32Doc* doc) : ModelObject(doc), ownSet_(*this) {}

    GeometrySet& GetGeometrySet() override;
    GeometrySet& GetOwnGeometrySet() noexcept { return ownSet_; }
    SharedGeometrySet* GetSourceGeometrySet(int kind, bool visibleOnly = true) const override;
    void SetSourceGeometrySet(int kind, SharedGeometrySet* set) override;
    IGeometrySetOwner* GetParentGeometrySetOwner() const override;
    bool TrySetParentGeometrySetOwner(CZKObject* parent) override;

    void SaveState(Vireo::Host::TextNode& node) const override;
    void LoadState(const Vireo::Host::TextNode& node) override;

private:
    GeometrySet ownSet_;
    std::map<int, ZKObjectID> sources_;
    ZKObjectID parentOwner_;
};

} // namespace Vireo::Cam
