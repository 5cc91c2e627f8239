#pragma once
// GUID values and their text forms: the 36-character hyphenated text, the 16-byte value
// and the PDM model's System::Guid.

#include "platform/arbor/SystemGuid.h"
#include "platform/support/HexDigits.h"
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace Vireo::Cam::Pdm {

// Reads exactly 2 * sizeof(T) hex digits, most significant first; any other character
// raises std::domain_error("invalid character in GUID").
template <class T>
T parse_hex(const wchar_t* digits)
{
    static_assert(std::is_unsigned_v<T>);
    T result = 0;
    constexpr std::size_t count = 2 * sizeof(T);
    for (std::size_t i = 0; i < count; ++i) {
        const int digit = Support::HexDigitValue(static_cast<char32_t>(digits[i]));
        if (digit < 0)
            throw std::domain_error("invalid character in GUID");
        const auto value = static_cast<unsigned>(digit);
        result = static_cast<T>(result | static_cast<T>(value << (4 * (count - 1 - i))));
    }
    return result;
}

// Reads "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX" (at least 36 characters; the separator
// positions are not examined).
GUID ToGuid(std::wstring_view text);

System::Guid ToNetGuid(const GUID& guid);
System::Guid ToNetGuid(std::wstring_view text);

// A constant GUID key of the PDM side.
struct GuidKey {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];

    System::Guid ToNetGuid() const;
    std::wstring ToNetString() const;
};

} // namespace Vireo::Cam::Pdm
