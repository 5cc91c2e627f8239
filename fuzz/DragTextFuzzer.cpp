// The drag text of the PDM client: any text gives a list (possibly empty) without failing,
// never more entries than hierarchy links, and every GUID listed stands in the text.

#include "FuzzText.h"
#include "pdm/links/Guid.h"
#include "pdm/plugin/DraggedPdmObjects.h"

#include <algorithm>
#include <cstdlib>
#include <cwctype>

namespace {

std::wstring lower(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return text;
}

std::size_t occurrences(const std::wstring& text, const std::wstring& part)
{
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::wstring::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace Vireo::Cam::Pdm;
    const std::wstring text = FuzzText(data, size);
    const DraggedPdmObjects dragged = GetObjectUuid(text);
    if (dragged.size() > occurrences(text, L"ParentHierarchyLink"))
        std::abort();
    const std::wstring folded = lower(text);
    for (const auto& [reference, object] : dragged)
        if (folded.find(ToNetGuid(reference).ToString()) == std::wstring::npos ||
            folded.find(ToNetGuid(object).ToString()) == std::wstring::npos)
            std::abort();
    return 0;
}
