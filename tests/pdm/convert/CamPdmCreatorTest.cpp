#include "CamPdmTestData.h"

#include "pdm/convert/CamPdmCreator.h"
#include "pdm/cam/CamObjectManager.h"
#include "pdm/links/ObjectId.h"
#include "pdm/rules/IntegrationManager.h"
#include "platform/arbor/Database.h"
#include "platform/arbor/Model.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace Vireo::Cam::Pdm::Testing {
namespace {

namespace ArborModel = Vireo::Arbor::Model;
using Vireo::Testing::PdmFixture;

CamObject handle(CZKObject* object)
{
    return CamObject{object};
}

class CamPdmCreatorTest : public ::testing::Test {
protected:
    CamPdmCreatorTest() { SeedTechnology(pdm); }

    std::shared_ptr<ArborModel::Reference> Open(const TechReference& reference) const
    {
        return pdm.Connection().ReferenceCatalog()->Find(System::Guid::Parse(reference.Reference()))->CreateReference();
    }
    // The new PDM object of an export, or null when the run failed or saved nothing.
    PdmObject Export(CZKObject* object, const TechReference& reference, bool recursive, PdmObject parent = nullptr)
    {
        CamPdmCreator creator(handle(object), System::Guid::Parse(reference.Reference()));
        creator.SetParentDatasetObject(std::move(parent));
        creator.SetRecursive(recursive);
        if (!IntegrationManager().MakeData(creator) || creator.GetDatasetObjects().empty())
            return nullptr;
        return creator.GetDatasetObjects().back();
    }
    std::vector<PdmObject> Children(const TechReference& reference, const PdmObject& parent) const
    {
        auto loader = Open(reference)->CreateLoader(nullptr, parent, nullptr);
        loader->Load();
        return {loader->begin(), loader->end()};
    }
    long long CountOfClass(const std::wstring& objectClass) const
    {
        auto query = pdm.Connection().GetDatabase().Prepare(
            "SELECT COUNT(*) FROM objects o JOIN classes c ON c.id = o.class_id WHERE c.guid = ?1");
        query.Bind(1, System::Guid::Parse(objectClass));
        return query.Step() ? query.Int(0) : -1;
    }
    static std::wstring Text(const PdmObject& object, const std::wstring& parameter)
    {
        auto found = object->ParameterValues().GetParameter(System::Guid::Parse(parameter));
        return found && !found->Value().IsNull() ? found->ToString() : L"<none>";
    }

