// What the command handlers do with the CAM document and the PDM: the connection they
// make sure of, the dialogs they show, the change brackets they keep or roll back, and the
// fallback folders of an import that does not fit under its object.

#include "PluginFixture.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/links/ObjectId.h"

#include "platform/arbor/FaultPlan.h"
#include "platform/arbor/Reference.h"
#include "platform/arbor/ReferenceCatalog.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/ReferenceObject.h"
#include "platform/arbor/ServerConnection.h"
#include "platform/arbor/SystemGuid.h"
#include "platform/cam/MachiningProject.h"
#include "platform/cam/Stock.h"
#include "platform/cam/Tool.h"
#include "platform/cammodule/PluginSettings.h"
#include "platform/host/HostObjectTypes.h"
#include "platform/ui/UIModuleProxy.h"

namespace Vireo::Testing {
namespace {

using namespace Cam::Pdm;

constexpr unsigned addFromPdm = 26, addToPdm = 27, updateFromPdm = 28, updateToPdm = 29, openLink = 30,
                   synchronize = 34;

class Handlers : public PluginFixture {
protected:
    // The document objects, in id order.
    std::size_t ObjectCount() const { return doc.GetObjects().size(); }

    // The top-level CAM objects of a type made since the test began, newest last.
    std::vector<CZKObject*> Objects(int type) const
    {
        std::vector<CZKObject*> found;
        for (CZKObject* object : doc.GetObjects())
            if (object->GetObjType() == type)
                found.push_back(object);
        return found;
    }

    static std::wstring Link(CZKObject* object) { return CamObjectManager::GetUri(CamObject(object)); }

    // The sample end mill imported with no object to go under: a tool of the document.
    CZKObject* ImportEndmill()
    {
        SetCurrentObject(nullptr);
        Choose(TechnologyReference, SampleEndmill);
        Run(addFromPdm);
        const auto tools = Objects(ZKObjectTypes::CamTool);
        return tools.empty() ? nullptr : tools.back();
    }

