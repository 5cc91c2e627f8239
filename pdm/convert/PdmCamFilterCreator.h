#pragma once
// Turns a CAM object and the CAM parameters chosen as search keys into a search filter of
// the PDM: it selects the objects of the mapped classes (and tags) whose mapped parameters
// hold the CAM object's values. The synchronisation dialog hands the text to the object
// chooser of the reference when the user links a CAM object to an existing PDM object.

#include "pdm/cam/CamObject.h"
#include "pdm/rules/DefaultFiltersBuilder.h"
#include "platform/arbor/SystemGuid.h"

#include <string>
#include <unordered_set>

namespace Vireo::Cam::Pdm {

class PdmCamFilterCreator : public DefaultFiltersBuilder {
public:
    PdmCamFilterCreator(CamObject object, System::Guid referenceGuid, std::unordered_set<std::wstring> keys);
    ~PdmCamFilterCreator() override;

    // The object's own type and the generic types that cover it; no type for the null handle.
    AppFilter GetAppFilter() const override;
    // Builds the filter from the first dataset of the reference that has type and parameter
    // rows; false, with no filter, when there is none or the reference cannot be opened.
    bool ProcessRules(const IntegrationRules& rules) override;

    // The filter in the PDM model's text form; empty until a run succeeded.
    const std::wstring& GetFilter() const noexcept { return filter; }

private:
    CamObject camObject;
    System::Guid referenceGuid;
    std::wstring filter;
    std::unordered_set<std::wstring> keys;
};

} // namespace Vireo::Cam::Pdm
