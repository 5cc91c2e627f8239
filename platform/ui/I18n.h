#pragma once
// Translation of resource keys ("VireoCAM:PDM.<Area>.<Name>") to display text.

#include <string>
#include <string_view>

namespace Vireo::I18n {

// The display text of `key`; a key without a text is returned unchanged, so a missing
// resource shows up on screen as its key rather than as an empty label.
std::wstring Translate(std::wstring_view key);

} // namespace Vireo::I18n
