#pragma once
// A parameter of one reference object: its description and its current value, and the
// object's parameter values as a collection.

#include "platform/arbor/ModelFwd.h"
#include "platform/arbor/ObjectValue.h"
#include "platform/arbor/SystemGuid.h"

namespace Vireo::Arbor::Model {

class Parameter {
public:
    Parameter(std::shared_ptr<Model::ParameterInfo> info, ObjectValue value)
        : info_(std::move(info)), value_(std::move(value))
    {
    }

    const std::shared_ptr<Model::ParameterInfo>& ParameterInfo() const { return info_; }
    const ObjectValue& Value() const { return value_; }
    std::wstring ToString() const { return value_.ToString(); }
    int ToInt32(std::nullptr_t = nullptr) const { return value_.ToInt32(); }
    double ToDouble(std::nullptr_t = nullptr) const { return value_.ToDouble(); }
    bool ToBoolean(std::nullptr_t = nullptr) const { return value_.ToBoolean(); }

private:
    std::shared_ptr<Model::ParameterInfo> info_;
    ObjectValue value_;
};

class ParameterCollection {
public:
    explicit ParameterCollection(ReferenceObject& owner) : owner_(owner) {}

    // The parameter with this GUID when the object's class has it (with a null value when
    // none is set), otherwise null.
    std::shared_ptr<Parameter> GetParameter(const System::Guid& guid) const;
    // Sets a value in memory. False when the object is not open for changes (see
    // ReferenceObject::BeginChanges), its class has no such parameter, or the value does
    // not fit the parameter's type. Nothing is written before ApplyChanges.
    bool TrySetValue(const System::Guid& guid, const ObjectValue& value);

private:
    ReferenceObject& owner_;
};

} // namespace Vireo::Arbor::Model