    PdmFixture pdm{std::filesystem::path(VIREO_SOURCE_DIR) / "data" / "pdm"};
    CZkw32Doc doc;
    SharedToolProject cam = BuildSharedToolProject(doc);
};

TEST_F(CamPdmCreatorTest, AToolOfTwoMachiningsHasTwoParentsOnlyWhereTheHierarchyAllowsIt)
{
    const struct {
        const TechReference& reference;
        long long tools;
    } cases[] = {{Technology, 1}, {Flat, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "reference " << std::string(c.reference.prefix.begin(), c.reference.prefix.end()));
        auto project = Export(cam.project, c.reference, true);
        ASSERT_TRUE(project);
        EXPECT_EQ(Text(project, c.reference.Name()), L"Housing");
        auto machinings = Children(c.reference, project);
        ASSERT_EQ(machinings.size(), 2u);
        EXPECT_EQ(Text(machinings[0], c.reference.Name()), L"Roughing");
        EXPECT_EQ(Text(machinings[1], c.reference.Name()), L"Finishing");
        auto firstTools = Children(c.reference, machinings[0]);
        auto secondTools = Children(c.reference, machinings[1]);
        ASSERT_EQ(firstTools.size(), 1u);
        ASSERT_EQ(secondTools.size(), 1u);
        EXPECT_EQ(firstTools[0]->Guid() == secondTools[0]->Guid(), c.tools == 1);
        EXPECT_EQ(firstTools[0]->GetParents().size(), c.tools == 1 ? 2u : 1u);
        EXPECT_EQ(CountOfClass(c.reference.Tool()), c.tools);
        EXPECT_EQ(Text(firstTools[0], c.reference.Diameter()), L"0.025");
    }
    // Exporting stores no link on any CAM object.
    for (CZKObject* object : std::vector<CZKObject*>{cam.project, cam.first, cam.second, cam.tool})
        EXPECT_EQ(CamObjectManager::GetUri(handle(object)), L"");
    EXPECT_TRUE(pdm.Ui().Messages().empty());
}

TEST_F(CamPdmCreatorTest, NumbersArriveInTheUnitOfThePdmParameterAndRowsThatDoNotApplyAreSkipped)
{
    auto tool = Export(cam.tool, Technology, false);
    ASSERT_TRUE(tool);
    EXPECT_EQ(tool->Class()->Guid(), System::Guid::Parse(Technology.Tool()));
    EXPECT_EQ(Text(tool, Technology.Name()), L"End mill D25");
    EXPECT_EQ(Text(tool, Technology.Kind()), L"cutter"); // set by the type row, kept: a link row is no value
    EXPECT_DOUBLE_EQ(tool->ParameterValues().GetParameter(System::Guid::Parse(Technology.Diameter()))->ToDouble(), 0.025);
    EXPECT_EQ(Text(tool, Technology.Reach()), L"25");    // the host has no such unit
    EXPECT_EQ(Text(tool, Technology.Angle()), L"<none>"); // another quantity
    EXPECT_EQ(Text(tool, Technology.Teeth()), L"<none>"); // its row is for another kind of object
}

TEST_F(CamPdmCreatorTest, WithoutRecursionOrAsADryRunNoChildIsWritten)
{
    auto project = Export(cam.project, Technology, false);
    ASSERT_TRUE(project);
    EXPECT_TRUE(Children(Technology, project).empty());
    EXPECT_EQ(CountOfClass(Technology.Machining()), 0);

    CamPdmCreator dryRun(handle(cam.project), System::Guid::Parse(Technology.Reference()));
    dryRun.SetRecursive(true);
    dryRun.SetCreationTry(true);
    EXPECT_TRUE(IntegrationManager().MakeData(dryRun));
    EXPECT_TRUE(dryRun.GetDatasetObjects().empty());
    EXPECT_EQ(CountOfClass(Technology.Project()), 1);
    EXPECT_EQ(CountOfClass(Technology.Machining()), 0);
}

TEST_F(CamPdmCreatorTest, AMachiningGroupInsideItselfEndsTheExportWithOneMessage)
{
    MachiningGroup* group = cam.project->GetMachiningGroups().Create();
    ASSERT_TRUE(group);
    group->SetName(L"Loop");
    ASSERT_TRUE(group->GetChildGroups().Add(group));

    EXPECT_FALSE(Export(cam.project, Technology, true));
    ASSERT_EQ(pdm.Ui().Messages().size(), 1u);
    EXPECT_NE(pdm.Ui().Messages()[0].text.find(L"among its own ancestors"), std::wstring::npos);
    EXPECT_EQ(CountOfClass(Technology.Project()), 1) << "the walk stops; the objects made before it stay whole";
}

TEST_F(CamPdmCreatorTest, UpdateWalksBelowAFailedLinkedChildAndGivesUnlinkedChildrenNewObjects)
{
    auto project = Export(cam.project, Technology, true);
    ASSERT_TRUE(project);
    const int referenceId = Open(Technology)->Id();
    const auto& address = pdm.Connection().ConnectionParameters().GetServerAddress();
    const std::wstring projectLink = GetUriFromObjectId(referenceId, project->Id(), address);
    const std::wstring missingLink = GetUriFromObjectId(referenceId, 999999, address);
    ASSERT_TRUE(CamObjectManager::SetUri(handle(cam.project), projectLink));
    ASSERT_TRUE(CamObjectManager::SetUri(handle(cam.first), missingLink));
    cam.project->SetName(L"Housing B");
    cam.tool->GetParameters().TrySetValue(HostIds::ToolParams::MillEnd::D, DoubleValue(30, zktypes::ZKUnits::Millimeter));

    CamPdmCreator update(handle(cam.project), project->Id(), referenceId);
    update.SetRecursive(true);
    ASSERT_TRUE(IntegrationManager().MakeData(update));

    project = Open(Technology)->Find(project->Id());
    EXPECT_EQ(Text(project, Technology.Name()), L"Housing B");
    // The first machining's link finds nothing; its tool is still visited and, having no PDM
    // parent to go under, is made at the top. The second machining gets a new object with a
    // new tool below it.
    auto machinings = Children(Technology, project);
    ASSERT_EQ(machinings.size(), 3u);
    EXPECT_EQ(Text(machinings[2], Technology.Name()), L"Finishing");
    auto newTools = Children(Technology, machinings[2]);
    ASSERT_EQ(newTools.size(), 1u);
    EXPECT_EQ(Text(newTools[0], Technology.Diameter()), L"0.03");
    const auto all = Children(Technology, nullptr);
    const auto isTopLevelTool = [](const PdmObject& object) {
        return object->Class()->Guid() == System::Guid::Parse(Technology.Tool()) && object->GetParents().empty();
    };
    EXPECT_EQ(std::count_if(all.begin(), all.end(), isTopLevelTool), 1);
    EXPECT_EQ(CountOfClass(Technology.Tool()), 3);

    EXPECT_EQ(CamObjectManager::GetUri(handle(cam.project)), projectLink);
    EXPECT_EQ(CamObjectManager::GetUri(handle(cam.first)), missingLink);
    EXPECT_EQ(CamObjectManager::GetUri(handle(cam.second)), L"");
    EXPECT_EQ(CamObjectManager::GetUri(handle(cam.tool)), L"");
}

} // namespace
} // namespace Vireo::Cam::Pdm::Testing
