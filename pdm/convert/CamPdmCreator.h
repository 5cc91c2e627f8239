#pragma once
// Writes a CAM object into the PDM: a new PDM object under a chosen parent, or the PDM
// object the CAM object is linked to, with the values the rules map; on request the CAM
// children follow, one PDM object each. No link is stored on any CAM object here.

#include "pdm/rules/PdmBuilder.h"
#include "pdm/cam/CamObject.h"
#include "pdm/cam/CamObjectManager.h"

#include <unordered_set>
#include <vector>

namespace Vireo::Cam::Pdm {
namespace internal {
class WalkFilters;
}

class CamPdmCreator : public PdmBuilder {
public:
    // A CAM object of the run with the PDM object made or updated for it.
    struct ExportedObject {
        CamObject camObject;
        PdmObject pdmObject;
    };

    // Creates in the reference with this GUID (under the parent set with SetParentDatasetObject).
    CamPdmCreator(CamObject object, const System::Guid& referenceGuid);
    // Updates the object with this id in the reference with this id.
    CamPdmCreator(CamObject object, int objectId, int referenceId);
    // Creates in the reference with this id (the child walks).
    CamPdmCreator(CamObject object, int referenceId);
    ~CamPdmCreator() override;

    NameFilter GetNameFilter() const override;
    // The object's own type and every generic type that covers it.
    AppFilter GetAppFilter() const override;
    // Inside a child walk, the filter shared by every builder of an object of the same type.
    SharedAppFilter GetSharedAppFilter() const override;
    bool ProcessRules(const IntegrationRules& rules) override;
    // Copies the CAM values of the plain parameter rows into `object`; true when one was written.
    bool FillData(const PdmObject& object, const AppDataset& dataset, const std::vector<Types>& types,
                  const std::vector<Parameters>& params, const std::wstring& uploadFolder) override;

    void SetRecursive(bool value) noexcept { recursive = value; }
    // Every CAM object of the last run, children included and shared ones once, with its
    // PDM object, in the order they were written.
    const std::vector<ExportedObject>& GetExportedObjects() const noexcept { return exported; }

protected:
    // One new PDM object per CAM child, breadth-first below the root just created. False,
    // after a message, when a PDM error or a CAM object inside itself ended the walk.
    bool CreateChildren();
    // Linked children are updated, unlinked ones get a new PDM object. False as above.
    bool UpdateChildren();

private:
    void createChildren();
    void updateChildren();
    void recordExported(const CamObject& object, const PdmObject& pdmObject);
    static PdmObject createChild(const CamObject& child, int referenceId, const PdmObject& parent,
                                 internal::WalkFilters& filters);

    CamObject camObject;
    // The filters of the walk that made this builder; null outside a walk.
    internal::WalkFilters* walkFilters = nullptr;
    bool recursive = false;
    std::vector<ExportedObject> exported;
    std::unordered_set<CamObjectId> exportedIds;
};

} // namespace Vireo::Cam::Pdm
