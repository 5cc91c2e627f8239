#pragma once
// Why a drop of PDM objects into the CAM tree made nothing, in one line: the plug-in answers a
// payload it cannot use by doing nothing, and the user needs to know which dragged object
// stopped it and why.

#include "platform/arbor/ModelFwd.h"
#include "platform/cammodule/DragDropExtension.h"

#include <string>

namespace Campdm {

// The payload read as the plug-in reads it; each dragged object it counts is looked up in the
// PDM and tried alone over the target, and the first one that fails is named with the reason.
std::string WhyNothingDropped(const std::string& payload, Vireo::Arbor::Model::ServerConnection& pdm,
                              Vireo::Cam::UI::IDragDropExtension& extension, const Vireo::Cam::UI::DragObject& target);

} // namespace Campdm
