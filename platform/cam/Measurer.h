#pragma once
// Measuring model objects: overall length, width and height of their bodies.

#include "platform/zktypes/Units.h"

#include <optional>

namespace Vireo::Cam {

// Host quantity codes that a measurer answers.
namespace MeasuredQuantities {
inline constexpr int Length = 242;
inline constexpr int Width = 243;
inline constexpr int Height = 244;
} // namespace MeasuredQuantities

// A body's overall size in millimetres.
struct BodySize {
    double length = 0;
    double width = 0;
    double height = 0;
    friend bool operator==(const BodySize&, const BodySize&) = default;
};

struct LocalCoordinateSystem {
    double origin[3] = {0, 0, 0};
};

struct MeasureResult {
    double value = 0;
    const zktypes::Unit* unit = nullptr;
};

class ObjectMeasurer {
public:
    explicit ObjectMeasurer(std::optional<BodySize> size) : size_(size) {}
    // The quantity in millimetres; nothing for an object without body or an unknown quantity.
    std::optional<MeasureResult> Measure(int quantity, const LocalCoordinateSystem& lcs = {}) const;

private:
    std::optional<BodySize> size_;
};

} // namespace Vireo::Cam
