// Drag and drop between the CAM tree and the PDM client through the module's extension:
// the drag text of the client, trial builds while the mouse moves, and drops that create
// all dragged objects or none.

#include "PluginFixture.h"

#include "pdm/plugin/DraggedPdmObjects.h"
#include "pdm/plugin/Module.h"
#include "pdm/plugin/PdmDragDropExtension.h"

#include "pdm/links/Guid.h"

#include "platform/arbor/FaultPlan.h"
#include "platform/cam/MachiningProject.h"
#include "platform/cam/Stock.h"
#include "platform/cam/Tool.h"
#include "platform/cammodule/DragDropExtension.h"
#include "platform/host/HostObjectTypes.h"

namespace Vireo::Testing {
namespace {

using namespace Cam::Pdm;
using Cam::UI::DragDropData;
using Cam::UI::DragObject;

constexpr const wchar_t* MissingObject = L"0badf00d-0000-4000-8000-000000000000";

std::wstring item(const std::wstring& object, const std::wstring& reference = TechnologyReference)
{
    return L"<Item Object=\"" + object + L"\" Reference=\"" + reference + L"\"><ParentHierarchyLink/></Item>";
}

std::wstring dragText(const std::vector<std::wstring>& objects)
{
    std::wstring text = L"<Drag><Objects>";
    for (const auto& object : objects)
        text += item(object);
    return text + L"</Objects></Drag>";
}

class DragDrop : public PluginFixture {
protected:
    DragDropData Over(const std::wstring& text, DragObject target = DragObject(Cam::UI::ToolsNode))
    {
        DragDropData data;
        data.text = text;
        data.target = target;
        data.effect = 7;
        extension->DragOver(data);
        return data;
    }
    DragDropData Drop(const std::wstring& text, DragObject target = DragObject(Cam::UI::ToolsNode))
    {
        DragDropData data;
        data.text = text;
        data.target = target;
        data.effect = 7;
        extension->Dropped(data);
        return data;
    }
    std::size_t Count(int type) const
    {
        std::size_t count = 0;
        for (CZKObject* object : doc.GetObjects())
            count += object->GetObjType() == type ? 1 : 0;
        return count;
    }

