#pragma once
// One additional-parameter item of a tool holder or extension (a step of its outline).

#include "platform/host/ZKObject.h"
#include "platform/zktypes/RealParameter.h"

#include <string>
#include <string_view>

namespace Vireo::Cam {

class ToolAdditionalParams {
public:
    ToolAdditionalParams() = default;
    // A copy has the values only: it belongs to no tool until bound.
    ToolAdditionalParams(const ToolAdditionalParams& other) : values_(other.values_) {}
    ToolAdditionalParams& operator=(const ToolAdditionalParams& other)
    {
        willChange();
        values_ = other.values_;
        return *this;
    }

    // The tool the item belongs to, told before the item changes (items are changed through
    // handles that outlive any one change bracket). Null: a free-standing item.
    void BindOwner(const CZKObject* owner) noexcept { owner_ = owner; }

    const std::wstring& GetName() const noexcept { return values_.name; }
    void SetName(std::wstring_view name)
    {
        willChange();
        values_.name = name;
    }
    const zkaux::RealParameter& GetBottomDiameter() const noexcept { return values_.bottomDiameter; }
    void SetBottomDiameter(const zkaux::RealParameter& value) { set(values_.bottomDiameter, value); }
    const zkaux::RealParameter& GetTopDiameter() const noexcept { return values_.topDiameter; }
    void SetTopDiameter(const zkaux::RealParameter& value) { set(values_.topDiameter, value); }
    const zkaux::RealParameter& GetLength() const noexcept { return values_.length; }
    void SetLength(const zkaux::RealParameter& value) { set(values_.length, value); }
    const zkaux::RealParameter& GetRoundingRadius() const noexcept { return values_.roundingRadius; }
    void SetRoundingRadius(const zkaux::RealParameter& value) { set(values_.roundingRadius, value); }

    friend bool operator==(const ToolAdditionalParams& a, const ToolAdditionalParams& b)
    {
        return a.values_ == b.values_;
    }

private:
    struct Values {
        std::wstring name;
        zkaux::RealParameter bottomDiameter = zkaux::RealParameter::Of(0, zktypes::ZKUnits::Millimeter);
        zkaux::RealParameter topDiameter = zkaux::RealParameter::Of(0, zktypes::ZKUnits::Millimeter);
        zkaux::RealParameter length = zkaux::RealParameter::Of(0, zktypes::ZKUnits::Millimeter);
        zkaux::RealParameter roundingRadius = zkaux::RealParameter::Of(0, zktypes::ZKUnits::Millimeter);
        friend bool operator==(const Values&, const Values&) = default;
    };

    void willChange() const
    {
        if (owner_)
            owner_->NoteChange();
    }
    void set(zkaux::RealParameter& field, const zkaux::RealParameter& value)
    {
        willChange();
        field = value;
    }

    Values values_;
    const CZKObject* owner_ = nullptr;
};

} // namespace Vireo::Cam
