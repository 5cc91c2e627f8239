#pragma once
// A value of the model: nothing, a text, a 32-bit integer, a double or a boolean.
// The absent value is one shared object, ObjectValue::Null, that callers compare by
// identity.

#include "platform/arbor/ParameterInfo.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace Vireo::Arbor::Model {

class ObjectValue {
public:
    using Variant = std::variant<std::monostate, std::wstring, int, double, bool>;

    ObjectValue() = default;
    ObjectValue(std::wstring text) : value_(std::move(text)) {}
    ObjectValue(const wchar_t* text) : value_(std::wstring(text)) {}
    ObjectValue(int number) : value_(number) {}
    ObjectValue(double number) : value_(number) {}
    ObjectValue(bool flag) : value_(flag) {}
    explicit ObjectValue(Variant value) : value_(std::move(value)) {}
    // Out of line: GCC 12 with the sanitizers warns falsely about inlined moves of a
    // variant holding a text (for example inside std::optional) in callers' code.
    ObjectValue(const ObjectValue& other);
    ObjectValue(ObjectValue&& other) noexcept;
    ObjectValue& operator=(const ObjectValue& other);
    ObjectValue& operator=(ObjectValue&& other) noexcept;
    ~ObjectValue();

    static const std::shared_ptr<const ObjectValue> Null;

    bool IsNull() const { return std::holds_alternative<std::monostate>(value_); }
    const Variant& Value() const { return value_; }

    // Text form: a text as it is, numbers in shortest round-trip decimal, booleans as
    // "True"/"False", nothing as "".
    std::wstring ToString() const;
    // Conversions with no format provider. Text that is no number (or boolean) throws
    // ModelException; nothing gives 0 or false; doubles round to the nearest integer.
    int ToInt32(std::nullptr_t = nullptr) const;
    double ToDouble(std::nullptr_t = nullptr) const;
    bool ToBoolean(std::nullptr_t = nullptr) const;

    // The value as the given parameter type would hold it; nullopt when it does not fit.
    std::optional<ObjectValue> ConvertTo(ParameterValueType type) const;

    friend bool operator==(const ObjectValue&, const ObjectValue&) = default;

private:
    Variant value_;
};

} // namespace Vireo::Arbor::Model
