#pragma once
// A part: the workpiece a machining produces, with its material, coating and mass.

#include "platform/cam/Measurer.h"
#include "platform/cam/ModelObject.h"
#include "platform/cam/Values.h"
#include "platform/host/Materials.h"

#include <optional>

namespace Vireo::Cam {

// A reference to a document material by id, with the flag that says whether it still
// follows a generic material.
class MaterialSlot {
public:
    explicit MaterialSlot(const CZKObject& holder) : holder_(holder) {}
    MaterialSlot(const MaterialSlot&) = delete;
    MaterialSlot& operator=(const MaterialSlot&) = delete;

    const Material3DBase* Get() const;
    // Takes the document material of that name; false when the document has none.
    bool Set(CZkw32Doc* doc, std::wstring_view name);
    void Clear()
    {
        holder_.NoteChange();
        id_ = ZKObjectID();
    }
    bool IsDerived() const noexcept { return derived_; }
    void SetDerived(bool derived)
    {
        holder_.NoteChange();
        derived_ = derived;
    }
    ZKObjectID GetID() const noexcept { return id_; }
    const CZKObject& Holder() const noexcept { return holder_; }
    void Assign(ZKObjectID id, bool derived)
    {
        holder_.NoteChange();
        id_ = id, derived_ = derived;
    }

private:
    const CZKObject& holder_;
    ZKObjectID id_;
    bool derived_ = true;
};

// How a part looks, its material among it.
class PartVisualProperty {
public:
    explicit PartVisualProperty(const CZKObject& part) : material_(part) {}
    const Material3DBase* GetMaterial() const { return material_.Get(); }
    bool SetMaterial(CZkw32Doc* doc, std::wstring_view name, int libraryIndex = -1);
    bool IsGenericMaterialDerived() const noexcept { return material_.IsDerived(); }
    void SetGenericMaterialDerived(bool derived) { material_.SetDerived(derived); }
    MaterialSlot& Slot() noexcept { return material_; }
    const MaterialSlot& Slot() const noexcept { return material_; }

private:
    MaterialSlot material_;
};

class Part final : public ModelObject {
public:
    explicit Part(CZkw32Doc* doc);

    int GetObjType() const override;
    unsigned GetIconID() const override;
    std::wstring_view GetClassTag() const override { return L"Part"; }

    PartVisualProperty& GetVisualProperty() noexcept { return visual_; }
    const PartVisualProperty& GetVisualProperty() const noexcept { return visual_; }

    const Material3DBase* GetCoatingMaterial() const { return coating_.Get(); }
    bool SetCoatingMaterial(CZkw32Doc* doc, std::wstring_view name, int libraryIndex = -1);
    bool IsCoatingMaterialDerived() const noexcept { return coating_.IsDerived(); }
    void SetCoatingMaterialDerived(bool derived) { coating_.SetDerived(derived); }

    bool IsMassDefault() const noexcept { return massDefault_; }
    void SetMassDefault(bool isDefault)
    {
        NoteChange();
        massDefault_ = isDefault;
    }
    // The entered mass, or while the mass is default the mass of the body in the material
    // (kilograms; zero without body or material).
    DoubleValue GetMass() const;
    void SetMass(const DoubleValue& mass);

    // The body's size; no body: nothing to measure.
    const std::optional<BodySize>& GetBodySize() const noexcept { return body_; }
    void SetBodySize(const std::optional<BodySize>& size)
    {
        NoteChange();
        body_ = size;
    }
    double GetVolume() const noexcept;
    ObjectMeasurer Measurer() const { return ObjectMeasurer(body_); }

    void SaveState(Vireo::Host::TextNode& node) const override;
    void LoadState(const Vireo::Host::TextNode& node) override;

private:
    PartVisualProperty visual_;
    MaterialSlot coating_;
    bool massDefault_ = true;
    DoubleValue mass_{0, zktypes::ZKUnits::Kilogram};
    std::optional<BodySize> body_;
};

} // namespace Vireo::Cam
