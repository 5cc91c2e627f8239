#pragma once
// References and objects of the PDM as the choosing dialogs list them.

#include "platform/arbor/ModelFwd.h"
#include "platform/ui/HostUiDriver.h"

namespace Vireo::PdmProxy {

Ui::ReferenceChoice ToChoice(const Arbor::Model::ReferenceInfo& reference);
Ui::ObjectChoice ToChoice(const Arbor::Model::ReferenceObject& object);

} // namespace Vireo::PdmProxy
