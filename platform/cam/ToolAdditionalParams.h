#pragma once
// One additional-parameter item of a tool holder or extension (a step of its outline).

#include "platform/zktypes/RealParameter.h"

#include <string>
#include <string_view>

namespace Vireo::Cam {

class ToolAdditionalParams {
public:
    const std::wstring& GetName() const noexcept { return name_; }
    void SetName(std::wstring_view name) { name_ = name; }
    const zkaux::RealParameter& GetBottomDiameter() const noexcept { return bottomDiameter_; }
    void SetBottomDiameter(const zkaux::RealParameter& value) noexcept { bottomDiameter_ = value; }
    const zkaux::RealParameter& GetTopDiameter() const noexcept { return topDiameter_; }
    void SetTopDiameter(const zkaux::RealParameter& value) noexcept { topDiameter_ = value; }
    const zkaux::RealParameter& GetLength() const noexcept { return length_; }
    void SetLength(const zkaux::RealParameter& value) noexcept { length_ = value; }
    const zkaux::RealParameter& GetRoundingRadius() const noexcept { return roundingRadius_; }
    void SetRoundingRadius(const zkaux::RealParameter& value) noexcept { roundingRadius_ = value; }

    friend bool operator==(const ToolAdditionalParams&, const ToolAdditionalParams&) = default;

private:
    std::wstring name_;
    zkaux::RealParameter bottomDiameter_ = zkaux::RealParameter::Of(0, zktypes::ZKUnits::Millimeter);
    zkaux::RealParameter topDiameter_ = zkaux::RealParameter::Of(0, zktypes::ZKUnits::Millimeter);
    zkaux::RealParameter length_ = zkaux::RealParameter::Of(0, zktypes::ZKUnits::Millimeter);
    zkaux::RealParameter roundingRadius_ = zkaux::RealParameter::Of(0, zktypes::ZKUnits::Millimeter);
};

} // namespace Vireo::Cam
