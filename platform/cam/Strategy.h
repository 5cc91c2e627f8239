#pragma once
// Machining strategies: what a machining does (layer milling, face turning, drilling ...),
// which fixes the machining's parameters. Strategies are made by the default strategy factory.

#include "platform/cam/ParameterDeclaration.h"
#include "platform/zktypes/UniqueIdentifier.h"

#include <memory>
#include <span>
#include <string_view>

namespace Vireo::Cam {

struct StrategyDescription {
    UniqueIdentifier kind;
    int kindNumber = 0; // 1-based
    std::wstring_view name;
    std::span<const ParameterDeclaration> parameters;
    std::span<const ParameterGroupDeclaration> groups;
};

class IStrategy {
public:
    virtual ~IStrategy() = default;
    virtual const UniqueIdentifier& GetKind() const noexcept = 0;
    virtual const StrategyDescription& GetDescription() const noexcept = 0;
    std::span<const ParameterDeclaration> GetParameterDeclarations() const noexcept
    {
        return GetDescription().parameters;
    }
    virtual std::unique_ptr<IStrategy> Clone() const = 0;
};

class IStrategyFactory {
public:
    virtual ~IStrategyFactory() = default;
    // A new strategy of the kind, or null for a kind the factory does not know.
    virtual std::unique_ptr<IStrategy> Create(const UniqueIdentifier& kind) const = 0;
    virtual std::span<const StrategyDescription> GetDescriptions() const noexcept = 0;
};

const IStrategyFactory& GetDefaultStrategyFactory();

} // namespace Vireo::Cam
