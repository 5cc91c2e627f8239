#include "platform/arbor/ObjectValue.h"

#include "platform/arbor/ModelException.h"
#include "platform/support/Utf8.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace Vireo::Arbor::Model {

const std::shared_ptr<const ObjectValue> ObjectValue::Null = std::make_shared<const ObjectValue>();

ObjectValue::ObjectValue(const ObjectValue& other) = default;
ObjectValue::ObjectValue(ObjectValue&& other) noexcept = default;
ObjectValue& ObjectValue::operator=(const ObjectValue& other) = default;
ObjectValue& ObjectValue::operator=(ObjectValue&& other) noexcept = default;
ObjectValue::~ObjectValue() = default;

namespace {

std::wstring shortest(double number)
{
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, number);
    return std::wstring(buffer, end);
}

std::string narrow(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text)
        out.push_back(c < 128 ? static_cast<char>(c) : '?');
    return out;
}

std::wstring trimmed(const std::wstring& text)
{
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos)
        return {};
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

[[noreturn]] void notA(const char* what, const std::wstring& text)
{
    std::string shown;
    try {
        shown = Support::WideToUtf8(text);
    } catch (const std::range_error&) {
        shown = narrow(text);
    }
    throw ModelException("\"" + shown + "\" is not " + what);
}

std::optional<double> parseDouble(const std::wstring& text)
{
    const std::string bytes = narrow(trimmed(text));
    double value = 0;
    auto [end, ec] = std::from_chars(bytes.data(), bytes.data() + bytes.size(), value);
    if (bytes.empty() || ec != std::errc() || end != bytes.data() + bytes.size())
        return std::nullopt;
    return value;
}

std::optional<int> parseInt(const std::wstring& text)
{
    const std::string bytes = narrow(trimmed(text));
    int value = 0;
    const char* begin = bytes.data() + (bytes.size() > 1 && bytes[0] == '+' ? 1 : 0);
    auto [end, ec] = std::from_chars(begin, bytes.data() + bytes.size(), value);
    if (bytes.empty() || ec != std::errc() || end != bytes.data() + bytes.size())
        return std::nullopt;
    return value;
}

std::optional<bool> parseBool(const std::wstring& text)
{
    std::wstring lower;
    for (wchar_t c : trimmed(text))
        lower.push_back(c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c);
    if (lower == L"true")
        return true;
    if (lower == L"false")
        return false;
    return std::nullopt;
}

std::optional<int> roundToInt(double number)
{
    const double rounded = std::nearbyint(number); // to even, as the host's conversion rounds
    if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max()))
        return std::nullopt;
    return static_cast<int>(rounded);
}

} // namespace

std::wstring ObjectValue::ToString() const
{
    struct Visitor {
        std::wstring operator()(std::monostate) const { return {}; }
        std::wstring operator()(const std::wstring& text) const { return text; }
        std::wstring operator()(int number) const { return std::to_wstring(number); }
        std::wstring operator()(double number) const { return shortest(number); }
        std::wstring operator()(bool flag) const { return flag ? L"True" : L"False"; }
    };
    return std::visit(Visitor{}, value_);
}

int ObjectValue::ToInt32(std::nullptr_t) const
{
    struct Visitor {
        int operator()(std::monostate) const { return 0; }
        int operator()(const std::wstring& text) const
        {
            if (auto number = parseInt(text))
                return *number;
            notA("a 32-bit integer", text);
        }
        int operator()(int number) const { return number; }
        int operator()(double number) const
        {
            if (auto rounded = roundToInt(number))
                return *rounded;
            notA("a 32-bit integer", shortest(number));
        }
        int operator()(bool flag) const { return flag ? 1 : 0; }
    };
    return std::visit(Visitor{}, value_);
}

double ObjectValue::ToDouble(std::nullptr_t) const
{
    struct Visitor {
        double operator()(std::monostate) const { return 0; }
        double operator()(const std::wstring& text) const
        {
            if (auto number = parseDouble(text))
                return *number;
            notA("a number", text);
        }
        double operator()(int number) const { return number; }
        double operator()(double number) const { return number; }
        double operator()(bool flag) const { return flag ? 1 : 0; }
    };
    return std::visit(Visitor{}, value_);
}

bool ObjectValue::ToBoolean(std::nullptr_t) const
{
    struct Visitor {
        bool operator()(std::monostate) const { return false; }
        bool operator()(const std::wstring& text) const
        {
            if (auto flag = parseBool(text))
                return *flag;
            notA("a boolean", text);
        }
        bool operator()(int number) const { return number != 0; }
        bool operator()(double number) const { return number != 0; }
        bool operator()(bool flag) const { return flag; }
    };
    return std::visit(Visitor{}, value_);
}

// GCC 12 with the sanitizers reports moved-from variants holding a text as possibly
// uninitialized here (a false positive of its inliner); the code is plain value moves.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

namespace {

// Conversion of a text to a parameter type: the text must read as such a value.
std::optional<ObjectValue::Variant> parsedAs(const std::wstring& text, ParameterValueType type)
{
    switch (type) {
    case ParameterValueType::Text: return ObjectValue::Variant(text);
    case ParameterValueType::Integer:
        if (auto number = parseInt(text))
            return ObjectValue::Variant(*number);
        break;
    case ParameterValueType::Double:
        if (auto number = parseDouble(text))
            return ObjectValue::Variant(*number);
        break;
    case ParameterValueType::Boolean:
        if (auto flag = parseBool(text))
            return ObjectValue::Variant(*flag);
        break;
    }
    return std::nullopt;
}

} // namespace

std::optional<ObjectValue> ObjectValue::ConvertTo(ParameterValueType type) const
{
    if (IsNull())
        return std::optional<ObjectValue>(std::in_place);
    std::optional<Variant> converted;
    if (const auto* text = std::get_if<std::wstring>(&value_)) {
        converted = parsedAs(*text, type);
    } else if (type == ParameterValueType::Text) {
        converted = Variant(ToString());
    } else if (type == ParameterValueType::Integer) {
        if (const auto* number = std::get_if<double>(&value_)) {
            if (auto rounded = roundToInt(*number))
                converted = Variant(*rounded);
        } else {
            converted = Variant(ToInt32());
        }
    } else if (type == ParameterValueType::Double) {
        converted = Variant(ToDouble());
    } else {
        converted = Variant(ToBoolean());
    }
    if (!converted)
        return std::nullopt;
    return ObjectValue(std::move(*converted));
}

#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

} // namespace Vireo::Arbor::Model
