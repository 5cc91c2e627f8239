// Identity of CAM objects and tool parts, their text form, and where their links live.

#include "CamTestDocument.h"

#include <stdexcept>

namespace Vireo::Cam::Pdm::Testing {
namespace {

using SubTool = CamObjectManager::SubTool;
using Id = CamObjectManager::ObjectId;

class IdentityTest : public CamDocumentTest {
protected:
    void SetUp() override
    {
        tool = &As<Cam::Tool>(Make(L"ToolMillEnd"));
        toolText = tool->GetID().toString();
    }

    // The item at a 0-based position of a new extension of the tool with `count` items.
    CamObject ExtensionItem(int count, int position)
    {
        auto extension = std::make_shared<Cam::ToolExtensionProp>(*tool);
        for (int i = 0; i < count; ++i)
            extension->GetParamsProp().AddParam();
        return CamObject(std::in_place_index<CamObjectIndex::Item>,
                         ToolItem(extension->GetParamsProp().GetParamsPtr(position),
                                  ToolItemOwner(std::in_place_index<1>, extension)));
    }

    Cam::Tool* tool = nullptr;
    std::wstring toolText;
};

TEST_F(IdentityTest, ToolPartsAreNamedAfterTheirTool)
{
    const CamObject shank(std::in_place_index<CamObjectIndex::Shank>, std::make_shared<Cam::ToolShankProp>(*tool));
    EXPECT_EQ(CamObjectManager::GetId(shank), Id(tool->GetID(), SubTool::Shank, 0));
    EXPECT_EQ(CamObjectManager::idToString(CamObjectManager::GetId(shank)), toolText + L"_1_0");
    EXPECT_EQ(CamObjectManager::idFromString(toolText + L"_1_0"), Id(tool->GetID(), SubTool::Shank, 0));
    EXPECT_EQ(CamObjectManager::GetDocument(shank), &doc);

    const CamObject second = ExtensionItem(3, 1);
    EXPECT_EQ(CamObjectManager::GetId(second), Id(tool->GetID(), SubTool::Extension, 2));
    EXPECT_EQ(CamObjectManager::idToString(CamObjectManager::GetId(second)), toolText + L"_3_2");
    EXPECT_EQ(CamObjectManager::GetDocument(second), nullptr);

    EXPECT_EQ(CamObjectManager::idToString(CamObjectManager::GetId(CamObject(tool))), toolText);
}

TEST_F(IdentityTest, IconsOfObjectsAndOfToolParts)
{
    const zkpf::Image toolIcon = CamObjectManager::GetIcon(CamObject(tool), {16, 24, 32});
    EXPECT_EQ(toolIcon.GetResourceIcon().id, tool->GetIconID());
    EXPECT_TRUE(toolIcon.GetFilePath().empty());
    EXPECT_EQ(toolIcon.GetSizes(), (std::vector<int>{16, 24, 32}));

    const CamObject shank(std::in_place_index<CamObjectIndex::Shank>, std::make_shared<Cam::ToolShankProp>(*tool));
    EXPECT_EQ(CamObjectManager::GetIcon(shank, {16}).GetFilePath().filename(), "CamToolShank.svg");
    EXPECT_EQ(CamObjectManager::GetIcon(ExtensionItem(1, 0), {16}).GetFilePath().filename(),
              "CamToolAdditionalParams.svg");
    EXPECT_TRUE(CamObjectManager::GetIcon(CamObject(), {16}).IsEmpty());
}

TEST_F(IdentityTest, ItemIndexIsWrittenModulo256)
{
    const CamObject item = ExtensionItem(300, 299);
    const std::wstring text = CamObjectManager::idToString(CamObjectManager::GetId(item));
    EXPECT_EQ(text, toolText + L"_3_44");
    EXPECT_EQ(CamObjectManager::idFromString(text), Id(tool->GetID(), SubTool::Extension, 44));
}

TEST_F(IdentityTest, TextWithoutPartsReadsAsTheObject)
{
    EXPECT_EQ(CamObjectManager::idFromString(toolText), Id(tool->GetID(), SubTool::None, 0));
    EXPECT_EQ(CamObjectManager::idFromString(toolText + L"_"), Id(tool->GetID(), SubTool::None, 0));
    EXPECT_EQ(CamObjectManager::idFromString(toolText + L"_2_"), Id(tool->GetID(), SubTool::Holder, 0));
    EXPECT_EQ(CamObjectManager::idFromString(toolText + L"_257"), Id(tool->GetID(), SubTool::Shank, 0));
    EXPECT_THROW(CamObjectManager::idFromString(toolText + L"_x"), std::invalid_argument);
    EXPECT_THROW(CamObjectManager::idFromString(toolText + L"_2_y"), std::invalid_argument);
}

TEST_F(IdentityTest, LinksOfPartsLiveOnTheTool)
{
    const CamObject item = ExtensionItem(3, 1);
    EXPECT_TRUE(CamObjectManager::SetUri(item, L"arbor://a/OpenReferenceWindow/?refId=1&objId=2"));
    EXPECT_EQ(tool->GetTextAttrib(L"ext_elem_1_uri"), L"arbor://a/OpenReferenceWindow/?refId=1&objId=2");
    EXPECT_EQ(CamObjectManager::GetUri(item), L"arbor://a/OpenReferenceWindow/?refId=1&objId=2");

    const CamObject holder(std::in_place_index<CamObjectIndex::Holder>, std::make_shared<Cam::ToolHolderProp>(*tool));
    EXPECT_TRUE(CamObjectManager::SetUri(holder, L""));
    EXPECT_TRUE(tool->HasTextAttrib(L"holder_uri"));
    CamObjectManager::RemoveUri(holder);
    EXPECT_FALSE(tool->HasTextAttrib(L"holder_uri"));

    EXPECT_TRUE(CamObjectManager::SetUri(CamObject(tool), L"link"));
    EXPECT_EQ(tool->GetTextAttrib(L"uri"), L"link");
    EXPECT_NE(doc.SaveToText().find("link"), std::string::npos);
    EXPECT_EQ(CamObjectManager::GetUri(item), L"arbor://a/OpenReferenceWindow/?refId=1&objId=2");
}

TEST_F(IdentityTest, EmptyOrOrphanedPartsHaveNoIdentity)
{
    const CamObject empty(std::in_place_index<CamObjectIndex::Shank>, nullptr);
    EXPECT_FALSE(CamObjectManager::IsNull(empty));
    EXPECT_EQ(CamObjectManager::GetId(empty), Id());
    EXPECT_EQ(CamObjectManager::GetUri(empty), L"");
    EXPECT_FALSE(CamObjectManager::SetUri(empty, L"link"));
    EXPECT_EQ(CamObjectManager::GetDocument(empty), nullptr);

    CamObject item = ExtensionItem(2, 1);
    const auto& [params, owner] = std::get<CamObjectIndex::Item>(item);
    std::get<1>(owner)->GetParamsProp().RemoveParam(1);
    EXPECT_EQ(CamObjectManager::GetId(item), Id());
    EXPECT_FALSE(CamObjectManager::SetUri(item, L"link"));
    EXPECT_TRUE(params);
}

TEST_F(IdentityTest, FreeStandingPartGoesWithItsLastHandle)
{
    std::weak_ptr<Cam::ToolShankProp> watch;
    {
        const CamObject shank = CamObjectManager::MakeCamObject(&doc, L"ToolShank", CamObject());
        watch = std::get<CamObjectIndex::Shank>(shank);
        EXPECT_TRUE(watch.lock()->HasShank());
        EXPECT_EQ(CamObjectManager::GetDocument(shank), nullptr);
        EXPECT_TRUE(CamObjectManager::SetUri(shank, L"kept on the free tool"));
        EXPECT_EQ(CamObjectManager::GetUri(shank), L"kept on the free tool");
    }
    EXPECT_TRUE(watch.expired());
    EXPECT_EQ(doc.SaveToText().find("kept on the free tool"), std::string::npos);
}

TEST_F(IdentityTest, TypeQueries)
{
    const CamObject stock = Make(L"StockBlock", Make(L"MachiningProject"));
    EXPECT_TRUE(CamObjectManager::IsCamObject(stock, L"Stock"));
    EXPECT_TRUE(CamObjectManager::IsCamObject(stock, L"StockBlock"));
    EXPECT_FALSE(CamObjectManager::IsCamObject(stock, L"StockCylindr"));
    EXPECT_FALSE(CamObjectManager::IsCamObject(stock, L"AnyObject"));
    EXPECT_FALSE(CamObjectManager::IsCamObject(stock, L"Tool"));
    EXPECT_TRUE(CamObjectManager::IsCamObject(stock, L""));
    EXPECT_FALSE(CamObjectManager::IsCamObject(CamObject(), L""));

    EXPECT_EQ(CamObjectManager::GetAppTypeParam(L"Part"), L"");
    EXPECT_EQ(CamObjectManager::GetAppTypeParam(L"HoleDrill"), L"MachiningType");
    EXPECT_EQ(CamObjectManager::GetAppTypeParam(L"Stock"), L"StockType");
    EXPECT_EQ(CamObjectManager::GetAppTypeParam(L"ToolTurnGrooveA"), L"ToolType");
    EXPECT_TRUE(CamObjectManager::IsGenericAppType(L"Machining"));
    EXPECT_FALSE(CamObjectManager::IsGenericAppType(L"AnyObject"));

    EXPECT_TRUE(CamObjectManager::IsNull(CamObjectManager::MakeCamObject(&doc, L"Tool", CamObject())));
    EXPECT_TRUE(CamObjectManager::IsNull(CamObjectManager::MakeCamObject(&doc, L"toolmillend", CamObject())));
    EXPECT_EQ(CamObjectManager::GetCamTypeNames().size(), 55u);

    const CamObjectManager manager{CamObject(tool)};
    EXPECT_EQ(manager.GetParameterId(L"Lu"), CamTypes.at(L"ToolMillEnd").parameters.at(L"Lu"));
    EXPECT_TRUE(manager.GetParameterId(L"Feed").IsEmpty());
}

TEST_F(IdentityTest, MachiningsNeedAGroupOrProject)
{
    const CamObject project = Make(L"MachiningProject");
    const CamObject machining = Make(L"MillLayers", project);
    EXPECT_TRUE(CamObjectManager::IsNull(CamObjectManager::MakeCamObject(&doc, L"MillLayers", machining)));
    EXPECT_TRUE(CamObjectManager::IsNull(CamObjectManager::MakeCamObject(&doc, L"MachiningGroup", machining)));

    const CamObject drill = Make(L"ToolDrill", machining);
    EXPECT_EQ(As<Cam::Machining>(machining).GetTool().Get(), DocumentObjectOf(drill));
    EXPECT_TRUE(CamObjectManager::IsNull(CamObjectManager::MakeCamObject(&doc, L"ToolItem", drill)));
}

} // namespace
} // namespace Vireo::Cam::Pdm::Testing
