#include "ValueText.h"

#include "CommandErrors.h"
#include "TextOutput.h"

#include "platform/host/DocumentText.h"
#include "platform/support/Utf8.h"

#include <charconv>
#include <cmath>

namespace Campdm {
namespace {

using namespace Vireo::Cam;

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

const zktypes::Unit* unitNamed(const std::string& name, const DoubleValue& current)
{
    if (name.empty())
        return current.GetUnit();
    const zktypes::Unit* unit = zktypes::Units::Instance().FindByShortName(Vireo::Support::Utf8ToWide(name));
    if (!unit)
        throw InputError("unknown unit \"" + name + "\"");
    if (current.GetUnit() && unit->GetUnitType() != current.GetUnitType())
        throw InputError("\"" + name + "\" is a unit of " + Utf8(unit->GetUnitType()->GetName()) + ", the value is a " +
                         Utf8(current.GetUnitType()->GetName()));
    return unit;
}

std::unique_ptr<BaseValue> parseDouble(const std::string& text, const DoubleValue& current)
{
    double number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || !std::isfinite(number))
        throw InputError("\"" + text + "\" is not a number (with an optional unit, as in 12mm)");
    const std::string unit = trimmed(std::string_view(end, text.data() + text.size() - end));
    return std::make_unique<DoubleValue>(number, unitNamed(unit, current));
}

std::unique_ptr<BaseValue> parseInt(const std::string& text)
{
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size())
        throw InputError("\"" + text + "\" is not a whole number");
    return std::make_unique<IntValue>(number);
}

std::unique_ptr<BaseValue> parseBool(const std::string& text)
{
    if (text == "true" || text == "1")
        return std::make_unique<BoolValue>(true);
    if (text == "false" || text == "0")
        return std::make_unique<BoolValue>(false);
    throw InputError("\"" + text + "\" is neither true nor false");
}

} // namespace

std::unique_ptr<BaseValue> ParseCamValue(const std::string& text, const BaseValue& current)
{
    switch (current.GetType()) {
    case BaseValue::Double: return parseDouble(trimmed(text), *current.AsDouble());
    case BaseValue::Int: return parseInt(trimmed(text));
    case BaseValue::Bool: return parseBool(trimmed(text));
    case BaseValue::String: return std::make_unique<StringValue>(Vireo::Support::Utf8ToWide(text));
    default: throw CommandFailed("this kind of value cannot be set from the command line");
    }
}

std::string FormatCamValue(const BaseValue& value)
{
    switch (value.GetType()) {
    case BaseValue::Double: {
        const DoubleValue& number = *value.AsDouble();
        const std::string unit = number.GetUnit() ? " " + Utf8(number.GetUnit()->GetShortName()) : "";
        return Utf8(Vireo::Host::FormatNumber(number.GetValue())) + unit;
    }
    case BaseValue::Int: return std::to_string(value.AsInt()->GetValue());
    case BaseValue::Bool: return value.AsBool()->GetValue() ? "true" : "false";
    case BaseValue::String: return Utf8(value.AsString()->GetValue());
    default: return "(" + std::to_string(static_cast<int>(value.GetType())) + ")";
    }
}

} // namespace Campdm
