#include "platform/cam/Values.h"

#include <algorithm>
#include <cmath>

namespace Vireo::Cam {
namespace {

// Relative difference above 1e-12 of the smaller magnitude.
bool numbersDiffer(double a, double b)
{
    return !(std::fabs(a - b) * 1e12 <= std::min(std::fabs(a), std::fabs(b))) && a != b;
}

} // namespace

bool BoolValue::IsEqualTo(const BaseValue& other) const
{
    const BoolValue* typed = other.AsBool();
    return typed && typed->value_ == value_;
}

bool BoolValue::Assign(const BaseValue& other)
{
    const BoolValue* typed = other.AsBool();
    if (typed)
        value_ = typed->value_;
    return typed != nullptr;
}

bool IntValue::IsEqualTo(const BaseValue& other) const
{
    const IntValue* typed = other.AsInt();
    return typed && typed->value_ == value_;
}

bool IntValue::Assign(const BaseValue& other)
{
    const IntValue* typed = other.AsInt();
    if (typed)
        value_ = typed->value_;
    return typed != nullptr;
}

DoubleValue::DoubleValue(double value, zktypes::ZKUnitsEnum code)
    : value_(value), unit_(zktypes::Units::Instance().GetUnitByCode(code))
{
}

DoubleValue DoubleValue::FromRealParameter(const zkaux::RealParameter& parameter)
{
    return DoubleValue(parameter.GetValue(), parameter.GetUnit());
}

zkaux::RealParameter DoubleValue::ToRealParameter() const
{
    return {value_, zktypes::Units::Instance().GetIndexFor(unit_)};
}

bool DoubleValue::IsValueNotEqual(const DoubleValue& other) const
{
    if (unit_ && other.unit_ && unit_->GetUnitType() != other.unit_->GetUnitType())
        return true;
    return numbersDiffer(value_, zktypes::Unit::Convert(other.unit_, unit_, other.value_));
}

bool DoubleValue::IsValueNotEqual(const zkaux::RealParameter& other) const
{
    return IsValueNotEqual(FromRealParameter(other));
}

bool DoubleValue::IsEqualTo(const BaseValue& other) const
{
    const DoubleValue* typed = other.AsDouble();
    return typed && GetUnitType() == typed->GetUnitType() && !IsValueNotEqual(*typed);
}

bool DoubleValue::Assign(const BaseValue& other)
{
    const DoubleValue* typed = other.AsDouble();
    if (!typed)
        return false;
    if (unit_ && typed->unit_) {
        if (unit_->GetUnitType() != typed->unit_->GetUnitType())
            return false;
        value_ = typed->unit_->ConvertTo(*unit_, typed->value_);
    } else {
        value_ = typed->value_;
    }
    return true;
}

bool StringValue::IsEqualTo(const BaseValue& other) const
{
    const StringValue* typed = other.AsString();
    return typed && typed->value_ == value_;
}

bool StringValue::Assign(const BaseValue& other)
{
    const StringValue* typed = other.AsString();
    if (typed)
        value_ = typed->value_;
    return typed != nullptr;
}

bool CalculatedValue::IsEqualTo(const BaseValue& other) const
{
    const auto* typed = dynamic_cast<const CalculatedValue*>(&other);
    return typed && typed->formula_ == formula_ && typed->result_ == result_;
}

bool CalculatedValue::Assign(const BaseValue& other)
{
    const auto* typed = dynamic_cast<const CalculatedValue*>(&other);
    if (typed)
        *this = *typed;
    return typed != nullptr;
}

} // namespace Vireo::Cam
