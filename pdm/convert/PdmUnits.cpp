#include "pdm/convert/ValueConversion.h"

namespace Vireo::Cam::Pdm {

// The host's unit catalogue is keyed by the PDM units' GUIDs in their text form.
const zktypes::Unit* FromPdmUnit(const std::shared_ptr<Arbor::Model::Unit>& pdmUnit)
{
    if (!pdmUnit)
        return nullptr;
    const std::wstring text = pdmUnit->Guid().ToString();
    if (text.empty())
        return nullptr;
    return zktypes::Units::Instance().GetStaticUnit(zktypes::UniqueID(text));
}

} // namespace Vireo::Cam::Pdm
