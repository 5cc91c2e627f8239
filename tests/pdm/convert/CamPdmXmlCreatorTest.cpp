#include "CamPdmTestData.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/convert/CamPdmXmlCreator.h"
#include "pdm/rules/IntegrationManager.h"
#include "platform/support/Utf8.h"
#include "platform/xml/Document.h"
#include "tests/pdm/testing/PdmSeed.h"

#include <gtest/gtest.h>

#include <map>

namespace Vireo::Cam::Pdm::Testing {
namespace {

using Vireo::Testing::ParamRowSeed;
using Vireo::Testing::PdmFixture;
using Vireo::Testing::RulePath;
using Vireo::Testing::RuleObjectSeed;
using Vireo::Testing::TypeRowSeed;

namespace Jobs {
constexpr wchar_t Reference[] = L"60000000-0000-4000-8000-000000000000";
constexpr wchar_t Name[] = L"60000000-0000-4000-8000-000000000001";
constexpr wchar_t Kind[] = L"60000000-0000-4000-8000-000000000002";
constexpr wchar_t Geometry[] = L"61000000-0000-4000-8000-000000000000";
constexpr wchar_t D[] = L"61000000-0000-4000-8000-000000000001";
constexpr wchar_t Extra[] = L"62000000-0000-4000-8000-000000000000";
constexpr wchar_t Comment[] = L"62000000-0000-4000-8000-000000000001";
constexpr wchar_t Notes[] = L"63000000-0000-4000-8000-000000000000";
constexpr wchar_t Note[] = L"63000000-0000-4000-8000-000000000001";
constexpr wchar_t Maker[] = L"64000000-0000-4000-8000-000000000000";
constexpr wchar_t Job[] = L"60000000-0000-4000-8000-0000000000c1";
constexpr wchar_t PlainJob[] = L"60000000-0000-4000-8000-0000000000c2";
constexpr wchar_t Makers[] = L"6f000000-0000-4000-8000-000000000000";
constexpr wchar_t MakerName[] = L"6f000000-0000-4000-8000-000000000001";
constexpr wchar_t Sites[] = L"6f100000-0000-4000-8000-000000000000";
constexpr wchar_t Site[] = L"6f100000-0000-4000-8000-000000000001";
} // namespace Jobs

// Jobs in metres with a kind tag, a plain group, a table of notes, a one-to-one table that
// only one class lists, and a link to makers that have a table of sites.
std::string JobsSeed()
{
    namespace S = Vireo::Testing::Seed;
    using namespace Jobs;
    return S::Pdm(
        {S::Reference(Makers, "Makers",
                      {S::Parameter({MakerName, "Name"}),
                       S::Table(Sites, "Sites", {{Site, "Site"}}, L"6f100000-0000-4000-8000-0000000000c1", "Site"),
                       S::Class(L"6f000000-0000-4000-8000-0000000000c1", "Maker")}),
         S::Reference(Jobs::Reference, "Jobs",
                      {S::Parameter({Name, "Name"}), S::Parameter({Kind, "Kind"}),
                       S::Group(Geometry, "Geometry", {{D, "D", "double", L"acf9467a-86ac-4aac-bfcf-f9bbf311a761"}}),
                       S::Table(Extra, "Extra", {{Comment, "Comment"}}, L"62000000-0000-4000-8000-0000000000c1",
                                "ExtraRow", false),
                       S::Table(Notes, "Notes", {{Note, "Note"}}, L"63000000-0000-4000-8000-0000000000c1", "NoteRow"),
                       S::LinkGroup(Maker, "Maker", Makers), S::Class(Job, "Job"),
                       S::Class(PlainJob, "PlainJob", {.groups = {Geometry}})})});
}

// End mills are cutter jobs; a second row describes them as plain jobs as well. "D" has a
// row for cutters and one for holders.
RuleObjectSeed jobRules()
{
    using namespace Jobs;
    const wchar_t* J = Jobs::Reference;
    RuleObjectSeed rules;
    rules.name = L"Jobs";
    rules.appCode = L"VIREO CAM";
    rules.datasetGuid = J;
    rules.types = {TypeRowSeed{L"ToolMillEnd", RulePath({Job}), RulePath({J, Kind}), L"cutter"},
                   TypeRowSeed{L"Tool", RulePath({PlainJob})}};
    const std::wstring d = RulePath({J, Geometry, D});
    rules.params = {
        ParamRowSeed{L"Name", RulePath({J, Name})},
        ParamRowSeed{L"D", d, L"", L"", RulePath({J, Kind}), L"cutter"},
        ParamRowSeed{L"D", d, L"", L"", RulePath({J, Kind}), L"holder"},
        ParamRowSeed{L"Name", RulePath({J, Extra, Comment})},
        ParamRowSeed{L"Name", RulePath({J, Notes, Note})},
        ParamRowSeed{L"Name", RulePath({J, Maker, MakerName})},
        ParamRowSeed{L"Name", RulePath({J, Maker, Sites, Site})},
    };
    return rules;
}

class CamPdmXmlCreatorTest : public ::testing::Test {
protected:
    std::string Describe(const CamObject& object, bool recursive)
    {
        CamPdmXmlCreator creator(object);
        creator.SetRecursive(recursive);
        if (!IntegrationManager().MakeData(creator)) {
            EXPECT_EQ(creator.GetXmlValue(), L"");
            return "";
        }
        return Support::WideToUtf8(creator.GetXmlValue());
    }

