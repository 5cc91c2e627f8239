#include "pdm/convert/PdmCamFilterCreator.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/convert/ValueConversion.h"
#include "pdm/links/Guid.h"
#include "pdm/rules/CamAppTypes.h"
#include "pdm/rules/ConnectedCatalog.h"

#include "platform/arbor/Model.h"

#include <map>
#include <vector>

namespace Vireo::Cam::Pdm {
namespace {

namespace Model = Vireo::Arbor::Model;
namespace Search = Model::Search;
using GroupHandle = std::shared_ptr<Model::ParameterGroup>;
using TermHandle = std::shared_ptr<Search::ReferenceObjectTerm>;

// The first parameter with this GUID in the group or the groups under it, links left out.
std::shared_ptr<Model::ParameterInfo> getParamInfo(const GroupHandle& group, const std::wstring& guidText)
{
    const auto guid = System::Guid::TryParse(guidText);
    if (!group || !guid)
        return nullptr;
    for (const auto& inner : group->GetAllGroups()) {
        if (inner->IsLinkGroup())
            continue;
        if (auto parameter = inner->Parameters().Find(*guid))
            return parameter;
    }
    return nullptr;
}

// Follows the group path as far as the PDM lets a term follow it: through link groups into
// the linked reference and into one table. Elements the reference does not have are passed
// over; the group in which the parameter is then looked up is returned.
GroupHandle AddPathToTerm(std::shared_ptr<Model::ReferenceInfo> reference, Search::ReferenceObjectTerm& term,
                          const std::vector<std::wstring>& path)
{
    GroupHandle current = reference->Description();
    for (const auto& element : path) {
        const auto opened = reference->CreateReference();
        const auto guid = System::Guid::TryParse(element);
        const GroupHandle group = opened && guid ? opened->ParameterGroup()->GetAllGroups().Find(*guid) : nullptr;
        if (!group)
            continue;
        if (group->IsLinkGroup()) {
            const auto slave = group->SlaveGroup();
            if (!slave)
                return current;
            term.Path.AddGroup(group, false);
            reference = slave->ReferenceGroup()->ReferenceInfo();
            current = reference->Description();
        } else if (group->IsTableOneToMany()) {
            term.Path.AddGroup(group, false);
            return group;
        } else {
            return current;
        }
    }
    return current;
}

// A double goes over in the parameter's unit when both sides measure the same quantity.
double searchedNumber(const Model::ParameterInfo& parameter, const Cam::DoubleValue& value)
{
    const zktypes::Unit* pdmUnit = FromPdmUnit(parameter.Unit());
    const zktypes::Unit* camUnit = value.GetUnit();
    if (pdmUnit && camUnit && pdmUnit->GetUnitType() == camUnit->GetUnitType())
        return zktypes::Unit::Convert(camUnit, pdmUnit, value.GetValue());
    return value.GetValue();
}

bool AddValueToTerm(const Model::ParameterInfo& parameter, Search::ReferenceObjectTerm& term,
                    const Cam::BaseValue* value)
{
    if (!value)
        return false;
    try {
        switch (value->GetType()) {
        case Cam::BaseValue::String:
            term.Value = Model::ObjectValue(value->AsString()->GetValue());
            return true;
        case Cam::BaseValue::Int:
            term.Value = Model::ObjectValue(static_cast<int>(value->AsInt()->GetValue()));
            return true;
        case Cam::BaseValue::Bool:
            term.Value = Model::ObjectValue(value->AsBool()->GetValue());
            return true;
        case Cam::BaseValue::Double:
            term.Value = Model::ObjectValue(searchedNumber(parameter, *value->AsDouble()));
            return true;
        default:
            return false;
        }
    } catch (const std::exception&) {
        return false;
    }
}

// One equality term on the parameter at the end of the group path; nothing when the
// reference has no such parameter or the value cannot be searched for.
TermHandle AddTerm(const std::shared_ptr<Model::ReferenceInfo>& reference, Search::TermGroup& group,
                   const std::vector<std::wstring>& path, const std::wstring& parameterGuid,
                   const Cam::BaseValue* value)
{
    if (parameterGuid.empty())
        return nullptr;
    TermHandle term = group.AddTerm();
    const auto parameter = getParamInfo(AddPathToTerm(reference, *term, path), parameterGuid);
    if (!parameter) {
        group.Remove(term);
        return nullptr;
    }
    term->Path.AddParameter(parameter, false);
    term->LogicalOperator = Search::LogicalOperator::And;
    term->Operator = Search::ComparisonOperator::Equal;
    if (!AddValueToTerm(*parameter, *term, value)) {
        group.Remove(term);
        return nullptr;
    }
    return term;
}

const IntegrationRules::TypesMap::value_type* findDataset(const IntegrationRules& rules, const System::Guid& reference)
{
    for (const auto& entry : rules.GetTypes()) {
        if (entry.second.empty())
            continue;
        const auto params = rules.GetParams().find(entry.first);
        if (params == rules.GetParams().end() || params->second.empty())
            continue;
        try {
            if (ToNetGuid(entry.first.datasetGuid) == reference)
                return &entry;
        } catch (const std::exception&) {
            // A dataset GUID that is no GUID names no reference.
        }
    }
    return nullptr;
}

// Parameter rows by PDM class text, row order kept; the empty class holds rows for every class.
std::map<std::wstring, std::vector<const Parameters*>> rowsByClass(const std::vector<Parameters>& rows)
{
    std::map<std::wstring, std::vector<const Parameters*>> grouped;
    for (const auto& row : rows)
        grouped[row.plmType].push_back(&row);
    return grouped;
}

using RowsByClass = std::map<std::wstring, std::vector<const Parameters*>>;

// The rows of the class, then the rows for every class.
std::vector<const Parameters*> rowsForClass(const RowsByClass& grouped, const std::wstring& plmType)
{
    std::vector<const Parameters*> rows;
    for (const std::wstring& key : plmType.empty() ? std::vector<std::wstring>{L""} : std::vector<std::wstring>{plmType, L""})
        if (const auto found = grouped.find(key); found != grouped.end())
            rows.insert(rows.end(), found->second.begin(), found->second.end());
    return rows;
}

void addClassTerm(const Model::ReferenceInfo& reference, Search::TermGroup& group, const std::wstring& plmType)
{
    auto term = group.AddTerm();
    term->Path.AddParameter(reference.Description()->ClassParameterInfo(), false);
    term->LogicalOperator = Search::LogicalOperator::And;
    term->Operator = Search::ComparisonOperator::Equal;
    term->Value = Model::ObjectValue(plmType);
}

} // namespace

PdmCamFilterCreator::PdmCamFilterCreator(CamObject object, System::Guid reference,
                                         std::unordered_set<std::wstring> searchKeys)
    : camObject(std::move(object)), referenceGuid(std::move(reference)), keys(std::move(searchKeys))
{
}

PdmCamFilterCreator::~PdmCamFilterCreator() = default;

AppFilter PdmCamFilterCreator::GetAppFilter() const
{
    return CamAppFilter(CamObjectAppTypes(camObject));
}

bool PdmCamFilterCreator::ProcessRules(const IntegrationRules& rules)
{
    const auto* dataset = findDataset(rules, referenceGuid);
    if (!dataset)
        return false;
    const auto grouped = rowsByClass(rules.GetParams().at(dataset->first));

    const auto catalog = ConnectedCatalog();
    const auto reference = catalog ? catalog->Find(referenceGuid) : nullptr;
    if (!reference || !reference->CreateReference())
        return false;

    const std::optional<CamObjectManager> manager =
        CamObjectManager::IsNull(camObject) ? std::nullopt : std::optional<CamObjectManager>(camObject);
    Search::Filter search(reference);
    for (const Types& typeRow : dataset->second) {
        auto group = search.Terms()->AddGroup(Search::LogicalOperator::Or, Search::TermItemType::Terms);
        addClassTerm(*reference, *group, typeRow.plmType);
        const Cam::StringValue typeTag(typeRow.plmTagValue);
        AddTerm(reference, *group, typeRow.plmTagGroups, typeRow.plmTag, &typeTag);
        for (const Parameters* row : rowsForClass(grouped, typeRow.plmType)) {
            if (!keys.count(row->appParam) || row->appParamType != AppParamType::Parameter)
                continue;
            const Cam::StringValue rowTag(row->plmTagValue);
            AddTerm(reference, *group, row->plmTagGroups, row->plmTag, &rowTag);
            const CamValuePtr value = manager ? manager->GetValue(row->appParam) : CamValuePtr();
            AddTerm(reference, *group, row->plmParamGroups, row->plmParam, value.get());
        }
    }
    filter = search.ToString();
    return true;
}

} // namespace Vireo::Cam::Pdm
