// Any bytes given to the host's XML reader and to the well-formedness check of our own files
// are read or refused with a reason; neither overflows the stack on deep nesting. A text the
// check accepts reads in the host reader, and what the host reader writes of it reads back to
// the same text. The host reader is lenient: what it makes of text that is not well-formed
// has no written form to keep.

#include "platform/xml/Document.h"
#include "platform/xml/WellFormedness.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const bool wellFormed = !zkaux::xml::FindXmlFault(text);
    zkaux::xml::Document doc;
    if (!doc.LoadXml(text)) {
        if (doc.GetError().empty() || (wellFormed && text.find('\0') == std::string_view::npos))
            std::abort();
        return 0;
    }
    if (!wellFormed)
        return 0;
    const std::string written = doc.ToString();
    zkaux::xml::Document again;
    if (!again.LoadXml(written) || again.ToString() != written)
        std::abort();
    return 0;
}
