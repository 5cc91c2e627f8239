// Rule cells of any text split into a class and a parameter path without failing, and the
// items of a path never hold a separator.

#include "FuzzText.h"
#include "pdm/rules/internal/RulePaths.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace Vireo::Cam::Pdm::internal;
    const std::wstring text = FuzzText(data, size);
    (void)getType(text, L"^");
    const auto [groups, parameter] = getGroupsAndParam(text);
    for (const std::wstring& group : groups)
        if (group.find(L'.') != std::wstring::npos || group.find(L"->") != std::wstring::npos)
            std::abort();
    if (parameter.find(L'.') != std::wstring::npos || parameter.find(L"->") != std::wstring::npos)
        std::abort();
    return 0;
}
