#include "pdm/rulecheck/RuleCheck.h"

#include "pdm/rulecheck/internal/CamParameterUnits.h"
#include "pdm/rulecheck/internal/CamRuleTypes.h"
#include "pdm/rulecheck/internal/SchemaPaths.h"

#include "pdm/cam/CamConsts.h"
#include "pdm/convert/ValueConversion.h"
#include "pdm/rules/StoredRuleObjects.h"

#include "platform/arbor/ClassTree.h"
#include "platform/arbor/ParameterGroup.h"
#include "platform/arbor/ParameterInfo.h"
#include "platform/arbor/ReferenceCatalog.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/ServerConnection.h"
#include "platform/arbor/SystemGuid.h"
#include "platform/arbor/Unit.h"
#include "platform/zktypes/Units.h"

#include <set>
#include <utility>

namespace Vireo::Cam::Pdm {
namespace {

using namespace internal;
namespace Model = Arbor::Model;
using ClassPtr = std::shared_ptr<Model::ClassObject>;

// A class of any reference of the catalogue or of any of their tables.
ClassPtr findClassAnywhere(const Model::ReferenceCatalog& catalog, const System::Guid& guid)
{
    for (const auto& reference : catalog.GetReferences()) {
        if (auto found = reference->Classes()->Find(guid))
            return found;
        for (const auto& group : reference->Description()->GetAllGroups())
            if (group->IsTable())
                if (auto found = group->Classes()->Find(guid))
                    return found;
    }
    return nullptr;
}

std::wstring unitText(const zktypes::Unit& unit)
{
    const auto* type = unit.GetUnitType();
    return unit.GetShortName() + (type ? L" (" + type->GetName() + L")" : std::wstring());
}

class RuleObjectCheck {
public:
    RuleObjectCheck(const StoredRuleObject& ruleObject, const Model::ReferenceCatalog& catalog,
                    const CamParameterUnits& camUnits, std::vector<RuleProblem>& problems)
        : rules_(ruleObject), catalog_(catalog), camUnits_(camUnits), problems_(problems)
    {
    }

    void Run()
    {
        const auto datasetGuid = System::Guid::TryParse(rules_.dataset.datasetGuid);
        const auto reference = datasetGuid ? catalog_.Find(*datasetGuid) : nullptr;
        if (!reference) {
            report(L"", L"its dataset GUID \"" + rules_.dataset.datasetGuid + L"\" names no reference of the PDM");
            return;
        }
        reference_ = reference->Description();
        for (std::size_t i = 0; i < rules_.types.size(); ++i)
            checkTypeRow(L"type row " + std::to_wstring(i + 1) + L" (" + rules_.types[i].appType + L")",
                         rules_.types[i]);
        for (std::size_t i = 0; i < rules_.params.size(); ++i) {
            const Parameters& row = rules_.params[i];
            const int number = row.order > 0 ? row.order : static_cast<int>(i + 1);
            checkParamRow(L"parameter row " + std::to_wstring(number) + L" \"" + row.paramName + L"\"", row);
        }
    }

private:
    void report(const std::wstring& row, std::wstring what)
    {
        problems_.push_back({rules_.dataset.name, row, std::move(what)});
    }

    void checkTypeRow(const std::wstring& where, const Types& row)
    {
        if (!IsKnownCamType(row.appType))
            report(where, L"\"" + row.appType + L"\" is no CAM type");
        if (row.appDataType != AppDataType::CamObjectType)
            report(where, L"its application data type " + std::to_wstring(static_cast<int>(row.appDataType)) +
                              L" is not that of a CAM object type (1), so no transfer asks for it");
        const ClassPtr rowClass = ownClass(where, row.plmType);
        if (row.plmTag.empty() || !rowClass)
            return;
        const GroupPtr tagGroup = walk(where, L"tag", row.plmTagGroups);
        if (tagGroup && !ObjectParameter(rowClass->OwnerGroup(), row.plmTag))
            report(where, L"the tag parameter " + row.plmTag + L" is not a parameter of objects of class " +
                              Named(rowClass->Name(), row.plmType));
    }

    // The row's class, which must be a class of the dataset's own reference that objects can have.
    ClassPtr ownClass(const std::wstring& where, const std::wstring& classText)
    {
        if (classText.empty()) {
            report(where, L"it names no PDM class");
            return nullptr;
        }
        const auto guid = System::Guid::TryParse(classText);
        if (const ClassPtr own = guid ? reference_->Classes()->Find(*guid) : nullptr) {
            if (own->IsAbstract())
                report(where, L"class " + Named(own->Name(), classText) +
                                  L" is abstract: no object has it and none is made of it");
            return own;
        }
        const ClassPtr elsewhere = guid ? findClassAnywhere(catalog_, *guid) : nullptr;
        if (!elsewhere)
            report(where, L"the PDM class " + classText + L" does not exist");
        else
            report(where, L"class " + Named(elsewhere->Name(), classText) + L" belongs to " +
                              Named(elsewhere->OwnerGroup()->Name(), elsewhere->OwnerGroup()->Guid().ToString()) +
                              L", not to the dataset's reference " + Named(reference_->Name(), rules_.dataset.datasetGuid) +
                              L": a type row applies only to objects of its dataset's reference");
        return nullptr;
    }

