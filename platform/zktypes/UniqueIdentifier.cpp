#include "platform/zktypes/UniqueIdentifier.h"

#include "platform/support/HashCombine.h"
#include "platform/support/HexDigits.h"

#include <cstdio>

const UniqueIdentifier UniqueIdentifier::Null{};

namespace {

// Appends `digits` lower-case hexadecimal digits of `value`, most significant first. Written
// by hand: the host's journal writes identifiers of every saved value, and formatting them
// through swprintf was a tenth of an import.
void appendHex(std::wstring& text, std::uint64_t value, int digits)
{
    constexpr wchar_t hex[] = L"0123456789abcdef";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        text.push_back(hex[(value >> shift) & 0xF]);
}

} // namespace

std::wstring UniqueIdentifier::ToString() const
{
    std::wstring text;
    text.reserve(36);
    appendHex(text, Data1, 8);
    text.push_back(L'-');
    appendHex(text, Data2, 4);
    text.push_back(L'-');
    appendHex(text, Data3, 4);
    text.push_back(L'-');
    for (int i = 0; i < 8; ++i) {
        if (i == 2)
            text.push_back(L'-');
        appendHex(text, Data4[i], 2);
    }
    return text;
}

namespace zktypes {
namespace {

bool readHex(std::wstring_view text, std::size_t at, std::size_t digits, std::uint64_t& out)
{
    out = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        const int d = Vireo::Support::HexDigitValue(static_cast<char32_t>(text[at + i]));
        if (d < 0)
            return false;
        out = (out << 4) | static_cast<std::uint64_t>(d);
    }
    return true;
}

} // namespace

bool TryParseIdentifier(std::wstring_view text, UniqueIdentifier& out) noexcept
{
    if (text.size() == 38) {
        if (text.front() != L'{' || text.back() != L'}')
            return false;
        text = text.substr(1, 36);
    }
    if (text.size() != 36 || text[8] != L'-' || text[13] != L'-' || text[18] != L'-' || text[23] != L'-')
        return false;
    std::uint64_t field = 0;
    UniqueIdentifier id;
    if (!readHex(text, 0, 8, field)) return false;
    id.Data1 = static_cast<std::uint32_t>(field);
    if (!readHex(text, 9, 4, field)) return false;
    id.Data2 = static_cast<std::uint16_t>(field);
    if (!readHex(text, 14, 4, field)) return false;
    id.Data3 = static_cast<std::uint16_t>(field);
    const std::size_t at[8] = {19, 21, 24, 26, 28, 30, 32, 34};
    for (std::size_t i = 0; i < 8; ++i) {
        if (!readHex(text, at[i], 2, field)) return false;
        id.Data4[i] = static_cast<std::uint8_t>(field);
    }
    out = id;
    return true;
}

} // namespace zktypes

std::size_t std::hash<UniqueIdentifier>::operator()(const UniqueIdentifier& id) const noexcept
{
    return static_cast<std::size_t>(Vireo::Support::HashValues(id.High(), id.Low()));
}
