#pragma once
// Icons of the plug-in, SVG files in the plug-in's folder ("VireoCAM") of the host's images.

#include "platform/ui/Images.h"

#include <string_view>
#include <vector>

namespace Vireo::Cam::UI {
}

namespace Vireo::Cam::Pdm::UI {

// The CAM tree's own UI names stay reachable as UI:: from inside the plug-in.
using namespace Vireo::Cam::UI;

// The image of `fileName` at `sizes` (the plug-in always asks for 16, 24 and 32).
zkpf::Image LoadResCamIcon(std::wstring_view fileName, std::vector<int> sizes);

} // namespace Vireo::Cam::Pdm::UI
