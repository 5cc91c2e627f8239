#pragma once
// A geometry set of the document that machining projects, groups and machinings share.

#include "platform/cam/GeometrySet.h"
#include "platform/cam/Measurer.h"
#include "platform/cam/ModelObject.h"

namespace Vireo::Cam {

class SharedGeometrySet final : public ModelObject, public GeometrySetOwner {
public:
    explicit SharedGeometrySet(CZkw32Doc* doc);

    int GetObjType() const override;
    unsigned GetIconID() const override;
    std::wstring_view GetClassTag() const override { return L"SharedGeometrySet"; }

    GeometrySet& GetGeometrySet() override { return set_; }
    const GeometrySet& GetGeometrySet() const noexcept { return set_; }
    // Measures the box around the bodies in the set's slots.
    ObjectMeasurer Measurer() const;

    void SaveState(Vireo::Host::TextNode& node) const override;
    void LoadState(const Vireo::Host::TextNode& node) override;

private:
    GeometrySet set_;
};

} // namespace Vireo::Cam
