#pragma once
// A fixture: a clamp, vice or table that holds the workpiece.

#include "platform/cam/Measurer.h"
#include "platform/cam/ModelObject.h"

#include <optional>

namespace Vireo::Cam {

class Fixture final : public ModelObject {
public:
    explicit Fixture(CZkw32Doc* doc);

    int GetObjType() const override;
    unsigned GetIconID() const override;
    std::wstring_view GetClassTag() const override { return L"Fixture"; }

    const std::optional<BodySize>& GetBodySize() const noexcept { return body_; }
    void SetBodySize(const std::optional<BodySize>& size)
    {
        NoteChange();
        body_ = size;
    }
    ObjectMeasurer Measurer() const { return ObjectMeasurer(body_); }

    void SaveState(Vireo::Host::TextNode& node) const override;
    void LoadState(const Vireo::Host::TextNode& node) override;

private:
    std::optional<BodySize> body_;
};

// A machine set-up of the CAM tree.
class MachineSetup final : public ModelObject {
public:
    explicit MachineSetup(CZkw32Doc* doc);
    int GetObjType() const override;
    unsigned GetIconID() const override;
    std::wstring_view GetClassTag() const override { return L"MachineSetup"; }
};

} // namespace Vireo::Cam
