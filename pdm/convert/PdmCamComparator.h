#pragma once
// Compares one CAM object with the PDM object it is linked to, parameter by parameter,
// changing neither. PDM values are read exactly as an update from the PDM would write
// them, so two values are equal exactly when such an update would leave the CAM value as
// it is. Without a PDM object it lists the CAM values the rules would export.

#include "pdm/rules/AppBuilder.h"

#include "pdm/cam/CamObjectManager.h"

#include <optional>
#include <string>
#include <vector>

namespace Vireo::Cam::Pdm {

class PdmCamComparator : public AppBuilder {
public:
    // One compared parameter: the rule row's label and CAM parameter, the CAM object's value
    // and the PDM value as a CAM value (null without a PDM object).
    struct Parameter {
        std::wstring name;
        std::wstring appParam;
        CamValuePtr camValue;
        CamValuePtr pdmValue;
    };

    // A CAM object without link.
    explicit PdmCamComparator(CamObject camObject);
    PdmCamComparator(const System::Guid& objectGuid, const System::Guid& referenceGuid, CamObject camObject);
    // The ids as a link names them.
    PdmCamComparator(int objectId, int referenceId, CamObject camObject);
    PdmCamComparator(PdmCamComparator&&) = default;
    PdmCamComparator& operator=(PdmCamComparator&&) = default;

    NameFilter GetNameFilter() const override;
    AppFilter GetAppFilter() const override;
    bool ProcessRules(const IntegrationRules& rules) override;
    bool FillData(ObjectPtr object, const AppDataset& dataset, const std::vector<Types>& types,
                  const std::vector<Parameters>& params, const std::wstring& uploadFolder) override;

    bool IsDifferent() const noexcept { return different; }
    const std::vector<Parameter>& GetParameters() const noexcept { return parameters; }
    // Hands the compared parameters over to a view that keeps them longer than the run.
    std::vector<Parameter> TakeParameters() noexcept { return std::move(parameters); }
    // The link text of the PDM object; empty without one.
    std::wstring GetUri() const;

private:
    bool listExportableValues(const IntegrationRules& rules);
    // `manager` is made at the first row that reaches the CAM object, once per call of FillData:
    // reading values changes nothing that would recognise the object otherwise.
    void compareRow(Vireo::Arbor::Model::ReferenceObject& object, const Parameters& row,
                    std::optional<CamObjectManager>& manager);

    CamObject camObject;
    std::vector<Parameter> parameters;
    bool different = false;
    bool typeMatch = false;
    bool typeMatchDecided = false;
    // The rule set of the current run: generic types are narrowed through any parameter
    // row of the dataset, not only the rows of the object at hand.
    const IntegrationRules* runRules = nullptr;
};

} // namespace Vireo::Cam::Pdm
