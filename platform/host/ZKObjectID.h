#pragma once
// The identifier of a host document object: a 64-bit value, 0 for "none". Its text is the
// decimal number, so it never contains "_".

#include <compare>
#include <cstdint>
#include <functional>
#include <string>

class ZKObjectID {
public:
    constexpr ZKObjectID() = default;
    constexpr explicit ZKObjectID(std::uint64_t value) : value_(value) {}

    constexpr std::uint64_t Value() const noexcept { return value_; }
    constexpr bool IsNull() const noexcept { return value_ == 0; }

    std::wstring toString() const;
    // Reads the decimal text; text that is not a whole 64-bit number gives the null id.
    static ZKObjectID fromString(const wchar_t* text);

    friend constexpr auto operator<=>(const ZKObjectID&, const ZKObjectID&) = default;

private:
    std::uint64_t value_ = 0;
};

template <>
struct std::hash<ZKObjectID> {
    std::size_t operator()(const ZKObjectID& id) const noexcept { return std::hash<std::uint64_t>{}(id.Value()); }
};
