// A CAM document text either reads or is refused with the document's format error; one
// that reads writes out as text that reads back to the same text.

#include "platform/cam/CamDocument.h"
#include "platform/host/DocumentText.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string written;
    try {
        written = Vireo::Cam::ReadCamDocument(text)->SaveToText();
    } catch (const Vireo::Host::DocumentFormatError&) {
        return 0;
    }
    try {
        if (Vireo::Cam::ReadCamDocument(written)->SaveToText() != written)
            std::abort();
    } catch (const Vireo::Host::DocumentFormatError&) {
        std::abort(); // what the document wrote, it must read
    }
    return 0;
}
