// The CAM object tree: child types, current children in order, and attaching objects.

#include "CamTestDocument.h"

#include "pdm/cam/CamConsts.h"

namespace Vireo::Cam::Pdm::Testing {
namespace {

namespace ZKUnits = zktypes::ZKUnits;

class ChildrenTest : public CamDocumentTest {
protected:
    std::vector<CZKObject*> DocumentChildren(const CamObject& parent)
    {
        std::vector<CZKObject*> children;
        for (const CamObject& child : CamObjectManager(parent).GetChildCamObjects(true))
            children.push_back(DocumentObjectOf(child));
        return children;
    }

    CamObject project = Make(L"MachiningProject");
};

TEST_F(ChildrenTest, ChildTypesExpandGenericFamilies)
{
    const auto holeDrill = CamObjectManager::GetChildAppTypes(L"HoleDrill");
    EXPECT_TRUE(holeDrill.contains(L"ToolMillEnd"));
    EXPECT_TRUE(holeDrill.contains(L"StockBlock"));
    EXPECT_TRUE(holeDrill.contains(L"Tool"));
    EXPECT_FALSE(holeDrill.contains(L"MachiningGroup"));
    EXPECT_EQ(holeDrill.size(), 1u + 1u + 6u + 1u + 1u + 23u);
    EXPECT_EQ(CamObjectManager::GetChildAppTypes(L"Machining"), holeDrill);
    EXPECT_EQ(CamObjectManager::GetChildAppTypes(L"MachiningProject").size(), 28u);
    EXPECT_EQ(CamObjectManager::GetChildAppTypes(L"ToolTurnCircle"),
              (std::set<std::wstring_view>{L"ToolShank", L"ToolExtension", L"ToolHolder"}));
    EXPECT_EQ(CamObjectManager::GetChildAppTypes(L"ToolHolder"), (std::set<std::wstring_view>{L"ToolItem"}));
    EXPECT_EQ(CamObjectManager::GetChildAppTypes(L"ToolsFolder").size(), 24u);
    EXPECT_TRUE(CamObjectManager::GetChildAppTypes(L"").empty());
    EXPECT_TRUE(CamObjectManager::GetChildAppTypes(L"Part").empty());
    EXPECT_TRUE(CamObjectManager::GetChildAppTypes(L"StockCylindr").empty());
    EXPECT_EQ(CamObjectManager(Make(L"MillCurve", project)).GetChildAppTypes(), holeDrill);
}

TEST_F(ChildrenTest, ProjectChildrenAreMachiningsGroupsThenGeometry)
{
    const CamObject first = Make(L"MillLayers", project);
    const CamObject group = Make(L"MachiningGroup", project);
    const CamObject second = Make(L"HoleDrill", project);
    const CamObject part = Make(L"Part", project);
    const CamObject stock = Make(L"StockBlock", project);
    EXPECT_EQ(DocumentChildren(project), (std::vector<CZKObject*>{DocumentObjectOf(first), DocumentObjectOf(second),
                                                                   DocumentObjectOf(group), DocumentObjectOf(stock),
                                                                   DocumentObjectOf(part)}));

    const CamObject tool = Make(L"ToolDrill", second);
    EXPECT_EQ(DocumentChildren(second), std::vector<CZKObject*>{DocumentObjectOf(tool)});
    EXPECT_TRUE(DocumentChildren(stock).empty());
}

TEST_F(ChildrenTest, GeometryObjectsReuseTheirSlot)
{
    const CamObject group = Make(L"MachiningGroup", project);
    const CamObject part = Make(L"Part", group);
    EXPECT_EQ(DocumentObjectOf(Make(L"Part", group)), DocumentObjectOf(part));
    const CamObject fixture = Make(L"Fixture", group);
    EXPECT_EQ(DocumentChildren(group), (std::vector<CZKObject*>{DocumentObjectOf(fixture), DocumentObjectOf(part)}));
    EXPECT_EQ(Cam::Model(&doc).GetSharedGeometrySets().GetCount(), 1);
    EXPECT_NE(DocumentObjectOf(Make(L"Part", project)), DocumentObjectOf(part));
}

TEST_F(ChildrenTest, ToolPartsInOrderAndItemsOfParts)
{
    const CamObject toolObject = Make(L"ToolReamer");
    Cam::Tool& tool = As<Cam::Tool>(toolObject);
    EXPECT_TRUE(CamObjectManager(toolObject).GetChildCamObjects(true).empty());

    Cam::ToolExtensionProp(tool).SetNeedExtension(true);
    Cam::ToolShankProp(tool).SetNeedShank(true);
    Cam::ToolHolderProp holder(tool);
    holder.GetParamsProp().AddParam().SetName(L"Cone");
    holder.GetParamsProp().AddParam().SetName(L"Nut");
    const std::vector<CamObject> parts = CamObjectManager(toolObject).GetChildCamObjects(true);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[0].index(), CamObjectIndex::Shank);
    EXPECT_EQ(parts[1].index(), CamObjectIndex::Holder);
    EXPECT_EQ(parts[2].index(), CamObjectIndex::Extension);