    static std::string Id(CZKObject* object)
    {
        return Support::WideToUtf8(CamObjectManager::idToString(CamObjectManager::GetId(CamObject{object})));
    }

    PdmFixture pdm{std::filesystem::path(VIREO_SOURCE_DIR) / "data" / "pdm"};
    CZkw32Doc doc;
};

TEST_F(CamPdmXmlCreatorTest, OneToolDescribedOncePerTypeRowWithTagUnitsLinksAndTables)
{
    pdm.SeedText(JobsSeed());
    Vireo::Testing::SeedRuleObjects(pdm, {jobRules()});
    const SharedToolProject cam = BuildSharedToolProject(doc);
    // The link and the table of notes, which both classes list.
    const std::string linkAndNotes = R"(
        <LinkObject referenceGuid="6f000000-0000-4000-8000-000000000000" classGuid="6f000000-0000-4000-8000-0000000000c1" linkGuid="64000000-0000-4000-8000-000000000000">
          <Value guid="6f000000-0000-4000-8000-000000000001" type="string">End mill D25</Value>
          <ListObject referenceGuid="6f000000-0000-4000-8000-000000000000" classGuid="6f100000-0000-4000-8000-0000000000c1" linkGuid="6f100000-0000-4000-8000-000000000000">
            <Value guid="6f100000-0000-4000-8000-000000000001" type="string">End mill D25</Value>
          </ListObject>
        </LinkObject>
        <ListObject referenceGuid="60000000-0000-4000-8000-000000000000" classGuid="63000000-0000-4000-8000-0000000000c1" linkGuid="63000000-0000-4000-8000-000000000000">
          <Value guid="63000000-0000-4000-8000-000000000001" type="string">End mill D25</Value>
        </ListObject>
      </Object>
    </RootObject>)";
    std::string expected = R"(<Root>
  <Objects>
    <RootObject id="@">
      <Object referenceGuid="60000000-0000-4000-8000-000000000000" classGuid="60000000-0000-4000-8000-0000000000c1">
        <Value guid="60000000-0000-4000-8000-000000000002" type="string">cutter</Value>
        <Value guid="60000000-0000-4000-8000-000000000001" type="string">End mill D25</Value>
        <Value guid="61000000-0000-4000-8000-000000000001" type="double">0.025000</Value>
        <Value guid="62000000-0000-4000-8000-000000000001" type="string">End mill D25</Value>)" +
                           linkAndNotes + R"(
    <RootObject id="@">
      <Object referenceGuid="60000000-0000-4000-8000-000000000000" classGuid="60000000-0000-4000-8000-0000000000c2">
        <Value guid="60000000-0000-4000-8000-000000000001" type="string">End mill D25</Value>)" +
                           linkAndNotes + R"(
  </Objects>
</Root>)";
    for (auto at = expected.find('@'); at != std::string::npos; at = expected.find('@'))
        expected.replace(at, 1, Id(cam.tool));
    // The cutter row's tag comes first and lets only the cutter's "D" in, in metres; the
    // plain job lacks the one-to-one table and the tag, so neither reaches it.
    EXPECT_EQ(Describe(CamObject{cam.tool}, false), expected + "\n");
}

TEST_F(CamPdmXmlCreatorTest, AProjectListsEachObjectOnceAfterItsSubtreeWithItsParents)
{
    SeedTechnology(pdm);
    const SharedToolProject cam = BuildSharedToolProject(doc);
    zkaux::xml::Document described;
    ASSERT_TRUE(described.LoadXml(Describe(CamObject{cam.project}, true)));
    // Each object once per dataset (technology and flat), in stack order: the second
    // machining's subtree before the first machining; the shared tool under the first
    // machining to reach it, with both machinings as parents.
    std::vector<std::string> order;
    std::map<std::string, std::vector<std::string>> parents;
    for (const auto& rootObject : described.GetRoot().GetSubNode("Objects").GetChildren()) {
        const std::string id = rootObject.GetAttribute("id").value_or("?");
        order.push_back(id);
        std::vector<std::string> listed;
        for (const auto& parent : rootObject.GetSubNode("Parents").GetChildren())
            listed.push_back(parent.GetAttribute("id").value_or("?"));
        if (!parents.emplace(id, listed).second) {
            EXPECT_EQ(parents[id], listed) << id;
        }
    }
    const std::string project = Id(cam.project), first = Id(cam.first), second = Id(cam.second), tool = Id(cam.tool);
    EXPECT_EQ(order, (std::vector<std::string>{project, project, second, second, tool, tool, first, first}));
    EXPECT_EQ(parents[project], std::vector<std::string>{});
    EXPECT_EQ(parents[first], std::vector<std::string>{project});
    EXPECT_EQ(parents[tool], (std::vector<std::string>{second, first}));

    // Without recursion, or without connection, the project alone or nothing.
    described.LoadXml(Describe(CamObject{cam.project}, false));
    EXPECT_EQ(described.GetRoot().GetSubNode("Objects").GetChildren().size(), 2u);
    pdm.Disconnect();
    EXPECT_EQ(Describe(CamObject{cam.project}, true), "");
}

} // namespace
} // namespace Vireo::Cam::Pdm::Testing
