#include "Utf16Order.h"

#include <string>

namespace Vireo::Support {
namespace {

void appendUnits(std::u16string& out, wchar_t c)
{
    const auto cp = static_cast<char32_t>(c);
    if (cp > 0xFFFF && cp <= 0x10FFFF) {
        const char32_t v = cp - 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
    } else {
        out.push_back(static_cast<char16_t>(cp));
    }
}

std::u16string toUnits(std::wstring_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (wchar_t c : text)
        appendUnits(out, c);
    return out;
}

} // namespace

int CompareUtf16(std::wstring_view a, std::wstring_view b) noexcept
{
    const auto n = a.size() < b.size() ? a.size() : b.size();
    std::size_t i = 0;
    while (i < n && a[i] == b[i])
        ++i;
    if (i == n)
        return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);

    const auto ca = static_cast<char32_t>(a[i]);
    const auto cb = static_cast<char32_t>(b[i]);
    if (ca <= 0xFFFF && cb <= 0xFFFF && (ca < 0xD800 || ca > 0xDFFF) && (cb < 0xD800 || cb > 0xDFFF))
        return ca < cb ? -1 : 1;

    // A supplementary character or a lone surrogate: compare the code units of the rest.
    const auto ua = toUnits(a.substr(i));
    const auto ub = toUnits(b.substr(i));
    return ua.compare(ub) < 0 ? -1 : (ua == ub ? 0 : 1);
}

} // namespace Vireo::Support
