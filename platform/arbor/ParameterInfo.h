#pragma once
// The description of one parameter: its GUID, name, value type and unit.

#include "platform/arbor/ModelFwd.h"
#include "platform/arbor/SystemGuid.h"

#include <string>

namespace Vireo::Arbor::Model {

class Schema;

enum class ParameterValueType { Text = 0, Integer = 1, Double = 2, Boolean = 3 };

class ParameterInfo {
public:
    const System::Guid& Guid() const { return guid_; }
    int Id() const { return id_; }
    const std::wstring& Name() const { return name_; }
    ParameterValueType ValueType() const { return type_; }
    // The unit of the values, or null for parameters without unit.
    std::shared_ptr<Model::Unit> Unit() const;
    // The group that holds the parameter.
    std::shared_ptr<ParameterGroup> Group() const;

private:
    friend class Schema;
    Schema* schema_ = nullptr;
    System::Guid guid_;
    int id_ = 0;
    std::wstring name_;
    ParameterValueType type_ = ParameterValueType::Text;
    Model::Unit* unit_ = nullptr;
    ParameterGroup* group_ = nullptr;
};

} // namespace Vireo::Arbor::Model
