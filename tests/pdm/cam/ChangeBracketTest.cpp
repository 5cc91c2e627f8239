// Everything the adapter changes in a document is taken back by cancelling the bracket.

#include "CamTestDocument.h"

namespace Vireo::Cam::Pdm::Testing {
namespace {

namespace ZKUnits = zktypes::ZKUnits;

class ChangeBracketTest : public CamDocumentTest {
protected:
    // Objects, values, links, materials and children, as an import from the PDM makes them.
    void ImportUnder(const CamObject& target)
    {
        CamObject group = Make(L"MachiningGroup", target);
        CamObjectManager(group).SetValue(L"Name", Cam::StringValue(L"Imported"));
        CamObject machining = Make(L"MillLayers", group);
        CamObjectManager machiningManager(machining);
        machiningManager.SetValue(L"Feed", Cam::DoubleValue(1200, ZKUnits::MillimeterPerMinute));
        machiningManager.SetValue(L"OrderNo", Cam::IntValue(1));
        CamObjectManager::SetUri(machining, L"arbor://server/OpenReferenceWindow/?refId=3&objId=4");

        CamObject tool = Make(L"ToolMillEnd", machining);
        CamObjectManager(tool).SetValue(L"Lu", Cam::DoubleValue(25, ZKUnits::Millimeter));
        CamObject holder = CamObjectManager::MakeCamObject(&doc, L"ToolHolder", CamObject());
        CamObject item = CamObjectManager::MakeCamObject(&doc, L"ToolItem", holder);
        CamObjectManager(item).SetValue(L"HD1", Cam::DoubleValue(32, ZKUnits::Millimeter));
        CamObjectManager::AddChild(tool, holder);
        CamObjectManager::AddChild(holder, item);
        CamObjectManager::SetUri(item, L"item link");

        CamObject stock = Make(L"StockCylindr", group);
        CamObjectManager(stock).SetValue(L"Material", Cam::StringValue(L"Brass CuZn39Pb3"));
        CamObjectManager(stock).SetValue(L"Weight", Cam::DoubleValue(4, ZKUnits::Kilogram));
        CamObject part = Make(L"Part", machining);
        CamObjectManager(part).SetValue(L"Coating", Cam::StringValue(L"Chromium"));
        CamObjectManager::AddChild(group, part);
    }

    // A document with a project and an existing tool that the import changes as well.
    void Prepare()
    {
        project = Make(L"MachiningProject");
        existingTool = Make(L"ToolDrill");
        CamObjectManager::SetUri(existingTool, L"old link");
        ASSERT_TRUE(CamObjectManager(existingTool).SetValue(L"Ds", Cam::DoubleValue(6, ZKUnits::Millimeter)));
    }

    void ChangeExisting()
    {
        CamObjectManager(existingTool).SetValue(L"Ds", Cam::DoubleValue(0, ZKUnits::Millimeter));
        CamObjectManager(existingTool).SetValue(L"Name", Cam::StringValue(L"renamed"));
        CamObjectManager::RemoveUri(existingTool);
        CamObject shank = CamObjectManager::MakeCamObject(&doc, L"ToolShank", existingTool);
        CamObjectManager(shank).SetValue(L"SL", Cam::DoubleValue(40, ZKUnits::Millimeter));
    }

    CamObject project;
    CamObject existingTool;
};

TEST_F(ChangeBracketTest, CancellingTheInnerBracketKeepsTheOuterChangesAndTheOuterRestoresTheSavedText)
{
    Prepare();
    const std::string before = doc.SaveToText();
    ASSERT_TRUE(doc.BeginChanges(L"Synchronize"));
    ImportUnder(project);
    ChangeExisting();
    const std::string afterOuter = doc.SaveToText();
    ASSERT_NE(afterOuter, before);

    ASSERT_TRUE(doc.BeginChanges(L"Created cam objects from pdm"));
    ImportUnder(Make(L"MachiningProject"));
    ImportUnder(project);
    doc.CancelChanges(true);
    EXPECT_EQ(doc.SaveToText(), afterOuter);

    doc.CancelChanges(true);
    EXPECT_EQ(doc.SaveToText(), before);
}

} // namespace
} // namespace Vireo::Cam::Pdm::Testing
