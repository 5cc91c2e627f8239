#pragma once
// What the PDM-to-CAM builders read from a PDM object besides its rule rows: its link
// text and single parameters by GUID text.

#include "platform/arbor/ModelFwd.h"

#include <memory>
#include <string>
#include <string_view>

namespace Vireo::Cam::Pdm {

// The link text of the object; empty when the object, its reference or the reference's
// connection is missing.
std::wstring getPdmUri(const std::shared_ptr<Vireo::Arbor::Model::ReferenceObject>& object);

// The object's parameter with this GUID text; null when the text is no GUID, the object's
// class has no such parameter, or reading it fails.
std::shared_ptr<Vireo::Arbor::Model::Parameter> getPdmParameter(Vireo::Arbor::Model::ReferenceObject& object,
                                                                 std::wstring_view guidText);

} // namespace Vireo::Cam::Pdm
