#include "pdm/convert/ValueConversion.h"

#include <array>
#include <charconv>
#include <string>

namespace Vireo::Cam::Pdm {

namespace {

// printf's "%f" in the "C" locale: fixed notation with six decimals, however large or small
// the number. The largest double takes 309 digits before the point.
std::wstring fixedNotation(double number)
{
    std::array<char, 400> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), number, std::chars_format::fixed, 6);
    return std::wstring(text.data(), written.ptr);
}

std::wstring doubleText(const Cam::DoubleValue& value)
{
    std::wstring text = fixedNotation(value.GetValue());
    if (const zktypes::Unit* unit = value.GetUnit())
        text += L' ' + unit->GetShortName();
    return text;
}

} // namespace

std::wstring FromCamBaseValue(const Cam::BaseValue& value)
{
    switch (value.GetType()) {
    case Cam::BaseValue::Bool:
        return value.AsBool()->GetValue() ? L"1" : L"0";
    case Cam::BaseValue::Int:
        return std::to_wstring(value.AsInt()->GetValue());
    case Cam::BaseValue::Double:
        return doubleText(*value.AsDouble());
    case Cam::BaseValue::String:
        return value.AsString()->GetValue();
    default:
        return {};
    }
}

} // namespace Vireo::Cam::Pdm
