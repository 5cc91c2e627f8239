// Any text given to the link reader either reads as a pair of ids, is no link, or is a
// link whose escapes are not UTF-8; nothing else may come out of it.

#include "FuzzText.h"
#include "pdm/links/ObjectId.h"
#include "pdm/links/Uri.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace Vireo::Cam::Pdm;
    const std::wstring text = FuzzText(data, size);
    try {
        const Uri uri(text);
        (void)uri.GetQueryParameters(L"refId", L"objId");
    } catch (const std::range_error& e) {
        if (std::strcmp(e.what(), "bad conversion") != 0)
            std::abort();
    }
    try {
        if (const auto id = GetObjectIdFromUri(text)) {
            // a link that reads must be one we would write for the same ids
            const Uri uri(text);
            if (uri.GetScheme() != L"arbor" || uri.GetPath() != L"/OpenReferenceWindow/")
                std::abort();
        }
    } catch (const std::range_error& e) {
        if (std::strcmp(e.what(), "bad conversion") != 0)
            std::abort();
    }
    return 0;
}
