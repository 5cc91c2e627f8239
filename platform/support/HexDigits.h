#pragma once
// Hexadecimal digits, in either letter case, for every reader of GUID and escape texts.

namespace Vireo::Support {

// The digit's value 0..15, or -1 when the character is no hex digit.
constexpr int HexDigitValue(char32_t c) noexcept
{
    if (c >= U'0' && c <= U'9')
        return static_cast<int>(c - U'0');
    if (c >= U'a' && c <= U'f')
        return static_cast<int>(c - U'a') + 10;
    if (c >= U'A' && c <= U'F')
        return static_cast<int>(c - U'A') + 10;
    return -1;
}

} // namespace Vireo::Support
