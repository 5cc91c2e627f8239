#pragma once
// The drag text the PDM client hands over when PDM objects are dragged out of it: an
// "Objects" list naming each object and its reference by GUID.

#include "platform/arbor/ModelFwd.h"

#include <memory>
#include <string>
#include <vector>

namespace Campdm {

std::string PdmDragText(const Vireo::Arbor::Model::Reference& reference,
                        const std::vector<std::shared_ptr<Vireo::Arbor::Model::ReferenceObject>>& objects);

} // namespace Campdm
