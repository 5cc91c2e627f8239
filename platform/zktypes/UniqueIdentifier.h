#pragma once
// The host's 16-byte identifier of parameters, tool kinds, strategies, stock kinds and
// geometry-set slots, laid out like a GUID.

#include "platform/support/HexDigits.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

struct UniqueIdentifier {
    std::uint32_t Data1 = 0;
    std::uint16_t Data2 = 0;
    std::uint16_t Data3 = 0;
    std::uint8_t Data4[8] = {0, 0, 0, 0, 0, 0, 0, 0};

    // The all-zero identifier: "no host parameter".
    static const UniqueIdentifier Null;
    static const UniqueIdentifier& Empty() noexcept { return Null; }

    constexpr std::uint64_t High() const noexcept
    {
        return (std::uint64_t{Data1} << 32) | (std::uint64_t{Data2} << 16) | Data3;
    }
    constexpr std::uint64_t Low() const noexcept
    {
        std::uint64_t low = 0;
        for (std::uint8_t byte : Data4)
            low = (low << 8) | byte;
        return low;
    }
    // Compared by fields, not by High() and Low(): every parameter lookup compares identifiers.
    constexpr bool IsEmpty() const noexcept { return Data1 == 0 && Data2 == 0 && Data3 == 0 && tail() == 0; }

    // Lower-case hyphenated text without braces.
    std::wstring ToString() const;

    friend constexpr bool operator==(const UniqueIdentifier& a, const UniqueIdentifier& b) noexcept
    {
        return a.Data1 == b.Data1 && a.Data2 == b.Data2 && a.Data3 == b.Data3 && a.tail() == b.tail();
    }
    friend constexpr bool operator<(const UniqueIdentifier& a, const UniqueIdentifier& b) noexcept
    {
        return a.High() != b.High() ? a.High() < b.High() : a.Low() < b.Low();
    }

private:
    // The eight tail bytes as one word, in memory order.
    constexpr std::uint64_t tail() const noexcept { return std::bit_cast<std::uint64_t>(Data4); }
};

namespace zktypes {

namespace detail {
consteval std::uint8_t hexDigit(char c)
{
    const int value = Vireo::Support::HexDigitValue(static_cast<unsigned char>(c));
    if (value < 0)
        throw "non-hex digit in a host identifier";
    return static_cast<std::uint8_t>(value);
}
consteval std::uint64_t hexField(const char* text, int from, int count)
{
    std::uint64_t value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 4) | hexDigit(text[from + i]);
    return value;
}
} // namespace detail

// Compile-time identifier from "xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx"; the host's own tables
// are written with it so that every identifier reads as it is quoted.
consteval UniqueIdentifier HostId(const char (&text)[37])
{
    if (text[8] != '-' || text[13] != '-' || text[18] != '-' || text[23] != '-')
        throw "malformed host identifier";
    UniqueIdentifier id;
    id.Data1 = static_cast<std::uint32_t>(detail::hexField(text, 0, 8));
    id.Data2 = static_cast<std::uint16_t>(detail::hexField(text, 9, 4));
    id.Data3 = static_cast<std::uint16_t>(detail::hexField(text, 14, 4));
    const int at[8] = {19, 21, 24, 26, 28, 30, 32, 34};
    for (int i = 0; i < 8; ++i)
        id.Data4[i] = static_cast<std::uint8_t>(detail::hexField(text, at[i], 2));
    return id;
}

// Reads identifier text (hyphenated, optionally in braces, either case); false when malformed.
bool TryParseIdentifier(std::wstring_view text, UniqueIdentifier& out) noexcept;

} // namespace zktypes

template <>
struct std::hash<UniqueIdentifier> {
    std::size_t operator()(const UniqueIdentifier& id) const noexcept;
};
