// Identifier text given to ""_zkuid either gives an identifier or raises invalid_argument;
// an identifier it gives writes as text that reads to the same identifier, and the host's
// own reader agrees.

#include "pdm/cam/internal/ZkuidLiteral.h"

#include <cstdlib>
#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using Vireo::Cam::Pdm::internal::operator""_zkuid;
    UniqueIdentifier id;
    try {
        id = operator""_zkuid(reinterpret_cast<const char*>(data), size);
    } catch (const std::invalid_argument&) {
        return 0;
    }
    const std::wstring wide = id.ToString();
    const std::string written(wide.begin(), wide.end());
    if (!(operator""_zkuid(written.data(), written.size()) == id))
        std::abort();
    UniqueIdentifier host;
    if (!zktypes::TryParseIdentifier(wide, host) || !(host == id))
        std::abort();
    return 0;
}