    Module module;
    Cam::UI::IDragDropExtension* extension = module.GetDragDropExtension();
};

TEST(DragText, CountsOnlyObjectsWithAHierarchyLinkAndTwoGuidAttributes)
{
    const std::wstring a = L"11111111-2222-4333-8444-555555555555", r = L"66666666-7777-4888-9999-aaaaaaaaaaaa";
    const std::wstring text = L"<Anything><Objects>" + item(a, r) +
                              L"<Item Object=\"" + a + L"\" Reference=\"" + r + L"\"/>" + // no hierarchy link
                              L"<Item Object=\"" + a + L"\"><ParentHierarchyLink/></Item>" +
                              L"<Item Object=\"{" + a + L"}\" Reference=\"" + r + L"\"><ParentHierarchyLink/></Item>" +
                              L"<Item Object=\"" + a.substr(0, 35) + L"x\" Reference=\"" + r + L"\"><ParentHierarchyLink/></Item>" +
                              L"<Other Reference=\"" + a + L"\" Object=\"" + r + L"\"><ParentHierarchyLink/></Other>" +
                              L"</Objects></Anything>";
    const DraggedPdmObjects dragged = GetObjectUuid(text);
    ASSERT_EQ(dragged.size(), 2u);
    EXPECT_EQ(ToNetGuid(dragged[0].first).ToString(), r);
    EXPECT_EQ(ToNetGuid(dragged[0].second).ToString(), a);
    EXPECT_EQ(ToNetGuid(dragged[1].first).ToString(), a); // any element name, attributes in any order
    for (const std::wstring bad : {L"", L"not xml", L"<Drag/>", L"<Drag><Objects>", L"<Drag><Objects/></Drag>",
                                L"<Drag><Objects>\xD800</Objects></Drag>"})
        EXPECT_TRUE(GetObjectUuid(bad).empty()) << testing::PrintToString(bad);
}

TEST_F(DragDrop, ATrialStopsAtTheFirstObjectThatCannotBeMadeAndChangesNothing)
{
    const std::string before = doc.SaveToText();
    DragDropData one = Over(dragText({SampleEndmill}));
    EXPECT_TRUE(one.answered);
    EXPECT_EQ(one.effect, 1);

    auto& faults = pdm->Faults();
    Over(dragText({SampleEndmill, MissingObject, SampleEndmill})); // rule caches filled
    faults.Reset();
    DragDropData two = Over(dragText({SampleEndmill, MissingObject}));
    const std::size_t readsForTwo = faults.Count(Arbor::Model::FaultPoint::ObjectRead);
    faults.Reset();
    DragDropData three = Over(dragText({SampleEndmill, MissingObject, SampleEndmill}));
    EXPECT_TRUE(three.answered);
    EXPECT_EQ(three.effect, 0);
    EXPECT_EQ(two.effect, 0);
    EXPECT_EQ(faults.Count(Arbor::Model::FaultPoint::ObjectRead), readsForTwo) << "the third object was tried";
    EXPECT_EQ(doc.SaveToText(), before);
    EXPECT_TRUE(doc.GetUndoSteps().empty());
}

TEST_F(DragDrop, ADropMakesAllObjectsInOneStepOrNone)
{
    const std::string before = doc.SaveToText();
    Drop(dragText({SampleEndmill, MissingObject, SampleEndmill}));
    EXPECT_EQ(doc.SaveToText(), before);
    EXPECT_TRUE(doc.GetUndoSteps().empty());

    Drop(dragText({SampleEndmill, SampleEndmill}));
    EXPECT_EQ(Count(ZKObjectTypes::CamTool), 2u);
    EXPECT_EQ(doc.GetUndoSteps(), std::vector<std::wstring>{L"Created cam objects from pdm"});
    EXPECT_EQ(doc.GetRegenerationCount(), 1);
}

TEST_F(DragDrop, AFolderTargetIsPassedAsTheNodeAndAnObjectTargetAsTheParent)
{
    // A tool goes into the tools folder but not under a stock, which cannot hold it.
    auto* stock = doc.CreateObject<Cam::Stock>();
    const std::string withStock = doc.SaveToText();
    EXPECT_EQ(Over(dragText({SampleEndmill}), DragObject(stock)).effect, 0);
    Drop(dragText({SampleEndmill}), DragObject(stock));
    EXPECT_EQ(doc.SaveToText(), withStock);

    // The project goes into the projects folder, and not into the tools folder.
    EXPECT_EQ(Over(dragText({SampleProject}), DragObject(Cam::UI::ToolsNode)).effect, 0);
    EXPECT_EQ(Over(dragText({SampleProject}), DragObject(Cam::UI::MachiningProjectsNode)).effect, 1);
    Drop(dragText({SampleProject}), DragObject(Cam::UI::MachiningProjectsNode));
    EXPECT_EQ(Count(ZKObjectTypes::CamMachiningProject), 1u);
}

TEST_F(DragDrop, ABusyDocumentIsRefusedBeforeTheTextIsReadAndNoConnectionLeavesTheDataAlone)
{
    ASSERT_TRUE(doc.BeginChanges(L"busy"));
    DragDropData busy = Over(L"not even xml");
    EXPECT_FALSE(busy.answered);
    EXPECT_EQ(busy.effect, 0);
    doc.CancelChanges(true);

    DragDropData garbage = Over(L"not even xml");
    EXPECT_FALSE(garbage.answered);
    EXPECT_EQ(garbage.effect, 7);

    Disconnect(false);
    DragDropData offline = Over(dragText({SampleEndmill}));
    EXPECT_FALSE(offline.answered);
    EXPECT_EQ(offline.effect, 7);
    DragDropData dropped = Drop(dragText({SampleEndmill}));
    EXPECT_EQ(dropped.effect, 7);
    EXPECT_EQ(Count(ZKObjectTypes::CamTool), 0u);
}

TEST_F(DragDrop, DraggingOutDescribesTheFirstObjectOnlyAndNeedsAModelObjectAndAConnection)
{
    // Brought in from the PDM, a project goes out described with its whole subtree.
    Drop(dragText({SampleProject}), DragObject(Cam::UI::MachiningProjectsNode));
    CZKObject* project = nullptr;
    for (CZKObject* object : doc.GetObjects())
        if (object->GetObjType() == ZKObjectTypes::CamMachiningProject)
            project = object;
    ASSERT_NE(project, nullptr);
    auto* other = doc.CreateObject<Cam::Stock>();

    DragDropData data;
    data.objects = {DragObject(project), DragObject(other)};
    extension->DragStart(data);
    EXPECT_TRUE(data.answered);
    EXPECT_NE(data.text.find(L"<RootObject"), std::wstring::npos);
    EXPECT_NE(data.text.find(L"Housing 4711"), std::wstring::npos);
    EXPECT_NE(data.text.find(L"<Parents>"), std::wstring::npos);

    DragDropData folder;
    folder.objects = {DragObject(Cam::UI::ToolsNode)};
    extension->DragStart(folder);
    EXPECT_FALSE(folder.answered);
    EXPECT_EQ(folder.text, L"");

    Disconnect(false);
    DragDropData offline;
    offline.objects = {DragObject(project)};
    extension->DragStart(offline);
    EXPECT_FALSE(offline.answered);
    EXPECT_EQ(offline.text, L"");
}

} // namespace
} // namespace Vireo::Testing
