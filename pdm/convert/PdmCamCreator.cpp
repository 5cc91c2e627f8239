#include "pdm/convert/PdmCamCreator.h"

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/CamObjectManager.h"
#include "pdm/convert/internal/CamTypeChoice.h"
#include "pdm/convert/internal/PdmCamValue.h"
#include "pdm/convert/internal/WalkFilters.h"
#include "pdm/convert/PdmObjectAccess.h"
#include "pdm/rules/CamAppTypes.h"
#include "pdm/rules/RuleTag.h"
#include "platform/arbor/Model.h"
#include "platform/host/ChangeBracket.h"
#include "platform/host/Zkw32Doc.h"

#include <exception>
#include <optional>

namespace Vireo::Cam::Pdm {

using internal::ChooseCamTypeToCreate;
using internal::StandsForCamType;
using internal::MakeCamValueFromPdm;

namespace {

constexpr wchar_t undoStepName[] = L"Created cam objects from pdm";

template <class Names>
void addTypes(AppTypeSet& set, const Names& names)
{
    for (std::wstring_view name : names)
        set.emplace(std::wstring(name), AppDataType::CamObjectType);
}

} // namespace

PdmCamCreator::PdmCamCreator(ObjectPtr object, CZkw32Doc* doc, CamObject parent)
    : AppBuilder(std::move(object)), document(doc), camParent(std::move(parent))
{
}

PdmCamCreator::PdmCamCreator(const System::Guid& objectGuid, const System::Guid& referenceGuid, CZkw32Doc* doc,
                             CamObject parent)
    : AppBuilder(objectGuid, referenceGuid), document(doc), camParent(std::move(parent))
{
}

PdmCamCreator::PdmCamCreator(const System::Guid& objectGuid, const System::Guid& referenceGuid, CZkw32Doc* doc,
                             UI::DragSpecialNode target)
    : AppBuilder(objectGuid, referenceGuid), document(doc), dropTarget(target)
{
}

PdmCamCreator::PdmCamCreator(int objectId, int referenceId, CamObject object)
    : AppBuilder(objectId, referenceId), camObject(std::move(object))
{
}

NameFilter PdmCamCreator::GetNameFilter() const
{
    return {};
}

AppFilter PdmCamCreator::childTypesFilter(std::wstring_view parentType)
{
    AppTypeSet types;
    addTypes(types, CamObjectManager::GetChildAppTypes(parentType));
    return CamAppFilter(std::move(types));
}

SharedAppFilter PdmCamCreator::GetSharedAppFilter() const
{
    using Basis = internal::WalkFilters::Basis;
    if (walkFilters && !CamObjectManager::IsNull(camObject)) {
        const CamObjectManager manager(camObject);
        return walkFilters->Get(Basis::OwnType, manager.GetAppType(),
                                [&] { return CamAppFilter(CamTypeAppTypes(manager.GetAppType())); });
    }
    if (walkFilters && !CamObjectManager::IsNull(camParent)) {
        const CamObjectManager parent(camParent);
        return walkFilters->Get(Basis::ParentType, parent.GetAppType(),
                                [&] { return childTypesFilter(parent.GetAppType()); });
    }
    return IntegrationBuilder::GetSharedAppFilter();
}

AppFilter PdmCamCreator::GetAppFilter() const
{
    AppTypeSet types;
    if (!CamObjectManager::IsNull(camObject)) {
        types = CamObjectAppTypes(camObject);
    } else if (!CamObjectManager::IsNull(camParent)) {
        return childTypesFilter(CamObjectManager(camParent).GetAppType());
    } else {
        switch (dropTarget) {
        case UI::MachiningProjectsNode:
            addTypes(types, CamObjectManager::GetChildAppTypes(CamConsts::MachiningProjectsFolderInfo::Type));
            break;
        case UI::SharedGeometrySetsNode:
            addTypes(types, CamObjectManager::GetChildAppTypes(CamConsts::SharedGeometrySetsFolderInfo::Type));
            break;
        case UI::ToolsNode:
            addTypes(types, CamObjectManager::GetChildAppTypes(CamConsts::ToolsFolderInfo::Type));
            break;
        default:
            addTypes(types, CamObjectManager::GetCamTypeNames());
            break;
        }
    }
    return CamAppFilter(std::move(types));
}

CZkw32Doc* PdmCamCreator::bracketDocument() const
{
    if (document)
        return document;
    return CamObjectManager::IsNull(camObject) ? nullptr : CamObjectManager::GetDocument(camObject);
}

bool PdmCamCreator::ProcessRules(const IntegrationRules& rules)
{
    const bool updating = !CamObjectManager::IsNull(camObject);
    std::optional<ChangeBracket> bracket;
    if (!GetCreationTry()) {
        bracket.emplace(bracketDocument(), undoStepName);
        // A document that takes no changes (read-only, or none at all) gets no objects.
        if (!bracket->IsOpen())
            return false;
    }
    runRules = &rules;
    typeMatch.reset();
    bool result = AppBuilder::ProcessRules(rules);
    runRules = nullptr;
    if (result && !GetCreationTry() && CamObjectManager::IsCamObject(camObject, L"")) {
        const std::wstring link = getPdmUri(GetDatasetObject());
        if (!link.empty())
            CamObjectManager::SetUri(camObject, link);
        if (recursive)
            result = updating ? UpdateChildren() : CreateChildren();
    }
    // An import run keeps its bracket without regenerating (one run per object: the model is
    // left to the caller); a failed run is cancelled by the guard.
    if (bracket && result)
        bracket->Keep(ChangeBracket::AfterKeep::LeaveModel);
    return result;
}

bool PdmCamCreator::FillData(ObjectPtr object, const AppDataset& dataset, const std::vector<Types>& types,
                             const std::vector<Parameters>& params, const std::wstring& /*uploadFolder*/)
{
    if (types.empty() || !runRules)
        return false;
    if (CamObjectManager::IsNull(camObject)) {
        if (!chooseAndCreate(dataset, types))
            return false;
    } else if (!updatesOwnType(object, dataset, types)) {
        return false;
    }
    return copyValues(*object, params);
}

// Makes the CAM object of the type the first row stands for; during a creation try only
// checks that there is such a type.
bool PdmCamCreator::chooseAndCreate(const AppDataset& dataset, const std::vector<Types>& types)
{
    const std::wstring type = ChooseCamTypeToCreate(*runRules, dataset, types, GetDatasetObject());
    if (type.empty())
        return false;
    if (GetCreationTry())
        return true;
    camObject = CamObjectManager::MakeCamObject(document, type, camParent);
    typeMatch = true; // made as the type the rows stand for
    return !CamObjectManager::IsNull(camObject);
}

// An update writes only where the comparator compares: into a CAM object of the type the
// PDM object stands for.
bool PdmCamCreator::updatesOwnType(const ObjectPtr& object, const AppDataset& dataset, const std::vector<Types>& types)
{
    if (!typeMatch && object == GetDatasetObject())
        typeMatch = StandsForCamType(*runRules, dataset, types, GetDatasetObject(),
                                     CamObjectManager(camObject).GetAppType());
    return typeMatch.value_or(false);
}

bool PdmCamCreator::copyValues(Vireo::Arbor::Model::ReferenceObject& object, const std::vector<Parameters>& params)
{
    std::optional<CamObjectManager> manager;
    bool written = false;
    for (const Parameters& row : params) {
        if (row.appParamType != AppParamType::Parameter)
            continue;
        try {
            const auto parameter = getPdmParameter(object, row.plmParam);
            if (!parameter || !HoldsRuleTag(object, row.plmTag, row.plmTagValue))
                continue;
            if (GetCreationTry())
                return true;
            if (!CamObjectManager::IsCamObject(camObject, L""))
                continue;
            if (!manager)
                manager.emplace(camObject);
            const auto current = manager->GetValue(row.appParam);
            if (!current)
                continue;
            const auto value = MakeCamValueFromPdm(*parameter, *current);
            if (!value)
                continue;
            manager->SetValue(row.appParam, *value);
            written = true;
        } catch (const std::exception&) {
            // One row that cannot be read or written does not stop the others.
        }
    }
    return written;
}

} // namespace Vireo::Cam::Pdm
