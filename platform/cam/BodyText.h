#pragma once
// The body size of a part or fixture in the document text ("body l w h" or "body -").

#include "platform/cam/Measurer.h"
#include "platform/host/DocumentText.h"

#include <optional>

namespace Vireo::Cam {

void SaveBody(Host::TextNode& node, const std::optional<BodySize>& body);
std::optional<BodySize> LoadBody(const Host::TextNode& node);

} // namespace Vireo::Cam
