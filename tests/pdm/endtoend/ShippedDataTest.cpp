// The shipped seed files load, and their rules pass the rule check. The technology rules cover
// every CAM type and every parameter.

#include "ShippedRules.h"

#include "pdm/cam/CamTables.h"
#include "pdm/rulecheck/RuleCheck.h"

#include "platform/support/Utf8.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

namespace Vireo::Testing {
namespace {

using namespace Cam::Pdm;

std::string Utf8(std::wstring_view text)
{
    return Support::WideToUtf8(std::wstring(text));
}

TEST(ShippedData, EveryShippedFileIsSeeded)
{
    std::set<std::string> seeded = {"units.xml", "integration-rules.xml", "example.xml"};
    seeded.insert(ShippedSeedFiles().begin(), ShippedSeedFiles().end());
    for (const auto& entry : std::filesystem::directory_iterator(PdmDataFile("")))
        if (entry.path().extension() == ".xml") {
            EXPECT_TRUE(seeded.contains(entry.path().filename().string())) << entry.path() << " is never seeded";
        }

    std::unique_ptr<PdmFixture> pdm;
    ASSERT_NO_THROW(pdm = MakeTechnologyPdm());
    EXPECT_NO_THROW(pdm->SeedFile(PdmDataFile("example.xml")));
}

TEST(ShippedData, RulesPassTheRuleCheck)
{
    const auto pdm = MakeTechnologyPdm();
    const auto problems = CheckIntegrationRules(pdm->Connection());
    ASSERT_TRUE(problems);
    for (const RuleProblem& problem : *problems)
        ADD_FAILURE() << Utf8(problem.ruleObject) << ", " << Utf8(problem.row) << ": " << Utf8(problem.what);
}

TEST(ShippedData, TechnologyRulesCoverEveryCamTypeAndParameter)
{
    const auto pdm = MakeTechnologyPdm();
    const IntegrationRules rules = LoadAllRules();
    const auto technology = std::find_if(rules.GetTypes().begin(), rules.GetTypes().end(),
                                         [](const auto& entry) { return entry.first.datasetGuid == TechnologyReferenceGuid; });
    ASSERT_NE(technology, rules.GetTypes().end());
    const std::vector<Parameters>& params = rules.GetParams().at(technology->first);

    // Which CAM types each rule type stands for, and the parameters mapped per rule type.
    std::map<std::wstring, std::set<std::wstring>> mapped;
    for (const Parameters& row : params)
        mapped[row.appType].insert(row.appParam);
    std::set<std::wstring_view> covered;
    std::set<std::wstring> classes;
    for (const Types& row : technology->second) {
        EXPECT_TRUE(classes.insert(row.plmType).second) << "two rows for the class of " << Utf8(row.appType);
        const auto generic = GenericCamTypes.find(row.appType);
        if (generic == GenericCamTypes.end()) {
            covered.insert(row.appType);
            continue;
        }
        covered.insert(generic->second.first.begin(), generic->second.first.end());
        EXPECT_TRUE(mapped[row.appType].contains(std::wstring(generic->second.second)))
            << Utf8(row.appType) << " has no rule for its selector";
    }
    for (const auto& [type, description] : CamTypes) {
        EXPECT_TRUE(covered.contains(type)) << Utf8(type) << " is not mapped";
        std::wstring ruleType(type);
        for (const auto& [generic, family] : GenericCamTypes)
            if (family.first.contains(type) && !mapped.contains(ruleType))
                ruleType = generic;
        for (const auto& [name, id] : description.parameters)
            EXPECT_TRUE(mapped[ruleType].contains(std::wstring(name))) << Utf8(type) << "." << Utf8(name) << " is not mapped";
    }
}

} // namespace
} // namespace Vireo::Testing