    GroupPtr walk(const std::wstring& where, const std::wstring& whichPath, const std::vector<std::wstring>& groups)
    {
        auto reached = WalkGroups(reference_, groups);
        if (const auto* why = std::get_if<std::wstring>(&reached)) {
            report(where, L"the " + whichPath + L" path cannot be walked: " + *why);
            return nullptr;
        }
        return std::get<GroupPtr>(reached);
    }

    void checkParamRow(const std::wstring& where, const Parameters& row)
    {
        checkCamParameter(where, row);
        checkRowTakenByType(where, row);
        if (row.plmParamGroups.empty()) {
            report(where, L"its PDM parameter path names no group, so the row is never used");
            return;
        }
        const GroupPtr filled = walk(where, L"parameter", row.plmParamGroups);
        if (!filled)
            return;
        const auto parameter = ObjectParameter(filled, row.plmParam);
        if (!parameter)
            report(where, L"the PDM parameter " + row.plmParam + L" is not on " +
                              Named(filled->Name(), filled->Guid().ToString()));
        if (!row.plmTag.empty() && walk(where, L"tag", row.plmTagGroups) && !ObjectParameter(filled, row.plmTag))
            report(where, L"the tag parameter " + row.plmTag + L" is not on the object the row fills, " +
                              Named(filled->Name(), filled->Guid().ToString()));
        if (parameter)
            checkUnits(where, row, *parameter);
    }

    void checkCamParameter(const std::wstring& where, const Parameters& row)
    {
        if (row.appParamType != AppParamType::Parameter)
            return;
        if (!row.appType.empty()) {
            if (!IsKnownCamType(row.appType))
                report(where, L"\"" + row.appType + L"\" is no CAM type");
            else if (!IsCamParameter(row.appType, row.appParam))
                report(where, L"\"" + row.appParam + L"\" is no CAM parameter of " + row.appType);
            return;
        }
        for (const Types& type : rules_.types)
            if (IsKnownCamType(type.appType) && IsCamParameter(type.appType, row.appParam))
                return;
        report(where, L"\"" + row.appParam + L"\" is a CAM parameter of none of the rule object's types");
    }

    void checkRowTakenByType(const std::wstring& where, const Parameters& row)
    {
        if (row.plmType.empty() || row.appType.empty())
            return;
        for (const Types& type : rules_.types)
            if (type.plmType == row.plmType && type.appType == row.appType)
                return;
        report(where, L"no type row of the rule object maps " + row.appType + L" to class " + row.plmType +
                          L", so the row is never taken");
    }

    // The CAM types whose value the row reads: those of its own type (the members of a generic
    // one) that become objects of its class. A member of a family that has a type row of its
    // own becomes an object of that row's class, not of the family's.
    std::set<std::wstring_view> camTypesOf(const Parameters& row) const
    {
        std::set<std::wstring_view> own;
        if (!row.appType.empty())
            ExpandCamType(row.appType, own);
        std::set<std::wstring_view> specific;
        for (const Types& type : rules_.types)
            if (!IsGenericCamType(type.appType))
                specific.insert(type.appType);
        std::set<std::wstring_view> types;
        for (const Types& type : rules_.types) {
            if (!row.plmType.empty() && type.plmType != row.plmType)
                continue;
            std::set<std::wstring_view> mapped;
            ExpandCamType(type.appType, mapped);
            for (std::wstring_view camType : mapped)
                if ((row.appType.empty() || own.contains(camType)) &&
                    (!IsGenericCamType(type.appType) || !specific.contains(camType)))
                    types.insert(camType);
        }
        return types;
    }

    void checkUnits(const std::wstring& where, const Parameters& row, const Model::ParameterInfo& parameter)
    {
        const zktypes::Unit* pdmUnit = FromPdmUnit(parameter.Unit());
        if (!pdmUnit || row.appParamType != AppParamType::Parameter)
            return;
        for (std::wstring_view type : camTypesOf(row)) {
            const zktypes::Unit* camUnit = camUnits_.UnitOf(type, row.appParam);
            if (camUnit && camUnit->GetUnitType() != pdmUnit->GetUnitType()) {
                report(where, L"units do not match: " + std::wstring(type) + L"." + row.appParam + L" is in " +
                                  unitText(*camUnit) + L", the PDM parameter " +
                                  Named(parameter.Name(), row.plmParam) + L" in " + unitText(*pdmUnit) +
                                  L", so its value is never transferred");
                return;
            }
        }
    }

    const StoredRuleObject& rules_;
    const Model::ReferenceCatalog& catalog_;
    const CamParameterUnits& camUnits_;
    std::vector<RuleProblem>& problems_;
    GroupPtr reference_;
};

} // namespace

std::optional<std::vector<RuleProblem>> CheckIntegrationRules(const Model::ServerConnection& connection)
{
    const auto stored = ReadStoredRuleObjects(connection);
    const auto catalog = connection.ReferenceCatalog();
    if (!stored || !catalog)
        return std::nullopt;
    const CamParameterUnits camUnits;
    std::vector<RuleProblem> problems;
    for (const StoredRuleObject& ruleObject : *stored)
        if (ruleObject.dataset.appCode == CamConsts::IntegrationInfo::AppCode)
            RuleObjectCheck(ruleObject, *catalog, camUnits, problems).Run();
    return problems;
}

} // namespace Vireo::Cam::Pdm
