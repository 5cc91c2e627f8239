#pragma once
// The GUID of a PDM parameter named by a rule cell. Rule cells are edited by hand, so a text
// too short to hold a GUID is refused here instead of being read past its end.

#include "pdm/links/Guid.h"

#include <stdexcept>
#include <string_view>

namespace Vireo::Cam::Pdm {

// Throws std::invalid_argument for a text shorter than a GUID and std::domain_error for one
// that holds other characters than hexadecimal digits.
inline System::Guid RuleParameterGuid(std::wstring_view text)
{
    constexpr std::size_t guidLength = 36;
    if (text.size() < guidLength)
        throw std::invalid_argument("a rule names no PDM parameter GUID");
    return ToNetGuid(text);
}

} // namespace Vireo::Cam::Pdm
