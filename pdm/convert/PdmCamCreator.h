#pragma once
// Brings a PDM object into the CAM document: creates a CAM object of the type the rules
// give for the object's class (or updates a linked one), copies the mapped values from the
// PDM object and the objects reached through its links and tables, stores the link, and on
// request walks the PDM children to build or refresh the CAM subtree.

#include "pdm/rules/AppBuilder.h"

#include "pdm/cam/CamObject.h"
#include "platform/cammodule/DragSpecialNode.h"

#include <optional>

class CZkw32Doc;

namespace Vireo::Cam::Pdm {

namespace internal {
class WalkFilters;
} // namespace internal

class PdmCamCreator : public AppBuilder {
public:
    // Creates a CAM object for `object` under `parent` (the child walks).
    PdmCamCreator(ObjectPtr object, CZkw32Doc* document, CamObject parent);
    // Creates from the object found by the two GUIDs, under `parent`.
    PdmCamCreator(const System::Guid& objectGuid, const System::Guid& referenceGuid, CZkw32Doc* document,
                  CamObject parent);
    // Creates from the object found by the two GUIDs with no parent; the drop target tells
    // which types may be made.
    PdmCamCreator(const System::Guid& objectGuid, const System::Guid& referenceGuid, CZkw32Doc* document,
                  UI::DragSpecialNode dropTarget);
    // Updates `camObject` from the object with these ids, in the CAM object's document.
    PdmCamCreator(int objectId, int referenceId, CamObject camObject);

    NameFilter GetNameFilter() const override;
    AppFilter GetAppFilter() const override;
    // Within a child walk, the walk's filter for the type the filter follows from.
    SharedAppFilter GetSharedAppFilter() const override;
    bool ProcessRules(const IntegrationRules& rules) override;
    bool FillData(ObjectPtr object, const AppDataset& dataset, const std::vector<Types>& types,
                  const std::vector<Parameters>& params, const std::wstring& uploadFolder) override;

    void SetRecursive(bool value) noexcept { recursive = value; }
    const CamObject& GetCamObject() const noexcept { return camObject; }

protected:
    // A new CAM subtree for the PDM subtree below the builder's object. False, after a
    // message, when a PDM error or a cycle in the PDM hierarchy ended the walk.
    bool CreateChildren();
    // Refreshes the linked CAM children and creates CAM objects for PDM children that have
    // none yet; nothing is deleted. False as for CreateChildren.
    bool UpdateChildren();

private:
    void createChildren();
    void updateChildren();
    CZkw32Doc* bracketDocument() const;
    static AppFilter childTypesFilter(std::wstring_view parentType);
    bool chooseAndCreate(const AppDataset& dataset, const std::vector<Types>& types);
    bool updatesOwnType(const ObjectPtr& object, const AppDataset& dataset, const std::vector<Types>& types);
    bool copyValues(Vireo::Arbor::Model::ReferenceObject& object, const std::vector<Parameters>& params);

    CamObject camObject;
    CZkw32Doc* document = nullptr;
    CamObject camParent;
    UI::DragSpecialNode dropTarget = UI::DragSpecialNode{};
    bool recursive = false;
    // The rule set of the current run: the CAM type is chosen from all of its dataset's rows.
    const IntegrationRules* runRules = nullptr;
    // In update mode, whether the PDM object stands for the CAM object's type; decided at
    // the builder's own object and kept for the objects reached from it.
    std::optional<bool> typeMatch;
    // The filters of the walk that made this builder; null outside a walk.
    internal::WalkFilters* walkFilters = nullptr;
};

} // namespace Vireo::Cam::Pdm
