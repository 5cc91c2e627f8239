#include "platform/host/ZKObjectID.h"

#include <cwchar>

std::wstring ZKObjectID::toString() const
{
    return std::to_wstring(value_);
}

ZKObjectID ZKObjectID::fromString(const wchar_t* text)
{
    if (!text || *text == L'\0')
        return ZKObjectID();
    std::uint64_t value = 0;
    for (const wchar_t* at = text; *at; ++at) {
        if (*at < L'0' || *at > L'9')
            return ZKObjectID();
        const auto digit = static_cast<std::uint64_t>(*at - L'0');
        if (value > (UINT64_MAX - digit) / 10)
            return ZKObjectID();
        value = value * 10 + digit;
    }
    return ZKObjectID(value);
}
