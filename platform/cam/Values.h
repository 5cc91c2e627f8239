#pragma once
// Parameter values of CAM objects: a common base with typed views, and one class per kind.

#include "platform/zktypes/RealParameter.h"
#include "platform/zktypes/Units.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace Vireo::Cam {

class BoolValue;
class IntValue;
class DoubleValue;
class StringValue;
class AggregateValue;

class BaseValue {
public:
    enum ValueType : int {
        Unknown = 0,
        Bool = 1,
        Int = 2,
        Double = 3,
        String = 4,
        Aggregate = 5,
        Calculated = 6, // a formula with its last result; not one of the plain kinds
    };

    virtual ~BaseValue() = default;
    virtual ValueType GetType() const noexcept = 0;

    // The value as that kind, or null when it is of another kind.
    virtual const BoolValue* AsBool() const noexcept { return nullptr; }
    virtual const IntValue* AsInt() const noexcept { return nullptr; }
    virtual const DoubleValue* AsDouble() const noexcept { return nullptr; }
    virtual const StringValue* AsString() const noexcept { return nullptr; }
    virtual const AggregateValue* AsAggregate() const noexcept { return nullptr; }
    BoolValue* AsBool() noexcept { return const_cast<BoolValue*>(std::as_const(*this).AsBool()); }
    IntValue* AsInt() noexcept { return const_cast<IntValue*>(std::as_const(*this).AsInt()); }
    DoubleValue* AsDouble() noexcept { return const_cast<DoubleValue*>(std::as_const(*this).AsDouble()); }
    StringValue* AsString() noexcept { return const_cast<StringValue*>(std::as_const(*this).AsString()); }
    AggregateValue* AsAggregate() noexcept
    {
        return const_cast<AggregateValue*>(std::as_const(*this).AsAggregate());
    }

    // Same kind and same content (doubles: same quantity, numbers equal after conversion).
    virtual bool IsEqualTo(const BaseValue& other) const = 0;
    virtual std::unique_ptr<BaseValue> Clone() const = 0;
    // Takes the content of a value of the same kind; false (and no change) otherwise.
    virtual bool Assign(const BaseValue& other) = 0;

protected:
    BaseValue() = default;
    BaseValue(const BaseValue&) = default;
    BaseValue& operator=(const BaseValue&) = default;
};

class BoolValue final : public BaseValue {
public:
    explicit BoolValue(bool value = false) : value_(value) {}
    ValueType GetType() const noexcept override { return Bool; }
    const BoolValue* AsBool() const noexcept override { return this; }
    bool GetValue() const noexcept { return value_; }
    void SetValue(bool value) noexcept { value_ = value; }
    bool IsEqualTo(const BaseValue& other) const override;
    std::unique_ptr<BaseValue> Clone() const override { return std::make_unique<BoolValue>(*this); }
    bool Assign(const BaseValue& other) override;

private:
    bool value_;
};

class IntValue final : public BaseValue {
public:
    explicit IntValue(std::int32_t value = 0) : value_(value) {}
    ValueType GetType() const noexcept override { return Int; }
    const IntValue* AsInt() const noexcept override { return this; }
    std::int32_t GetValue() const noexcept { return value_; }
    void SetValue(std::int32_t value) noexcept { value_ = value; }
    bool IsEqualTo(const BaseValue& other) const override;
    std::unique_ptr<BaseValue> Clone() const override { return std::make_unique<IntValue>(*this); }
    bool Assign(const BaseValue& other) override;

private:
    std::int32_t value_;
};

class DoubleValue final : public BaseValue {
public:
    explicit DoubleValue(double value = 0) : value_(value) {}
    DoubleValue(double value, zktypes::ZKUnitsEnum code);
    DoubleValue(double value, const zktypes::Unit* unit) : value_(value), unit_(unit) {}
    DoubleValue(double value, const zktypes::Unit& unit) : value_(value), unit_(&unit) {}
    // The number and unit of a stored real parameter.
    static DoubleValue FromRealParameter(const zkaux::RealParameter& parameter);

    ValueType GetType() const noexcept override { return Double; }
    const DoubleValue* AsDouble() const noexcept override { return this; }
    double GetValue() const noexcept { return value_; }
    void SetValue(double value) noexcept { value_ = value; }
    const zktypes::Unit* GetUnit() const noexcept { return unit_; }
    void SetUnit(const zktypes::Unit* unit) noexcept { unit_ = unit; }
    const zktypes::UnitType* GetUnitType() const noexcept { return unit_ ? unit_->GetUnitType() : nullptr; }
    // The number with the catalogue index of the unit.
    zkaux::RealParameter ToRealParameter() const;

    // True when the other number, converted into this unit, differs by more than a relative
    // 1e-12, or the two measure different quantities.
    bool IsValueNotEqual(const DoubleValue& other) const;
    bool IsValueNotEqual(const zkaux::RealParameter& other) const;

    bool IsEqualTo(const BaseValue& other) const override;
    std::unique_ptr<BaseValue> Clone() const override { return std::make_unique<DoubleValue>(*this); }
    // Takes a double; the number is converted into this value's unit when both have one.
    bool Assign(const BaseValue& other) override;

private:
    double value_;
    const zktypes::Unit* unit_ = nullptr;
};

class StringValue final : public BaseValue {
public:
    explicit StringValue(std::wstring value = {}) : value_(std::move(value)) {}
    explicit StringValue(std::wstring_view value) : value_(value) {}
    explicit StringValue(const wchar_t* value) : value_(value) {}
    ValueType GetType() const noexcept override { return String; }
    const StringValue* AsString() const noexcept override { return this; }
    const std::wstring& GetValue() const noexcept { return value_; }
    void SetValue(std::wstring value) { value_ = std::move(value); }
    bool IsEqualTo(const BaseValue& other) const override;
    std::unique_ptr<BaseValue> Clone() const override { return std::make_unique<StringValue>(*this); }
    bool Assign(const BaseValue& other) override;

private:
    std::wstring value_;
};

// A formula and its last result. It has none of the plain views.
class CalculatedValue final : public BaseValue {
public:
    CalculatedValue(std::wstring formula = {}, double result = 0)
        : formula_(std::move(formula)), result_(result)
    {
    }
    ValueType GetType() const noexcept override { return Calculated; }
    const std::wstring& GetFormula() const noexcept { return formula_; }
    double GetResult() const noexcept { return result_; }
    bool IsEqualTo(const BaseValue& other) const override;
    std::unique_ptr<BaseValue> Clone() const override { return std::make_unique<CalculatedValue>(*this); }
    bool Assign(const BaseValue& other) override;

private:
    std::wstring formula_;
    double result_;
};

} // namespace Vireo::Cam
