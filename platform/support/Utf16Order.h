#pragma once
// wchar_t holds whole code points here, but texts are ordered as the host orders them:
// by their 16-bit (UTF-16) code units. The two orders differ only where a character
// above U+FFFF meets one in U+E000..U+FFFF: as a surrogate pair it sorts first.

#include <string_view>

namespace Vireo::Support {

// Negative, zero or positive as a sorts before, with or after b by UTF-16 code units.
int CompareUtf16(std::wstring_view a, std::wstring_view b) noexcept;

// Strict weak order by UTF-16 code units, usable as a map or sort comparator.
struct Utf16Less {
    using is_transparent = void;
    bool operator()(std::wstring_view a, std::wstring_view b) const noexcept
    {
        return CompareUtf16(a, b) < 0;
    }
};

} // namespace Vireo::Support
