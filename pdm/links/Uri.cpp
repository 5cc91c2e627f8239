#include "pdm/links/Uri.h"

#include "platform/support/HexDigits.h"
#include "platform/support/Utf8.h"

#include <algorithm>
#include <bitset>
#include <cwctype>
#include <stdexcept>

namespace Vireo::Cam::Pdm {
namespace {

// Reads text[from, ...) up to the first character of stops (or the end). The stops are ASCII
// punctuation, looked up as bits: links are read once per listed object.
std::size_t scanTo(std::wstring_view text, std::size_t from, std::wstring_view stops)
{
    std::bitset<128> isStop;
    for (const wchar_t stop : stops)
        isStop.set(static_cast<std::size_t>(stop));
    const auto stopsAt = [&](wchar_t c) { return static_cast<std::uint32_t>(c) < 128 && isStop[static_cast<std::size_t>(c)]; };
    while (from < text.size() && !stopsAt(text[from]))
        ++from;
    return from;
}

std::uint16_t parsePort(std::wstring_view digits)
{
    try {
        std::size_t used = 0;
        const int value = std::stoi(std::wstring(digits), &used, 10);
        if (used == digits.size() && value >= 1 && value <= 65535)
            return static_cast<std::uint16_t>(value);
    } catch (const std::logic_error&) {
        // empty or out-of-range text: no port
    }
    return 0;
}

} // namespace

std::wstring PercentDecode(std::wstring_view component)
{
    if (component.find(L'%') == std::wstring_view::npos)
        return std::wstring(component);
    std::wstring out;
    out.reserve(component.size());
    std::string pending;
    auto flush = [&] {
        if (!pending.empty()) {
            out += Support::Utf8ToWide(pending);
            pending.clear();
        }
    };
    for (std::size_t i = 0; i < component.size(); ++i) {
        const wchar_t c = component[i];
        if (c != L'%') {
            flush();
            out.push_back(c);
            continue;
        }
        if (i + 2 >= component.size())
            return {};
        const int high = Support::HexDigitValue(static_cast<char32_t>(component[i + 1]));
        const int low = Support::HexDigitValue(static_cast<char32_t>(component[i + 2]));
        if (high < 0 || low < 0)
            return {};
        pending.push_back(static_cast<char>((high << 4) | low));
        i += 2;
    }
    flush();
    return out;
}

Uri::Uri(std::wstring_view text)
{
    const std::size_t n = text.size();
    std::size_t i = scanTo(text, 0, L":?#/");
    scheme.resize(i);
    std::transform(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(i), scheme.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c))); });
    if (i == n)
        return;
    if (text[i] != L':' || i + 1 >= n || text[i + 1] != L'/')
        return;
    i += 2;

    std::size_t cursor = i;
    if (i < n && text[i] == L'/') {
        std::size_t authority = ++i;
        std::size_t at = scanTo(text, authority, L"@/");
        if (at < n && text[at] == L'@') {
            const std::size_t colon = scanTo(text.substr(0, at), authority, L":");
            user.assign(text.substr(authority, colon - authority));
            if (colon < at)
                password = std::wstring(text.substr(colon + 1, at - colon - 1));
            authority = at + 1;
            cursor = scanTo(text, authority, L"/");
        } else {
            cursor = at;
        }

        std::size_t h = authority;
        bool bracketed = false;
        for (; h < cursor; ++h) {
            const wchar_t c = text[h];
            if (!bracketed && (c == L'/' || c == L':'))
                break;
            if (c == L'[')
                bracketed = true;
            else if (c == L']')
                bracketed = false;
        }
        host.assign(text.substr(authority, h - authority));
        if (h < cursor && text[h] == L':')
            port = parsePort(text.substr(h + 1, cursor - h - 1));
    } else if (scheme == L"file") {
        cursor = i - 1; // the single "/" begins the path; there is no authority
    } else {
        scheme.clear();
        return;
    }

    std::size_t end = scanTo(text, cursor, L"?#");
    path = PercentDecode(text.substr(cursor, end - cursor));
    cursor = end;
    if (cursor < n && text[cursor] == L'?') {
        end = scanTo(text, cursor + 1, L"#");
        query = PercentDecode(text.substr(cursor + 1, end - cursor - 1));
        cursor = end;
    }
    if (cursor < n && text[cursor] == L'#')
        fragment = PercentDecode(text.substr(cursor + 1));
}

std::vector<std::pair<std::wstring_view, std::wstring_view>> Uri::SplitQueryAsWritten(std::wstring_view q)
{
    std::vector<std::pair<std::wstring_view, std::wstring_view>> pairs;
    std::size_t i = 0;
    while (i < q.size()) {
        const std::size_t keyEnd = scanTo(q, i, L"=&");
        const std::wstring_view key = q.substr(i, keyEnd - i);
        std::wstring_view value;
        i = keyEnd;
        if (i < q.size() && q[i] == L'=') {
            const std::size_t valueEnd = scanTo(q, i + 1, L"&");
            value = q.substr(i + 1, valueEnd - i - 1);
            i = valueEnd;
        }
        pairs.emplace_back(key, value);
        if (i < q.size() && q[i] == L'&')
            ++i;
    }
    return pairs;
}

std::vector<std::pair<std::wstring, std::wstring>> Uri::SplitQuery(std::wstring_view q)
{
    std::vector<std::pair<std::wstring, std::wstring>> pairs;
    for (const auto& [key, value] : SplitQueryAsWritten(q))
        pairs.emplace_back(QueryText(key), QueryText(value));
    return pairs;
}

std::wstring Uri::QueryText(std::wstring_view written)
{
    std::wstring out(written);
    std::ranges::replace(out, L'+', L' ');
    return out;
}

bool Uri::SameQueryText(std::wstring_view written, std::wstring_view text)
{
    return std::ranges::equal(written, text, [](wchar_t w, wchar_t t) { return (w == L'+' ? L' ' : w) == t; });
}

} // namespace Vireo::Cam::Pdm
