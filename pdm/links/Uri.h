#pragma once
// A small URI parser: enough to read the links that CAM objects carry.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Vireo::Cam::Pdm {

struct Uri {
    std::wstring scheme;   // lower-cased
    std::wstring user;
    std::wstring host;     // as written; an IPv6 literal keeps its brackets
    std::uint16_t port = 0; // 0: no (valid) port given
    std::wstring path;     // percent-decoded
    std::wstring query;    // without "?", percent-decoded as a whole
    std::wstring fragment; // without "#", percent-decoded
    std::optional<std::wstring> password;

    Uri() = default;
    // Never fails on malformed structure; fields not reached stay empty. Percent escapes
    // that are not valid UTF-8 raise std::range_error("bad conversion").
    explicit Uri(std::wstring_view text);

    std::wstring GetScheme() const { return scheme; }
    std::wstring GetPath() const { return path; }

    // The values of the given keys, in key order; the last occurrence of a key wins and
    // keys that do not occur stay empty.
    template <class... Keys>
    std::array<std::optional<std::wstring>, sizeof...(Keys)> GetQueryParameters(const Keys*... keys) const
    {
        static_assert((std::is_same_v<Keys, wchar_t> && ...), "keys are wide strings");
        std::array<std::optional<std::wstring>, sizeof...(Keys)> values;
        const std::array<std::wstring_view, sizeof...(Keys)> wanted{std::wstring_view(keys)...};
        for (const auto& [key, value] : SplitQueryAsWritten(query)) {
            for (std::size_t k = 0; k < wanted.size(); ++k) {
                if (SameQueryText(key, wanted[k])) {
                    values[k] = QueryText(value);
                    break;
                }
            }
        }
        return values;
    }

    // Splits a decoded query into its (key, value) pairs in order, "+" read as a space.
    static std::vector<std::pair<std::wstring, std::wstring>> SplitQuery(std::wstring_view query);
    // The same pairs as written, "+" not yet read: links are read often and want two values.
    static std::vector<std::pair<std::wstring_view, std::wstring_view>> SplitQueryAsWritten(std::wstring_view query);
    // A key or value as written, "+" read as a space.
    static std::wstring QueryText(std::wstring_view written);
    // Whether a key as written reads as `text`.
    static bool SameQueryText(std::wstring_view written, std::wstring_view text);
};

// Percent-decodes one URI component; escaped bytes are read as UTF-8. A "%" that is not
// followed by two hex digits empties the whole component.
std::wstring PercentDecode(std::wstring_view component);

} // namespace Vireo::Cam::Pdm
