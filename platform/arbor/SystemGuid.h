#pragma once
// The PDM model's 16-byte GUID value. Its default text is lower-case, hyphenated and
// without braces: "xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx".

#include <array>
#include <compare>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace System {

class Guid {
public:
    using Tail = std::array<std::uint8_t, 8>;

    constexpr Guid() = default;
    constexpr Guid(std::uint32_t data1, std::uint16_t data2, std::uint16_t data3, const Tail& data4)
        : data1_(data1), data2_(data2), data3_(data3), data4_(data4)
    {
    }

    static constexpr Guid Empty() { return Guid{}; }
    // A new random (version 4) GUID.
    static Guid NewGuid();
    // Reads "xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx", optionally in braces, hex digits in
    // either case; throws std::invalid_argument naming the text when it is not a GUID.
    static Guid Parse(std::wstring_view text);
    static std::optional<Guid> TryParse(std::wstring_view text) noexcept;
    // The same from UTF-8 text, as storage hands it out.
    static std::optional<Guid> TryParse(std::string_view text) noexcept;

    constexpr std::uint32_t Data1() const { return data1_; }
    constexpr std::uint16_t Data2() const { return data2_; }
    constexpr std::uint16_t Data3() const { return data3_; }
    constexpr const Tail& Data4() const { return data4_; }
    constexpr bool IsEmpty() const { return *this == Guid{}; }

    std::wstring ToString() const;
    // The same text in UTF-8, as the storage binds it.
    std::string ToUtf8() const;

    friend constexpr bool operator==(const Guid&, const Guid&) = default;
    friend constexpr auto operator<=>(const Guid&, const Guid&) = default;

private:
    template <class Text>
    Text text() const;

    std::uint32_t data1_ = 0;
    std::uint16_t data2_ = 0;
    std::uint16_t data3_ = 0;
    Tail data4_{};
};

} // namespace System

template <>
struct std::hash<System::Guid> {
    std::size_t operator()(const System::Guid& g) const noexcept;
};
