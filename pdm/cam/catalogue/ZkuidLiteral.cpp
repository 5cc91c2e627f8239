#include "pdm/cam/internal/ZkuidLiteral.h"

#include "platform/support/HexDigits.h"

#include <stdexcept>
#include <string_view>

namespace Vireo::Cam::Pdm::internal {

namespace {

constexpr const char* formMessage =
    "a string of the form XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX or {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX} "
    "is expected";

std::uint8_t hexDigitValue(char c)
{
    const int value = Vireo::Support::HexDigitValue(static_cast<unsigned char>(c));
    if (value < 0)
        throw std::invalid_argument("non-hex-digit character");
    return static_cast<std::uint8_t>(value);
}

std::uint32_t hexNumber(std::string_view text, std::size_t from, std::size_t count)
{
    std::uint32_t value = 0;
    for (std::size_t i = from; i < from + count; ++i)
        value = (value << 4) | hexDigitValue(text[i]);
    return value;
}

// The 36 characters between the braces, or the whole text when it has none.
std::string_view stripBraces(std::string_view text)
{
    if (text.size() == 38) {
        if (text.front() != '{' || text.back() != '}')
            throw std::invalid_argument("missing opening and/or closing brace");
        return text.substr(1, 36);
    }
    if (text.size() != 36)
        throw std::invalid_argument(formMessage);
    return text;
}

} // namespace

UniqueIdentifier operator""_zkuid(const char* text, std::size_t length)
{
    const std::string_view digits = stripBraces(std::string_view(text, length));
    for (std::size_t dash : {8u, 13u, 18u, 23u})
        if (digits[dash] != '-')
            throw std::invalid_argument(formMessage);

    UniqueIdentifier id;
    id.Data1 = hexNumber(digits, 0, 8);
    id.Data2 = static_cast<std::uint16_t>(hexNumber(digits, 9, 4));
    id.Data3 = static_cast<std::uint16_t>(hexNumber(digits, 14, 4));
    constexpr std::size_t tailAt[8] = {19, 21, 24, 26, 28, 30, 32, 34};
    for (std::size_t i = 0; i < 8; ++i)
        id.Data4[i] = static_cast<std::uint8_t>(hexNumber(digits, tailAt[i], 2));
    return id;
}

} // namespace Vireo::Cam::Pdm::internal
