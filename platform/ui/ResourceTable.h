#pragma once
// The host's resource table: English display texts of the plug-in's resource keys.

#include <optional>
#include <span>
#include <string_view>

namespace Vireo::I18n {

struct ResourceText {
    std::wstring_view key;
    std::wstring_view text;
};

// Every entry of the table, ordered by key.
std::span<const ResourceText> ResourceTexts() noexcept;

// The text of `key` (exact, case-sensitive), or nothing when the table has none.
std::optional<std::wstring_view> FindResourceText(std::wstring_view key) noexcept;

} // namespace Vireo::I18n
