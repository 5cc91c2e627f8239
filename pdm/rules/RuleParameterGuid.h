#pragma once
// The GUID of a PDM parameter named by a rule cell. Rule cells are edited by hand; they are
// read as every GUID text of the system is (36 characters, or 38 with braces), so that the
// two transfer directions agree on what a cell names.

#include "platform/arbor/SystemGuid.h"

#include <optional>
#include <stdexcept>
#include <string_view>

namespace Vireo::Cam::Pdm {

// The GUID a cell names; nothing for a cell that holds no GUID.
inline std::optional<System::Guid> FindRuleParameterGuid(std::wstring_view text) noexcept
{
    return System::Guid::TryParse(text);
}

// Throws std::invalid_argument for a cell that holds no GUID.
inline System::Guid RuleParameterGuid(std::wstring_view text)
{
    if (const auto guid = FindRuleParameterGuid(text))
        return *guid;
    throw std::invalid_argument("a rule names no PDM parameter GUID");
}

} // namespace Vireo::Cam::Pdm
