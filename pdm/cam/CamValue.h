#pragma once
// A CAM value handed out by the adapter, owned or borrowed.

#include "platform/cam/Values.h"

#include <memory>

namespace Vireo::Cam::Pdm {

// Deletes values the adapter made and leaves borrowed host values alone.
struct CamValueDeleter {
    bool owned = false;
    void operator()(Cam::BaseValue* value) const noexcept
    {
        if (owned)
            delete value;
    }
};

// A CAM value: owned by the caller when the adapter made it, borrowed from the host object
// otherwise (valid during the current operation only); null for no value.
using CamValuePtr = std::unique_ptr<Cam::BaseValue, CamValueDeleter>;

} // namespace Vireo::Cam::Pdm
