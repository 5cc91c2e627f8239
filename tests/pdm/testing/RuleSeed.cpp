#include "tests/pdm/testing/RuleSeed.h"

#include "pdm/rules/PdmConsts.h"
#include "platform/support/Utf8.h"
#include "tests/pdm/testing/PdmFixture.h"

#include <sstream>

namespace Vireo::Testing {
namespace {

namespace Rules = Cam::Pdm::PdmConsts::AppIntegrationDts;
using Cam::Pdm::GuidKey;

// Classes of the rule reference's objects and rows, as integration-rules.xml defines them.
constexpr const char* ruleObjectClass = "5b83061c-c10b-4b1e-9549-12499d0d83a0";
constexpr const char* typeRowClass = "335d709a-0f9c-4a8d-9bc0-357452500269";
constexpr const char* ruleSettingRowClass = "b1fe747d-e221-413d-ac10-2a0a4283d2b2";

std::string escaped(const std::wstring& text)
{
    std::string out;
    for (char c : Support::WideToUtf8(text)) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string keyText(const GuidKey& key)
{
    return Support::WideToUtf8(key.ToNetString());
}

class SeedWriter {
public:
    void Cell(const GuidKey& key, const std::wstring& text)
    {
        if (!text.empty())
            out_ << "<Value param=\"" << keyText(key) << "\">" << escaped(text) << "</Value>\n";
    }
    void Cell(const GuidKey& key, std::optional<int> number)
    {
        if (number)
            Cell(key, std::to_wstring(*number));
    }
    void Cell(const GuidKey& key, std::optional<bool> flag)
    {
        if (flag)
            Cell(key, std::wstring(*flag ? L"true" : L"false"));
    }
    void Raw(const std::string& text) { out_ << text; }
    std::string Text() const { return out_.str(); }

private:
    std::ostringstream out_;
};

void writeTypeRow(SeedWriter& seed, const TypeRowSeed& row)
{
    namespace Column = Rules::TypesLst;
    seed.Raw("<Row table=\"" + keyText(Column::Key) + "\" class=\"" + typeRowClass + "\">\n");
    seed.Cell(Column::AppTypePrm::Key, row.appType);
    seed.Cell(Column::PlmTypePrm::Key, row.plmType);
    seed.Cell(Column::PlmTagPrm::Key, row.plmTag);
    seed.Cell(Column::PlmTagValuePrm::Key, row.plmTagValue);
    seed.Cell(Column::AppDataTypePrm::Key, row.appDataType);
    seed.Cell(Column::PlmTypeAppParamPrm::Key, row.appDataTypeValue);
    seed.Raw("</Row>\n");
}

void writeParamRow(SeedWriter& seed, const ParamRowSeed& row)
{
    namespace Column = Rules::RuleSettingsLst;
    seed.Raw("<Row table=\"" + keyText(Column::Key) + "\" class=\"" + ruleSettingRowClass + "\"" +
             (row.order ? " order=\"" + std::to_string(*row.order) + "\"" : std::string()) + ">\n");
    seed.Cell(Column::AppParamPrm::Key, row.appParam);
    seed.Cell(Column::PlmParamPrm::Key, row.plmParam);
    seed.Cell(Column::AppTypePrm::Key, row.appType);
    seed.Cell(Column::PlmTypePrm::Key, row.plmType);
    seed.Cell(Column::PlmTagPrm::Key, row.plmTag);
    seed.Cell(Column::PlmTagValuePrm::Key, row.plmTagValue);
    seed.Cell(Column::ParamNamePrm::Key, row.paramName);
    seed.Cell(Column::AppParamTypePrm::Key, row.appParamType);
    seed.Cell(Column::AppVisiblePrm::Key, row.appVisible);
    seed.Cell(Column::PlmVisiblePrm::Key, row.plmVisible);
    seed.Raw("</Row>\n");
}

} // namespace

std::wstring RulePath(std::initializer_list<std::wstring_view> keys)
{
    std::wstring path;
    for (std::wstring_view key : keys)
        path += (path.empty() ? L"{" : L".{") + std::wstring(key) + L"}";
    return path;
}

std::string RuleObjectsSeed(const std::vector<RuleObjectSeed>& objects)
{
    SeedWriter seed;
    seed.Raw("<Pdm>\n<Reference guid=\"" + keyText(Rules::Key) + "\">\n");
    for (const auto& object : objects) {
        seed.Raw("<Object guid=\"" + Support::WideToUtf8(object.guid.ToString()) + "\" class=\"" +
                 ruleObjectClass + "\">\n");
        seed.Cell(Rules::NamePrm::Key, object.name);
        seed.Cell(Rules::AppCodePrm::Key, object.appCode);
        seed.Cell(Rules::DatasetGuidPrm::Key, object.datasetGuid);
        seed.Cell(Rules::LoadingFolderPrm::Key, object.loadingFolder);
        for (const auto& row : object.types)
            writeTypeRow(seed, row);
        for (const auto& row : object.params)
            writeParamRow(seed, row);
        seed.Raw("</Object>\n");
    }
    seed.Raw("</Reference>\n</Pdm>\n");
    return seed.Text();
}

void SeedRuleObjects(PdmFixture& pdm, const std::vector<RuleObjectSeed>& objects)
{
    pdm.SeedText(RuleObjectsSeed(objects));
}

} // namespace Vireo::Testing
