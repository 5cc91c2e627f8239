#pragma once
// Writes RapidXML elements as indented text with escaped attribute values and text.

#include "platform/xml/Node.h"

#include <string>

namespace zkaux::xml {

// Appends `node` and its subtree to `out`, indented by two blanks per level of `depth`.
void WriteElement(std::string& out, const XmlNode& node, int depth);

} // namespace zkaux::xml
