#include "CamPdmTestData.h"

#include "pdm/convert/CamPdmCreator.h"
#include "pdm/convert/LinkExportedObjects.h"
#include "pdm/rules/BuilderMessage.h"
#include "platform/support/Utf8.h"
#include "platform/ui/ZKTrAtl.h"
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

std::string Narrow(const std::wstring& text)
{
    return Support::WideToUtf8(text);
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
        return pdm.Count("SELECT COUNT(*) FROM objects o JOIN classes c ON c.id = o.class_id WHERE c.guid = '" +
                         Narrow(objectClass) + "'");
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

// A child whose linked object is gone, or whose link is no link, is left out with its
// subtree and named in a message; its siblings are updated, an unlinked one gets a new object.
TEST_F(CamPdmCreatorTest, UpdateSkipsAChildWhoseLinkIsGoneOrBrokenAndGoesOnWithItsSiblings)
{
    const auto& address = pdm.Connection().ConnectionParameters().GetServerAddress();
    const struct {
        const char* what;
        bool missing; // else broken
    } cases[] = {{"linked object deleted", true}, {"link text that does not decode", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto project = Export(cam.project, Technology, true);
        ASSERT_TRUE(project);
        const int referenceId = Open(Technology)->Id();
        const std::wstring projectLink = GetUriFromObjectId(referenceId, project->Id(), address);
        const std::wstring firstLink = c.missing ? GetUriFromObjectId(referenceId, 999999, address)
                                                 : L"arbor://" + address + L"/OpenReferenceWindow/?refId=%FF&objId=1";
        ASSERT_TRUE(CamObjectManager::SetUri(handle(cam.project), projectLink));
        ASSERT_TRUE(CamObjectManager::SetUri(handle(cam.first), firstLink));
        ASSERT_TRUE(CamObjectManager::SetUri(handle(cam.second), L""));
        cam.project->SetName(L"Housing B");
        cam.tool->GetParameters().TrySetValue(HostIds::ToolParams::MillEnd::D,
                                              DoubleValue(30, zktypes::ZKUnits::Millimeter));
        const auto tools = CountOfClass(Technology.Tool());
        const auto machiningCount = CountOfClass(Technology.Machining());
        pdm.Ui().Clear();

        CamPdmCreator update(handle(cam.project), project->Id(), referenceId);
        update.SetRecursive(true);
        ASSERT_TRUE(IntegrationManager().MakeData(update));

        project = Open(Technology)->Find(project->Id());
        EXPECT_EQ(Text(project, Technology.Name()), L"Housing B");
        // Only the unlinked second machining and its tool are new, under the project.
        auto machinings = Children(Technology, project);
        ASSERT_EQ(machinings.size(), 3u);
        EXPECT_EQ(Text(machinings[2], Technology.Name()), L"Finishing");
        auto newTools = Children(Technology, machinings[2]);
        ASSERT_EQ(newTools.size(), 1u);
        EXPECT_EQ(Text(newTools[0], Technology.Diameter()), L"0.03");
        EXPECT_EQ(CountOfClass(Technology.Machining()), machiningCount + 1);
        EXPECT_EQ(CountOfClass(Technology.Tool()), tools + 1);

        ASSERT_EQ(pdm.Ui().Messages().size(), 1u);
        const std::wstring& shown = pdm.Ui().Messages()[0].text;
        EXPECT_EQ(shown.rfind(ZKTrAtl(BuilderMessageKey::GettingReferenceObjectData) + L"\n\n", 0), 0u) << Narrow(shown);
        EXPECT_NE(shown.find(c.missing ? L"999999" : L"%FF"), std::wstring::npos) << Narrow(shown);

        EXPECT_EQ(CamObjectManager::GetUri(handle(cam.project)), projectLink);
        EXPECT_EQ(CamObjectManager::GetUri(handle(cam.first)), firstLink);
        EXPECT_EQ(CamObjectManager::GetUri(handle(cam.second)), L"");
        cam.tool->GetParameters().TrySetValue(HostIds::ToolParams::MillEnd::D,
                                              DoubleValue(25, zktypes::ZKUnits::Millimeter));
        cam.project->SetName(L"Housing");
    }
}

// With the links of an export stored, a recursive update finds every object again.
TEST_F(CamPdmCreatorTest, LinkingAnExportLetsARecursiveUpdateMakeNoDuplicates)
{
    CamPdmCreator exporter(handle(cam.project), System::Guid::Parse(Technology.Reference()));
    exporter.SetRecursive(true);
    ASSERT_TRUE(IntegrationManager().MakeData(exporter));
    // Project, two machinings and the shared tool, the tool once.
    ASSERT_EQ(exporter.GetExportedObjects().size(), 4u);
    const auto countObjects = [this] { return pdm.Count("SELECT COUNT(*) FROM objects"); };
    const auto exported = countObjects();

    ASSERT_TRUE(LinkExportedObjects(exporter));
    ASSERT_FALSE(doc.GetUndoSteps().empty());
    EXPECT_EQ(doc.GetUndoSteps().back(), L"Linked cam objects to pdm");
    for (CZKObject* object : std::vector<CZKObject*>{cam.project, cam.first, cam.second, cam.tool})
        EXPECT_TRUE(GetObjectIdFromUri(CamObjectManager::GetUri(handle(object)))) << "every object is linked";
    const auto projectId = GetObjectIdFromUri(CamObjectManager::GetUri(handle(cam.project)));
    ASSERT_TRUE(projectId);
    EXPECT_EQ(projectId->second, exporter.GetDatasetObjects().back()->Id());

    cam.tool->GetParameters().TrySetValue(HostIds::ToolParams::MillEnd::D, DoubleValue(32, zktypes::ZKUnits::Millimeter));
    CamPdmCreator update(handle(cam.project), projectId->second, projectId->first);
    update.SetRecursive(true);
    ASSERT_TRUE(IntegrationManager().MakeData(update));
    EXPECT_EQ(countObjects(), exported);
    const auto toolId = GetObjectIdFromUri(CamObjectManager::GetUri(handle(cam.tool)));
    ASSERT_TRUE(toolId);
    EXPECT_EQ(Text(Open(Technology)->Find(toolId->second), Technology.Diameter()), L"0.032");
    EXPECT_TRUE(pdm.Ui().Messages().empty());
}

// Linking is all or nothing: an object that cannot take its link leaves every link as it was.
TEST_F(CamPdmCreatorTest, LinkingAnExportThatCannotBeStoredChangesNoObject)
{
    CamPdmCreator exporter(handle(cam.project), System::Guid::Parse(Technology.Reference()));
    exporter.SetRecursive(true);
    ASSERT_TRUE(IntegrationManager().MakeData(exporter));
    doc.SetReadOnly(true);
    EXPECT_FALSE(LinkExportedObjects(exporter));
    doc.SetReadOnly(false);
    for (CZKObject* object : std::vector<CZKObject*>{cam.project, cam.first, cam.second, cam.tool})
        EXPECT_EQ(CamObjectManager::GetUri(handle(object)), L"");
}

// When the second parent cannot be given the shared tool, the tool is exported once more for it.
TEST_F(CamPdmCreatorTest, ASharedChildWhoseLinkFailsIsCreatedAsANewObject)
{
    // Saves: the project, the two machinings, the tool; the fifth gives the tool its second parent.
    pdm.Faults().Reset();
    pdm.Faults().FailAt(ArborModel::FaultPoint::Save, 5, ArborModel::FaultAction::ReturnFalse);
    auto project = Export(cam.project, Technology, true);
    ASSERT_TRUE(project);
    auto machinings = Children(Technology, project);
    ASSERT_EQ(machinings.size(), 2u);
    auto firstTools = Children(Technology, machinings[0]);
    auto secondTools = Children(Technology, machinings[1]);
    ASSERT_EQ(firstTools.size(), 1u);
    ASSERT_EQ(secondTools.size(), 1u);
    EXPECT_NE(firstTools[0]->Guid(), secondTools[0]->Guid());
    EXPECT_EQ(CountOfClass(Technology.Tool()), 2);
    EXPECT_EQ(Text(secondTools[0], Technology.Diameter()), L"0.025");
}

TEST_F(CamPdmCreatorTest, StocksPartsAndFixturesOfTwoParentsAreOneObjectOnlyWhereTheHierarchyAllowsIt)
{
    const CamObject project = handle(cam.project);
    for (const wchar_t* type : {L"StockBlock", L"Part", L"Fixture"}) {
        CamObject shared = CamObjectManager::MakeCamObject(&doc, type, project);
        ASSERT_FALSE(CamObjectManager::IsNull(shared)) << Narrow(type);
        CamObjectManager(shared).SetValue(L"Name", StringValue(std::wstring(type) + L" 1"));
        ASSERT_TRUE(CamObjectManager::AddChild(handle(cam.first), shared)) << Narrow(type);
    }
    const struct {
        const TechReference& reference;
        long long copies;
    } cases[] = {{Technology, 1}, {Flat, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.reference.prefix));
        ASSERT_TRUE(Export(cam.project, c.reference, true));
        for (const std::wstring& objectClass : {c.reference.Stock(), c.reference.Part(), c.reference.Fixture()})
            EXPECT_EQ(CountOfClass(objectClass), c.copies) << Narrow(objectClass);
    }
    EXPECT_TRUE(pdm.Ui().Messages().empty());
}

} // namespace
} // namespace Vireo::Cam::Pdm::Testing
