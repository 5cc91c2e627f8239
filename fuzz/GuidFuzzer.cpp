// GUID text of at least 36 characters either reads as a GUID whose text form reads back
// to the same value, or raises the one domain error.

#include "FuzzText.h"
#include "pdm/links/Guid.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace Vireo::Cam::Pdm;
    const std::wstring text = FuzzText(data, size);
    if (text.size() < 36)
        return 0;
    try {
        const GUID guid = ToGuid(text);
        const System::Guid net = ToNetGuid(guid);
        if (!(ToGuid(net.ToString()) == guid) || ToNetGuid(text) != net)
            std::abort();
    } catch (const std::domain_error& e) {
        if (std::strcmp(e.what(), "invalid character in GUID") != 0)
            std::abort();
    }
    return 0;
}