    const std::vector<CamObject> items = CamObjectManager(parts[1]).GetChildCamObjects(true);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(std::get<CamObjectIndex::Item>(items[1]).first->GetName(), L"Nut");
    EXPECT_EQ(CamObjectManager::GetId(items[1]),
              CamObjectManager::ObjectId(tool.GetID(), CamObjectManager::SubTool::Holder, 2));
    EXPECT_TRUE(CamObjectManager(parts[2]).GetChildCamObjects(true).empty());
    EXPECT_TRUE(CamObjectManager(items[0]).GetChildCamObjects(true).empty());
}

TEST_F(ChildrenTest, AddChildCopiesFreeStandingPartsOntoTheTool)
{
    const CamObject toolObject = Make(L"ToolMillEnd");
    CamObject shank = CamObjectManager::MakeCamObject(&doc, L"ToolShank", CamObject());
    CamObjectManager(shank).SetValue(L"SD", Cam::DoubleValue(12, ZKUnits::Millimeter));
    const std::weak_ptr<Cam::ToolShankProp> freeShank = std::get<CamObjectIndex::Shank>(shank);

    EXPECT_TRUE(CamObjectManager::AddChild(toolObject, shank));
    EXPECT_TRUE(freeShank.expired());
    EXPECT_EQ(std::get<CamObjectIndex::Shank>(shank)->GetOwner(), DocumentObjectOf(toolObject));
    EXPECT_TRUE(As<Cam::Tool>(toolObject).ShankData().need);
    EXPECT_EQ(As<Cam::Tool>(toolObject).ShankData().diameter, zkaux::RealParameter::Of(12, ZKUnits::Millimeter));

    CamObject freeHolder = CamObjectManager::MakeCamObject(&doc, L"ToolHolder", CamObject());
    CamObject item = CamObjectManager::MakeCamObject(&doc, L"ToolItem", freeHolder);
    CamObjectManager(item).SetValue(L"HL", Cam::DoubleValue(35, ZKUnits::Millimeter));
    const CamObject holder(std::in_place_index<CamObjectIndex::Holder>,
                           std::make_shared<Cam::ToolHolderProp>(As<Cam::Tool>(toolObject)));
    EXPECT_TRUE(CamObjectManager::AddChild(holder, item));
    EXPECT_EQ(CamObjectManager::GetId(item),
              CamObjectManager::ObjectId(DocumentObjectOf(toolObject)->GetID(), CamObjectManager::SubTool::Holder, 1));
    EXPECT_EQ(As<Cam::Tool>(toolObject).HolderData().items.at(0)->GetLength(),
              zkaux::RealParameter::Of(35, ZKUnits::Millimeter));
    EXPECT_EQ(std::get<CamObjectIndex::Holder>(freeHolder)->GetParamsProp().GetParamsCount(), 1);

    const CamObject stock = Make(L"StockBody", project);
    const auto before = std::get<CamObjectIndex::Holder>(freeHolder);
    EXPECT_FALSE(CamObjectManager::AddChild(stock, freeHolder));
    EXPECT_EQ(std::get<CamObjectIndex::Holder>(freeHolder), before);
    EXPECT_FALSE(CamObjectManager::AddChild(stock, item));
}

TEST_F(ChildrenTest, AddChildAttachesToolsAndGeometry)
{
    const CamObject machining = Make(L"MillPlunge", project);
    CamObject tool = Make(L"ToolMillSpehere");
    EXPECT_FALSE(CamObjectManager::AddChild(project, tool));
    EXPECT_TRUE(CamObjectManager::AddChild(machining, tool));
    EXPECT_EQ(As<Cam::Machining>(machining).GetTool().Get(), DocumentObjectOf(tool));

    const CamObject other = Make(L"MachiningProject");
    CamObject fixture = Make(L"Fixture", other);
    EXPECT_TRUE(CamObjectManager::AddChild(machining, fixture));
    EXPECT_EQ(DocumentChildren(machining), (std::vector<CZKObject*>{DocumentObjectOf(tool), DocumentObjectOf(fixture)}));
    EXPECT_FALSE(CamObjectManager::AddChild(tool, fixture));
    EXPECT_FALSE(CamObjectManager::AddChild(CamObject(), fixture));
    CamObject group = Make(L"MachiningGroup", project);
    EXPECT_FALSE(CamObjectManager::AddChild(project, group));
}

} // namespace
} // namespace Vireo::Cam::Pdm::Testing
