#pragma once
// The base of the builders that start from one PDM object and write into the CAM side.
// Its traversal follows the parameter rules through the object's plain groups, links and
// tables and hands every PDM object it reaches, with the rows that belong to it, to the
// derived builder's FillData.

#include "pdm/rules/IntegrationBuilder.h"
#include "platform/arbor/ModelFwd.h"
#include "platform/arbor/SystemGuid.h"

#include <memory>
#include <string>
#include <vector>

namespace Vireo::Cam::Pdm {

class AppBuilder : public IntegrationBuilder {
public:
    using ObjectPtr = std::shared_ptr<Vireo::Arbor::Model::ReferenceObject>;

    explicit AppBuilder(ObjectPtr object);
    // The object found by GUIDs or ids on the current connection; without a connection, or
    // when the reference or the object is not found, the builder has no object.
    AppBuilder(const System::Guid& objectGuid, const System::Guid& referenceGuid);
    AppBuilder(int objectId, int referenceId);
    ~AppBuilder() override;

    NameFilter GetNameFilter() const override = 0;
    AppFilter GetAppFilter() const override = 0;
    // The dataset of the object's reference with the object's own class; empty without an
    // object.
    PlmFilter GetPlmFilter() const override;
    // A row with a tag applies only when the object's tag parameter holds the row's value.
    bool IsValidType(const AppDataset& dataset, const Types& row) const override;
    bool ProcessRules(const IntegrationRules& rules) override;

    // Called once for every PDM object the traversal reaches, with the rows of that object.
    virtual bool FillData(ObjectPtr object, const AppDataset& dataset, const std::vector<Types>& types,
                          const std::vector<Parameters>& params, const std::wstring& uploadFolder) = 0;

    const ObjectPtr& GetDatasetObject() const noexcept { return datasetObject; }
    bool GetCreationTry() const noexcept { return creationTry; }
    void SetCreationTry(bool value) noexcept { creationTry = value; }

protected:
    AppBuilder(const AppBuilder&) = default;
    AppBuilder(AppBuilder&&) = default;
    AppBuilder& operator=(const AppBuilder&) = default;
    AppBuilder& operator=(AppBuilder&&) = default;

private:
    ObjectPtr datasetObject;
    bool creationTry = false;
};

} // namespace Vireo::Cam::Pdm
