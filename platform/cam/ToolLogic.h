#pragma once
// Tool logics: the kind of a tool (end mill, drill, turning insert ...), which fixes the
// tool's parameters. Logics are made by the default tool-logic factory from a kind identifier.

#include "platform/cam/ParameterDeclaration.h"
#include "platform/zktypes/UniqueIdentifier.h"

#include <memory>
#include <span>
#include <string_view>

namespace Vireo::Cam {

// The description record of a tool-logic kind.
struct ToolLogicDescription {
    UniqueIdentifier kind;
    int kindNumber = 0; // the host's number of the kind, 1-based
    std::wstring_view name;
    std::span<const ParameterDeclaration> parameters;
};

class IToolLogic {
public:
    virtual ~IToolLogic() = default;
    virtual const UniqueIdentifier& GetKind() const noexcept = 0;
    virtual const ToolLogicDescription& GetDescription() const noexcept = 0;
    std::span<const ParameterDeclaration> GetParameterDeclarations() const noexcept
    {
        return GetDescription().parameters;
    }
    virtual std::unique_ptr<IToolLogic> Clone() const = 0;
};

class IToolLogicFactory {
public:
    virtual ~IToolLogicFactory() = default;
    // A new logic of the kind, or null for a kind the factory does not know.
    virtual std::unique_ptr<IToolLogic> Create(const UniqueIdentifier& kind) const = 0;
    // Every kind the factory knows, in the order of their kind numbers.
    virtual std::span<const ToolLogicDescription> GetDescriptions() const noexcept = 0;
};

const IToolLogicFactory& GetDefaultToolLogicFactory();

} // namespace Vireo::Cam
