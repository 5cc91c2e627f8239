#include "pdm/rulecheck/internal/CamParameterUnits.h"

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/CamObjectManager.h"

#include "platform/cam/Values.h"
#include "platform/host/Zkw32Doc.h"

namespace Vireo::Cam::Pdm::internal {

CamParameterUnits::CamParameterUnits() : document_(std::make_unique<CZkw32Doc>())
{
    for (std::wstring_view type : CamObjectManager::GetCamTypeNames())
        if (type != CamConsts::ToolItemInfo::Type)
            makeSample(type, CamObject());
    // Additional items exist only on a holder or an extension.
    const auto holder = samples_.find(CamConsts::ToolHolderInfo::Type);
    if (holder != samples_.end())
        makeSample(CamConsts::ToolItemInfo::Type, holder->second);
}

CamParameterUnits::~CamParameterUnits() = default;

// A type that cannot stand alone is made under a project of its own: geometry objects share
// their project's slots, so two of them under one project would be one object.
void CamParameterUnits::makeSample(std::wstring_view type, const CamObject& parent)
{
    CamObject sample = CamObjectManager::MakeCamObject(document_.get(), type, parent);
    if (CamObjectManager::IsNull(sample) && CamObjectManager::IsNull(parent)) {
        const CamObject project =
            CamObjectManager::MakeCamObject(document_.get(), CamConsts::MachiningProjectInfo::Type, CamObject());
        sample = CamObjectManager::MakeCamObject(document_.get(), type, project);
    }
    if (CamObjectManager::IsNull(sample))
        return;
    // Shoulder lengths exist only while the tool has a shoulder.
    CamObjectManager(sample).SetValue(CamConsts::ShoulderInfo::Shoulder, BoolValue(true));
    samples_.emplace(type, sample);
}

const zktypes::Unit* CamParameterUnits::UnitOf(std::wstring_view type, std::wstring_view parameter) const
{
    const auto sample = samples_.find(type);
    if (sample == samples_.end())
        return nullptr;
    const CamValuePtr value = CamObjectManager(sample->second).GetValue(parameter);
    const DoubleValue* number = value ? value->AsDouble() : nullptr;
    return number ? number->GetUnit() : nullptr;
}

} // namespace Vireo::Cam::Pdm::internal
