// Each kind of mistake in a rule object is found, on the row that makes it, and rows that are
// in order raise nothing.

#include "pdm/rulecheck/RuleCheck.h"

#include "tests/pdm/testing/PdmFixture.h"
#include "tests/pdm/testing/RuleSeed.h"

#include "platform/support/Utf8.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace Vireo::Testing {
namespace {

using namespace Cam::Pdm;
using ::testing::HasSubstr;

// The cutting tools of tools.xml: its reference, classes and parameters.
const std::wstring tools = L"14647778-3afb-4369-84cf-3f0bcc39fb94";
const std::wstring endMill = L"c1d32d75-c2a1-4fa6-a3de-59d9fa98d1f6";
const std::wstring ballMill = L"f0b6489a-cb0a-4009-b920-9d1bddadc092";
const std::wstring twistDrill = L"cc978d94-8e40-4d59-834c-fbd595d4c90b";
const std::wstring holder = L"1166ca0c-0208-452c-b7e1-cda180e5e2d7";
const std::wstring diameter = L"{" + tools + L"}.{1c77a014-8cdb-4a07-a90c-8f94f3a56819}";
const std::wstring partKind = L"{" + tools + L"}.{80dd51c3-3a14-4262-8acf-1d6aad4f2a80}.{7cf01846-3693-40d2-af71-4d9479265d6c}";
const std::wstring cam = L"VIREO CAM";

class RuleCheck : public ::testing::Test {
protected:
    RuleCheck() { pdm.SeedFile(PdmDataFile("tools.xml")); }

    // "row: what" of every problem of the rule object.
    std::vector<std::string> problemsOf(const std::wstring& ruleObject)
    {
        const auto problems = CheckIntegrationRules(pdm.Connection());
        EXPECT_TRUE(problems);
        std::vector<std::string> lines;
        for (const RuleProblem& problem : problems.value_or(std::vector<RuleProblem>{}))
            if (problem.ruleObject == ruleObject)
                lines.push_back(Support::WideToUtf8(problem.row + L": " + problem.what));
        return lines;
    }

    PdmFixture pdm{PdmDataFile("")};
};

TEST_F(RuleCheck, TypeRowsNameCatalogueTypesAndClassesOfTheirOwnReference)
{
    SeedRuleObjects(pdm, {{.name = L"Probe", .appCode = cam, .datasetGuid = tools,
                           .types = {{.appType = L"ToolMillEnd", .plmType = L"End mill^{" + endMill + L"}"},
                                     {.appType = L"ToolMillNothing", .plmType = endMill},
                                     {.appType = L"ToolHolder", .plmType = holder},
                                     {.appType = L"ToolDrill", .plmType = L"0badc1a5-0000-4000-8000-000000000000"},
                                     {.appType = L"ToolDrill", .plmType = twistDrill, .plmTag = partKind,
                                      .plmTagValue = L"Shank"},
                                     {.appType = L"ToolMillSpehere", .plmType = ballMill, .appDataType = 7}}}});
    EXPECT_THAT(problemsOf(L"Probe"),
                ::testing::ElementsAre(HasSubstr("type row 2 (ToolMillNothing): \"ToolMillNothing\" is no CAM type"),
                                       HasSubstr("type row 3 (ToolHolder): class \"Holder\""),
                                       HasSubstr("type row 4 (ToolDrill): the PDM class 0badc1a5"),
                                       HasSubstr("type row 5 (ToolDrill): the tag parameter 7cf01846"),
                                       HasSubstr("type row 6 (ToolMillSpehere): its application data type 7")));
}

TEST_F(RuleCheck, ParameterRowsNameCamParametersAndWalkablePdmPaths)
{
    const auto row = [](std::wstring appParam, std::wstring path) {
        return ParamRowSeed{.appParam = std::move(appParam), .plmParam = std::move(path), .appType = L"ToolMillEnd",
                            .plmType = endMill, .paramName = L"p"};
    };
    std::vector<ParamRowSeed> params = {
        row(L"D", diameter),                                                           // in order
        row(L"Dx", diameter),                                                          // unknown CAM parameter
        row(L"D", L"{" + tools + L"}.{11111111-2222-4333-8444-555555555555}.{1c77a014-8cdb-4a07-a90c-8f94f3a56819}"),
        row(L"D", L"{" + tools + L"}.{0badc1a5-0000-4000-8000-000000000000}"),          // no such PDM parameter
        row(L"D", L"{1c77a014-8cdb-4a07-a90c-8f94f3a56819}"),                           // no group: never filed
    };
    params.push_back(row(L"D", diameter));
    params.back().plmTag = partKind; // the tag is on the parts, not on the tool the row fills
    params.back().plmTagValue = L"Shank";
    params.push_back({.appParam = L"Feed", .plmParam = diameter, .appType = L"Machining", .plmType = ballMill});
    params.push_back(row(L"D", diameter));
    params.back().plmType = twistDrill; // no type row maps ToolMillEnd to twist drills
    for (std::size_t i = 0; i < params.size(); ++i)
        params[i].order = static_cast<int>(i + 1);
    SeedRuleObjects(pdm, {{.name = L"Probe", .appCode = cam, .datasetGuid = tools,
                           .types = {{.appType = L"ToolMillEnd", .plmType = endMill},
                                     {.appType = L"Machining", .plmType = ballMill}},
                           .params = params}});
    EXPECT_THAT(problemsOf(L"Probe"),
                ::testing::ElementsAre(HasSubstr("parameter row 2 \"p\": \"Dx\" is no CAM parameter of ToolMillEnd"),
                                       HasSubstr("parameter row 3 \"p\": the parameter path cannot be walked"),
                                       HasSubstr("parameter row 4 \"p\": the PDM parameter 0badc1a5"),
                                       HasSubstr("parameter row 5 \"p\": its PDM parameter path names no group"),
                                       HasSubstr("parameter row 6 \"p\": the tag parameter 7cf01846"),
                                       HasSubstr("parameter row 7 \"\": units do not match: "),
                                       HasSubstr("parameter row 8 \"p\": no type row of the rule object maps")));
}

TEST_F(RuleCheck, RuleObjectsOfOtherApplicationsAreLeftAloneAndAMissingDatasetIsNamed)
{
    SeedRuleObjects(pdm, {{.name = L"Lost", .appCode = cam, .datasetGuid = L"0badc1a5-0000-4000-8000-000000000000"},
                          {.name = L"Other", .appCode = L"ANOTHER APP", .datasetGuid = L"nonsense",
                           .types = {{.appType = L"Nothing", .plmType = L"nothing"}}}});
    EXPECT_THAT(problemsOf(L"Lost"), ::testing::ElementsAre(HasSubstr(": its dataset GUID")));
    EXPECT_THAT(problemsOf(L"Other"), ::testing::IsEmpty());
}

} // namespace
} // namespace Vireo::Testing