    int PdmObjectId(const wchar_t* guid) const
    {
        const auto info = connection->ReferenceCatalog()->Find(System::Guid::Parse(TechnologyReference));
        return info->CreateReference()->Find(System::Guid::Parse(guid))->Id();
    }
};

TEST_F(Handlers, CancelledChoosersEndBothTransfersBeforeAnyChange)
{
    auto* project = doc.CreateObject<Cam::MachiningProject>();
    SetCurrentObject(project);
    const std::size_t objects = ObjectCount();
    Choose(L"", L"");
    Run(addFromPdm);
    Choose(L"", L"");
    Run(addToPdm);
    EXPECT_EQ(pdm->Ui().ReferenceRequests().size(), 2u);
    EXPECT_TRUE(pdm->Ui().ObjectRequests().empty());

    Choose(TechnologyReference, L"");
    Run(addFromPdm);
    Choose(TechnologyReference, L"");
    Run(addToPdm);
    ASSERT_EQ(pdm->Ui().ObjectRequests().size(), 2u);
    // The object dialog belongs to the document's frame and lists every object of the reference.
    const auto& request = pdm->Ui().ObjectRequests().front();
    EXPECT_EQ(request.owner, UIModuleProxy::Instance().FrameForDocument(&doc)->GetSafeHwnd());
    EXPECT_TRUE(request.filterText.empty());
    EXPECT_GT(request.objects.size(), 5u);

    EXPECT_EQ(ObjectCount(), objects);
    EXPECT_TRUE(doc.GetUndoSteps().empty());
    EXPECT_EQ(doc.GetRegenerationCount(), 0);
    EXPECT_TRUE(Link(project).empty());
}

TEST_F(Handlers, ImportOnAToolThatCannotHoldItRetriesInTheToolsFolder)
{
    CZKObject* tool = ImportEndmill();
    ASSERT_NE(tool, nullptr);
    SetCurrentObject(tool);
    Choose(TechnologyReference, SampleEndmill);
    Run(addFromPdm);
    const auto tools = Objects(ZKObjectTypes::CamTool);
    ASSERT_EQ(tools.size(), 2u);
    EXPECT_EQ(GetObjectIdFromUri(Link(tools.back()))->second, PdmObjectId(SampleEndmill));
    EXPECT_EQ(doc.GetUndoSteps(), std::vector<std::wstring>(2, L"Created cam objects from pdm"));
    EXPECT_EQ(doc.GetRegenerationCount(), 2);
}

TEST_F(Handlers, ImportOnAProjectRetriesInTheProjectsFolderAndOnAStockStops)
{
    auto* project = doc.CreateObject<Cam::MachiningProject>();
    SetCurrentObject(project);
    Choose(TechnologyReference, SampleProject);
    Run(addFromPdm);
    const auto projects = Objects(ZKObjectTypes::CamMachiningProject);
    ASSERT_EQ(projects.size(), 2u);
    EXPECT_EQ(GetObjectIdFromUri(Link(projects.back()))->second, PdmObjectId(SampleProject));
    EXPECT_EQ(doc.GetUndoSteps().size(), 1u);

    const std::string before = doc.SaveToText();
    SetCurrentObject(doc.CreateObject<Cam::Stock>());
    const std::string withStock = doc.SaveToText();
    Choose(TechnologyReference, SampleProject);
    Run(addFromPdm);
    EXPECT_EQ(doc.SaveToText(), withStock);
    EXPECT_EQ(doc.GetUndoSteps().size(), 1u);
    EXPECT_NE(before, withStock);
}

TEST_F(Handlers, UpdatesOfAnObjectWithoutAPdmLinkDoNothing)
{
    auto* tool = doc.CreateObject<Cam::Tool>();
    for (const wchar_t* link : {L"", L"https://pdm.example/OpenReferenceWindow/?refId=1&objId=2",
                                L"arbor://pdm.example/Other/?refId=1&objId=2"}) {
        ASSERT_TRUE(CamObjectManager::SetUri(CamObject(tool), link));
        SetCurrentObject(tool);
        const std::string before = doc.SaveToText();
        pdm->Faults().Reset();
        Run(updateFromPdm);
        Run(updateToPdm);
        EXPECT_EQ(doc.SaveToText(), before) << link;
        EXPECT_TRUE(doc.GetUndoSteps().empty()) << link;
        EXPECT_EQ(pdm->Faults().Count(Arbor::Model::FaultPoint::ObjectRead), 0u) << link;
        EXPECT_EQ(pdm->Faults().Count(Arbor::Model::FaultPoint::Save), 0u) << link;
        EXPECT_TRUE(pdm->Ui().Messages().empty()) << link;
    }
}

TEST_F(Handlers, TheConnectionIsAskedForOnceAndWithoutItNothingIsShown)
{
    SetCurrentObject(doc.CreateObject<Cam::Tool>());
    Disconnect(true);
    Run(addFromPdm);
    EXPECT_EQ(pdm->Ui().ReferenceRequests().size(), 1u) << "the handler connected and went on";
    Disconnect(false);
    for (unsigned command : {addFromPdm, addToPdm, updateFromPdm, updateToPdm, synchronize})
        Run(command);
    EXPECT_EQ(pdm->Ui().ReferenceRequests().size(), 1u);
    EXPECT_TRUE(pdm->Ui().Messages().empty());
    Run(addFromPdm);
    SetCurrentObject(nullptr);
    EXPECT_TRUE(doc.GetUndoSteps().empty());
}

TEST_F(Handlers, ExportLinksTheExportedObjectsOnlyWhenSetToAndUpdatesFollowTheLinks)
{
    SetCurrentObject(nullptr);
    Choose(TechnologyReference, SampleProject);
    Run(addFromPdm);
    ASSERT_EQ(Objects(ZKObjectTypes::CamMachiningProject).size(), 1u);
    CZKObject* project = Objects(ZKObjectTypes::CamMachiningProject).front();
    CZKObject* tool = Objects(ZKObjectTypes::CamTool).front();
    const std::wstring importedProject = Link(project);
    const std::wstring importedTool = Link(tool);

    SetCurrentObject(project);
    Choose(TechnologyReference, ProjectsFolder);
    Run(addToPdm);
    EXPECT_EQ(Link(project), importedProject) << "linking is off unless set";
    EXPECT_EQ(doc.GetUndoSteps().size(), 1u);

    Cam::PluginSettings::Instance().Override(L"link-exported-objects", L"on");
    Choose(TechnologyReference, ProjectsFolder);
    Run(addToPdm);
    EXPECT_NE(Link(project), importedProject);
    EXPECT_NE(Link(tool), importedTool);
    EXPECT_EQ(doc.GetUndoSteps().back(), L"Linked cam objects to pdm");

    // The PDM objects the links now name keep what an update writes into them.
    CamObjectManager manager{CamObject(tool)};
    const double changed = manager.GetValue(L"D")->AsDouble()->GetValue() + 1;
    ASSERT_TRUE(manager.SetValue(L"D", Cam::DoubleValue(changed, manager.GetValue(L"D")->AsDouble()->GetUnit())));
    Run(updateToPdm);
    Run(updateFromPdm);
    EXPECT_DOUBLE_EQ(manager.GetValue(L"D")->AsDouble()->GetValue(), changed);
    EXPECT_EQ(doc.GetUndoSteps().back(), L"Update cam objects from pdm");
}

TEST_F(Handlers, OpenLinkIsEnabledForPdmObjectLinksOnlyAndOpensThemWithoutAConnection)
{
    auto* tool = doc.CreateObject<Cam::Tool>();
    EXPECT_FALSE(IsEnabled(openLink)) << "no object";
    SetCurrentObject(tool);
    for (const wchar_t* link : {L"", L"https://pdm.example/OpenReferenceWindow/?refId=1&objId=2",
                                L"arbor://pdm.example/OpenReferenceWindow?refId=1&objId=2"}) {
        ASSERT_TRUE(CamObjectManager::SetUri(CamObject(tool), link));
        EXPECT_FALSE(IsEnabled(openLink)) << link;
        Run(openLink);
    }
    EXPECT_TRUE(pdm->Ui().OpenedLinks().empty());

    const std::wstring link = L"arbor://another.host:8080/OpenReferenceWindow/?anything=at+all";
    ASSERT_TRUE(CamObjectManager::SetUri(CamObject(tool), link));
    EXPECT_TRUE(IsEnabled(openLink));
    EXPECT_FALSE(Cam::CommandRegisterHandler::Instance().IsEnabled(
        Cam::CommandRegisterHandler::Instance().GetIdGlobalByLocal(openLink), nullptr));
    Disconnect(false);
    Run(openLink);
    EXPECT_EQ(pdm->Ui().OpenedLinks(), std::vector<std::wstring>{link});
    EXPECT_TRUE(pdm->Ui().ReferenceRequests().empty());
}

} // namespace
} // namespace Vireo::Testing
