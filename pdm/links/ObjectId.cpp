#include "pdm/links/ObjectId.h"

#include "pdm/links/Uri.h"

#include <array>
#include <charconv>
#include <stdexcept>

namespace Vireo::Cam::Pdm {
namespace {

constexpr std::wstring_view linkScheme = L"arbor";
constexpr std::wstring_view linkPath = L"/OpenReferenceWindow/";

// The whole text as a signed 32-bit decimal, as std::stoi reads it.
std::optional<std::int32_t> toInt32(const std::wstring& text)
{
    try {
        std::size_t used = 0;
        const long value = std::stol(text, &used, 10);
        if (used != text.size() || value < INT32_MIN || value > INT32_MAX)
            return std::nullopt;
        return static_cast<std::int32_t>(value);
    } catch (const std::logic_error&) {
        return std::nullopt;
    }
}

// Appends the decimal digits of `number` (std::to_wstring formats through swprintf, and every
// imported object gets a link).
void appendDecimal(std::wstring& text, std::int32_t number)
{
    std::array<char, 12> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
    text.append(digits.data(), end);
}

} // namespace

std::wstring GetUriFromObjectId(std::int32_t refId, std::int32_t objId, std::wstring_view address)
{
    std::wstring link = L"arbor://";
    link.reserve(64 + address.size());
    link += address;
    link += L"/OpenReferenceWindow/?refId=";
    appendDecimal(link, refId);
    link += L"&objId=";
    appendDecimal(link, objId);
    return link;
}

std::optional<ObjectId> GetObjectIdFromUri(std::wstring_view url)
{
    const Uri uri(url);
    if (uri.scheme != linkScheme || uri.path != linkPath)
        return std::nullopt;
    const auto [refText, objText] = uri.GetQueryParameters(L"refId", L"objId");
    if (!refText || !objText)
        return std::nullopt;
    const auto refId = toInt32(*refText);
    if (!refId)
        return std::nullopt;
    const auto objId = toInt32(*objText);
    if (!objId)
        return std::nullopt;
    return ObjectId{*refId, *objId};
}

} // namespace Vireo::Cam::Pdm
