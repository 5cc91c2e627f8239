#include "platform/cam/ParameterDeclaration.h"

#include <algorithm>
#include <cmath>

namespace Vireo::Cam {

std::unique_ptr<BaseValue> ParameterDeclaration::MakeDefault() const
{
    switch (kind) {
    case BaseValue::Bool: return std::make_unique<BoolValue>(defaultNumber != 0);
    case BaseValue::Int: return std::make_unique<IntValue>(static_cast<std::int32_t>(std::lround(defaultNumber)));
    case BaseValue::Double:
        if (unit == zktypes::ZKUnits::None)
            return std::make_unique<DoubleValue>(defaultNumber);
        return std::make_unique<DoubleValue>(defaultNumber, unit);
    case BaseValue::String: return std::make_unique<StringValue>(defaultText);
    default: return nullptr;
    }
}

Parameters BuildParameters(std::span<const ParameterDeclaration> declarations,
                           std::span<const ParameterGroupDeclaration> groups)
{
    Parameters parameters;
    parameters.Reserve(declarations.size());
    for (const ParameterDeclaration& declaration : declarations) {
        std::unique_ptr<BaseValue> value = declaration.MakeDefault();
        if (!value)
            continue;
        if (declaration.group.IsEmpty()) {
            parameters.Add(declaration.id, std::move(value));
            continue;
        }
        const bool known = std::any_of(groups.begin(), groups.end(),
                                       [&](const ParameterGroupDeclaration& g) { return g.id == declaration.group; });
        if (!known)
            continue;
        BaseValue* group = parameters.GetValue(declaration.group);
        if (!group) {
            auto added = std::make_unique<AggregateValue>();
            group = added.get();
            parameters.Add(declaration.group, std::move(added));
        }
        group->AsAggregate()->GetValue().Add(declaration.id, std::move(value));
    }
    return parameters;
}

const ParameterDeclaration* FindDeclaration(std::span<const ParameterDeclaration> declarations,
                                            const UniqueIdentifier& id) noexcept
{
    const auto found = std::find_if(declarations.begin(), declarations.end(),
                                    [&](const ParameterDeclaration& d) { return d.id == id; });
    return found == declarations.end() ? nullptr : &*found;
}

} // namespace Vireo::Cam
