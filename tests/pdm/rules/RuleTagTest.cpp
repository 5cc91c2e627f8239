// The tag condition of rule rows, which both transfer directions ask: how the tag cell is
// read, and what a missing parameter or an empty tag means.

#include "PdmBuilderTestSupport.h"

#include "pdm/rules/RuleParameterGuid.h"

namespace Vireo::Cam::Pdm::Testing {
namespace {

using RuleTagTest = PdmBuilderTest;

TEST_F(RuleTagTest, HoldsWhenTheTaggedParameterHasTheValueAndForAnEmptyTag)
{
    const auto drill = Find(Tools::Reference, Tools::Drill8);
    ASSERT_TRUE(drill);
    const std::wstring name = Tools::Name;
    EXPECT_TRUE(HoldsRuleTag(*drill, name, L"Drill 8"));
    EXPECT_FALSE(HoldsRuleTag(*drill, name, L"Drill 9"));
    EXPECT_FALSE(HoldsRuleTag(*drill, name, L""));
    // A row without a tag applies to every object, whatever its tag value cell says.
    EXPECT_TRUE(HoldsRuleTag(*drill, L"", L""));
    EXPECT_TRUE(HoldsRuleTag(*drill, L"", L"anything"));
    EXPECT_TRUE(HoldsRuleTagOrThrow(*drill, name, L"Drill 8"));
    EXPECT_FALSE(HoldsRuleTagOrThrow(*drill, Holders::Name, L""));
}

TEST_F(RuleTagTest, ReadsTheTagCellAsEveryGuidTextIsRead)
{
    const auto drill = Find(Tools::Reference, Tools::Drill8);
    ASSERT_TRUE(drill);
    const std::wstring name = Tools::Name;
    EXPECT_TRUE(HoldsRuleTag(*drill, L"{" + name + L"}", L"Drill 8"));
    EXPECT_TRUE(HoldsRuleTag(*drill, L"E5A9D1FB-980E-4457-84A1-993070DD24D6", L"Drill 8"));
    // Short, overlong, unbalanced braces and wrong separators name no parameter.
    for (const std::wstring& cell : {name.substr(0, 35), name + L"0", L"{" + name, name.substr(0, 8) + L"+" +
                                                                                    name.substr(9),
                                     std::wstring(L"no guid")}) {
        EXPECT_FALSE(HoldsRuleTag(*drill, cell, L"Drill 8")) << std::string(cell.begin(), cell.end());
        EXPECT_FALSE(FindRuleParameterGuid(cell));
        EXPECT_THROW(RuleParameterGuid(cell), std::invalid_argument);
        EXPECT_THROW(HoldsRuleTagOrThrow(*drill, cell, L"Drill 8"), std::invalid_argument);
    }
}

TEST_F(RuleTagTest, DoesNotHoldForAParameterTheObjectLacks)
{
    const auto drill = Find(Tools::Reference, Tools::Drill8);
    ASSERT_TRUE(drill);
    // The holders' name parameter belongs to another reference.
    EXPECT_FALSE(HoldsRuleTag(*drill, Holders::Name, L""));
    EXPECT_FALSE(HoldsRuleTag(*drill, L"00000000-0000-4000-8000-000000000000", L""));
}

} // namespace
} // namespace Vireo::Cam::Pdm::Testing
