#include "pdm/rules/internal/RulePaths.h"

namespace Vireo::Cam::Pdm::internal {
namespace {

constexpr std::size_t bracedGuidLength = 38;
constexpr std::wstring_view nilGuid = L"00000000-0000-0000-0000-000000000000";

std::wstring withoutBraces(std::wstring_view item)
{
    if (item.size() == bracedGuidLength)
        item = item.substr(1, item.size() - 2);
    return std::wstring(item);
}

std::vector<std::wstring> splitPath(std::wstring_view text)
{
    std::vector<std::wstring> items;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'.') {
            items.push_back(withoutBraces(text.substr(start, i - start)));
            start = i + 1;
        } else if (text[i] == L'-' && i + 1 < text.size() && text[i + 1] == L'>') {
            items.push_back(withoutBraces(text.substr(start, i - start)));
            start = i + 2;
            ++i;
        } else if (i + 1 == text.size()) {
            items.push_back(withoutBraces(text.substr(start)));
        }
    }
    return items;
}

} // namespace

std::wstring getType(std::wstring_view text, std::wstring_view separator)
{
    std::wstring result;
    std::size_t position = 0;
    while (position < text.size()) {
        const std::size_t next = text.find(separator, position);
        const std::size_t end = next == std::wstring_view::npos ? text.size() : next;
        result = withoutBraces(text.substr(position, end - position));
        if (next == std::wstring_view::npos)
            break;
        position = next + separator.size();
    }
    if (result == nilGuid)
        result.clear();
    return result;
}

std::pair<std::vector<std::wstring>, std::wstring> getGroupsAndParam(std::wstring_view text)
{
    std::vector<std::wstring> items = splitPath(text);
    if (items.empty())
        return {};
    std::wstring parameter = std::move(items.back());
    items.pop_back();
    if (items.size() >= 2)
        items.erase(items.begin());
    return {std::move(items), std::move(parameter)};
}

} // namespace Vireo::Cam::Pdm::internal
