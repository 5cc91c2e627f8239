#include "pdm/rules/internal/RuleObjectReader.h"

#include "pdm/rules/PdmConsts.h"
#include "pdm/rules/internal/RulePaths.h"
#include "platform/arbor/ObjectValue.h"
#include "platform/arbor/ReferenceObject.h"

#include <cstdint>
#include <string>
#include <utility>

namespace Vireo::Cam::Pdm::internal {
namespace {

namespace Model = Arbor::Model;
namespace Rules = PdmConsts::AppIntegrationDts;

constexpr std::wstring_view typeSeparator = L"^";

// A cell is the object's value of the key's parameter; the model hands out its shared
// null value when the cell is empty.
class Cells {
public:
    explicit Cells(const Model::ReferenceObject& object) : object_(object) {}

    std::wstring Text(const GuidKey& key) const { return cell(key)->ToString(); }
    std::int32_t Int32(const GuidKey& key, std::int32_t whenNull) const
    {
        const auto value = cell(key);
        return value == Model::ObjectValue::Null ? whenNull : value->ToInt32(nullptr);
    }
    bool Boolean(const GuidKey& key, bool whenNull) const
    {
        const auto value = cell(key);
        return value == Model::ObjectValue::Null ? whenNull : value->ToBoolean(nullptr);
    }

private:
    std::shared_ptr<const Model::ObjectValue> cell(const GuidKey& key) const
    {
        return object_.GetObjectValue(key.ToNetString(), false);
    }

    const Model::ReferenceObject& object_;
};

TypesListValue readTypeRow(const Model::ReferenceObject& row)
{
    namespace Column = Rules::TypesLst;
    const Cells cells(row);
    TypesListValue value;
    value.plmType = getType(cells.Text(Column::PlmTypePrm::Key), typeSeparator);
    value.plmTag = cells.Text(Column::PlmTagPrm::Key);
    value.plmTagValue = cells.Text(Column::PlmTagValuePrm::Key);
    value.appDataType = cells.Int32(Column::AppDataTypePrm::Key, 1);
    value.appDataTypeValue = cells.Text(Column::PlmTypeAppParamPrm::Key);
    value.appType = cells.Text(Column::AppTypePrm::Key);
    return value;
}

ParamsListValue readParamRow(const Model::ReferenceObject& row)
{
    namespace Column = Rules::RuleSettingsLst;
    const Cells cells(row);
    ParamsListValue value;
    value.plmType = getType(cells.Text(Column::PlmTypePrm::Key), typeSeparator);
    value.appType = cells.Text(Column::AppTypePrm::Key);
    value.plmTag = cells.Text(Column::PlmTagPrm::Key);
    value.plmTagValue = cells.Text(Column::PlmTagValuePrm::Key);
    value.paramName = cells.Text(Column::ParamNamePrm::Key);
    value.appParamType = cells.Text(Column::AppParamTypePrm::Key);
    value.appParam = cells.Text(Column::AppParamPrm::Key);
    value.plmParam = cells.Text(Column::PlmParamPrm::Key);
    value.order = row.SystemFields().Order.value_or(0);
    value.appVisible = cells.Boolean(Column::AppVisiblePrm::Key, true);
    value.plmVisible = cells.Boolean(Column::PlmVisiblePrm::Key, true);
    return value;
}

template <class Row, class ReadRow>
void readRows(Model::ReferenceObject& ruleObject, const GuidKey& list, ReadRow readRow, std::vector<Row>& rows)
{
    for (const auto& row : ruleObject.GetObjects(list.ToNetGuid()))
        rows.push_back(readRow(*row));
}

} // namespace

RuleListValue readRuleHeader(const Model::ReferenceObject& ruleObject)
{
    const Cells cells(ruleObject);
    RuleListValue header;
    header.datasetGuid = cells.Text(Rules::DatasetGuidPrm::Key);
    header.appCode = cells.Text(Rules::AppCodePrm::Key);
    header.name = cells.Text(Rules::NamePrm::Key);
    header.loadingFolder = cells.Text(Rules::LoadingFolderPrm::Key);
    return header;
}

void readTypeRows(Model::ReferenceObject& ruleObject, std::vector<TypesListValue>& rows)
{
    readRows(ruleObject, Rules::TypesLst::Key, readTypeRow, rows);
}

void readParamRows(Model::ReferenceObject& ruleObject, std::vector<ParamsListValue>& rows)
{
    readRows(ruleObject, Rules::RuleSettingsLst::Key, readParamRow, rows);
}

Types asTypes(const TypesListValue& row)
{
    auto [tagGroups, tag] = getGroupsAndParam(row.plmTag);
    return {.appType = row.appType,
            .appDataType = static_cast<AppDataType>(row.appDataType),
            .appDataTypeValue = row.appDataTypeValue,
            .plmType = row.plmType,
            .plmTagGroups = std::move(tagGroups),
            .plmTag = std::move(tag),
            .plmTagValue = row.plmTagValue};
}

Parameters asParameters(const ParamsListValue& row)
{
    auto [tagGroups, tag] = getGroupsAndParam(row.plmTag);
    auto [paramGroups, param] = getGroupsAndParam(row.plmParam);
    return {.paramName = row.paramName,
            .appType = row.appType,
            .appParamType = row.appParamType,
            .appParam = row.appParam,
            .plmType = row.plmType,
            .plmTagGroups = std::move(tagGroups),
            .plmTag = std::move(tag),
            .plmTagValue = row.plmTagValue,
            .plmParamGroups = std::move(paramGroups),
            .plmParam = std::move(param),
            .order = row.order,
            .appVisible = row.appVisible,
            .plmVisible = row.plmVisible};
}

} // namespace Vireo::Cam::Pdm::internal
