// CAM object identity text either reads or raises a standard conversion error; what it
// reads writes as text that reads to the same identity.

#include "FuzzText.h"
#include "pdm/cam/CamObjectManager.h"

#include <cstdlib>
#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using Vireo::Cam::Pdm::CamObjectManager;
    CamObjectManager::ObjectId id;
    try {
        id = CamObjectManager::idFromString(FuzzText(data, size));
    } catch (const std::invalid_argument&) {
        return 0;
    } catch (const std::out_of_range&) {
        return 0;
    }
    const std::wstring written = CamObjectManager::idToString(id);
    if (CamObjectManager::idToString(CamObjectManager::idFromString(written)) != written)
        std::abort();
    return 0;
}
