#pragma once
// The host program prints UTF-8; the plug-in and the models speak wide text.

#include "platform/support/Utf8.h"

#include <string>
#include <string_view>

namespace Campdm {

inline std::string Utf8(std::wstring_view text)
{
    return Vireo::Support::WideToUtf8(text);
}

} // namespace Campdm
