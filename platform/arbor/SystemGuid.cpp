#include "SystemGuid.h"

#include "platform/support/HashCombine.h"
#include "platform/support/HexDigits.h"
#include "platform/support/Utf8.h"

#include <random>
#include <stdexcept>
#include <type_traits>

namespace System {
namespace {

// The digit values of the ASCII characters, -1 for those that are none: GUID texts are
// parsed for every parameter a rule row names.
constexpr auto asciiHexValues = [] {
    std::array<std::int8_t, 128> values{};
    for (std::size_t c = 0; c < values.size(); ++c)
        values[c] = static_cast<std::int8_t>(Vireo::Support::HexDigitValue(static_cast<char32_t>(c)));
    return values;
}();

template <class Char>
int hexValue(Char c)
{
    const auto code = static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<Char>>(c));
    return code < asciiHexValues.size() ? asciiHexValues[code] : -1;
}

template <class T, class Char>
bool readHex(std::basic_string_view<Char> text, std::size_t at, T& out)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < 2 * sizeof(T); ++i) {
        const int d = hexValue(text[at + i]);
        if (d < 0)
            return false;
        value = (value << 4) | static_cast<std::uint64_t>(d);
    }
    out = static_cast<T>(value);
    return true;
}

template <class Char>
std::optional<Guid> parseGuid(std::basic_string_view<Char> text) noexcept
{
    if (text.size() == 38) {
        if (text.front() != Char('{') || text.back() != Char('}'))
            return std::nullopt;
        text = text.substr(1, 36);
    }
    const Char dash('-');
    if (text.size() != 36 || text[8] != dash || text[13] != dash || text[18] != dash || text[23] != dash)
        return std::nullopt;
    std::uint32_t d1 = 0;
    std::uint16_t d2 = 0, d3 = 0;
    Guid::Tail tail{};
    if (!readHex(text, 0, d1) || !readHex(text, 9, d2) || !readHex(text, 14, d3))
        return std::nullopt;
    constexpr std::size_t tailAt[8] = {19, 21, 24, 26, 28, 30, 32, 34};
    for (std::size_t i = 0; i < 8; ++i)
        if (!readHex(text, tailAt[i], tail[i]))
            return std::nullopt;
    return Guid(d1, d2, d3, tail);
}

} // namespace

Guid Guid::NewGuid()
{
    // Opened once per thread: opening the source asks the processor what it offers, which
    // under a hypervisor cost more than saving the object the GUID is for.
    thread_local std::random_device device;
    std::uniform_int_distribution<std::uint32_t> word;
    std::array<std::uint32_t, 4> w{word(device), word(device), word(device), word(device)};
    Tail tail{};
    for (std::size_t i = 0; i < 8; ++i)
        tail[i] = static_cast<std::uint8_t>(w[2 + i / 4] >> (8 * (i % 4)));
    tail[0] = static_cast<std::uint8_t>((tail[0] & 0x3F) | 0x80); // RFC 4122 variant
    const auto data3 = static_cast<std::uint16_t>(((w[1] >> 16) & 0x0FFF) | 0x4000); // version 4
    return Guid(w[0], static_cast<std::uint16_t>(w[1]), data3, tail);
}

std::optional<Guid> Guid::TryParse(std::wstring_view text) noexcept
{
    return parseGuid(text);
}

std::optional<Guid> Guid::TryParse(std::string_view text) noexcept
{
    return parseGuid(text);
}

Guid Guid::Parse(std::wstring_view text)
{
    if (auto guid = TryParse(text))
        return *guid;
    std::string shown;
    try {
        shown = Vireo::Support::WideToUtf8(text);
    } catch (const std::range_error&) {
        shown = "<not text>";
    }
    throw std::invalid_argument("not a GUID: \"" + shown + "\"");
}

std::wstring Guid::ToString() const
{
    return text<std::wstring>();
}

std::string Guid::ToUtf8() const
{
    return text<std::string>();
}

// Written in place: texts of GUIDs are made for every saved object and every class asked.
template <class Text>
Text Guid::text() const
{
    static constexpr char digits[] = "0123456789abcdef";
    Text out(36, '-');
    std::size_t at = 0;
    auto put = [&](std::uint64_t value, int count) {
        for (int i = count - 1; i >= 0; --i)
            out[at++] = static_cast<typename Text::value_type>(digits[(value >> (4 * i)) & 0xF]);
    };
    put(data1_, 8);
    ++at;
    put(data2_, 4);
    ++at;
    put(data3_, 4);
    ++at;
    put(data4_[0], 2);
    put(data4_[1], 2);
    ++at;
    for (std::size_t i = 2; i < 8; ++i)
        put(data4_[i], 2);
    return out;
}

} // namespace System

std::size_t std::hash<System::Guid>::operator()(const System::Guid& g) const noexcept
{
    std::uint64_t high = (std::uint64_t{g.Data1()} << 32) | (std::uint64_t{g.Data2()} << 16) | g.Data3();
    std::uint64_t low = 0;
    for (auto b : g.Data4())
        low = (low << 8) | b;
    std::uint64_t seed = 0;
    Vireo::Support::HashCombine(seed, high);
    Vireo::Support::HashCombine(seed, low);
    return static_cast<std::size_t>(seed);
}
