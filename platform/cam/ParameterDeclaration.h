#pragma once
// How a kind of CAM object (a tool logic, a strategy, an object class) declares its
// parameters: identifier, name, value kind, unit, default, and the group it belongs to.

#include "platform/cam/Parameters.h"
#include "platform/cam/Values.h"
#include "platform/zktypes/Units.h"

#include <span>
#include <string_view>

namespace Vireo::Cam {

struct ParameterDeclaration {
    UniqueIdentifier id;
    std::wstring_view name;
    BaseValue::ValueType kind = BaseValue::Unknown;
    zktypes::ZKUnitsEnum unit = zktypes::ZKUnits::None; // doubles only
    double defaultNumber = 0;                            // bools, ints and doubles
    std::wstring_view defaultText;                       // strings
    UniqueIdentifier group;                              // empty: top level

    // The default value of the parameter.
    std::unique_ptr<BaseValue> MakeDefault() const;
};

struct ParameterGroupDeclaration {
    UniqueIdentifier id;
    std::wstring_view name;
};

// The parameters with their defaults: top-level parameters in order, each group as one
// AggregateValue at the place of the group's first parameter.
Parameters BuildParameters(std::span<const ParameterDeclaration> declarations,
                           std::span<const ParameterGroupDeclaration> groups = {});

// The declaration with this identifier, or null.
const ParameterDeclaration* FindDeclaration(std::span<const ParameterDeclaration> declarations,
                                            const UniqueIdentifier& id) noexcept;

} // namespace Vireo::Cam
