#pragma once
// The host's translation helper for plug-ins: a resource key to its display text.

#include "platform/ui/I18n.h"

#include <string>
#include <string_view>

inline std::wstring ZKTrAtl(std::wstring_view key)
{
    return Vireo::I18n::Translate(key);
}
