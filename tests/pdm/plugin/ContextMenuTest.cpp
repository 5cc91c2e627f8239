// The plug-in's commands in the registry and in the context menus of CAM objects: which
// objects get entries, on which PDM server, their texts and order, and the object each
// command works on afterwards.

#include "PluginFixture.h"

#include "pdm/plugin/AddFromPdmCommand.h"
#include "pdm/plugin/AddToPdmCommand.h"
#include "pdm/ui/LoadResCamIcon.h"
#include "pdm/plugin/OpenLinkCommand.h"
#include "pdm/plugin/SynchronizeCommand.h"
#include "pdm/plugin/UpdateFromPdmCommand.h"
#include "pdm/plugin/UpdateToPdmCommand.h"

#include "platform/cam/Fixture.h"
#include "platform/cam/MachiningProject.h"
#include "platform/cam/Stock.h"
#include "platform/cam/Tool.h"
#include "platform/cammodule/PluginSettings.h"
#include "platform/host/HostObjects.h"
#include "platform/support/Utf8.h"

#include <filesystem>
#include <fstream>

namespace Vireo::Testing {
namespace {

using namespace Cam::Pdm;

const std::vector<std::wstring> fiveEntries{L"Create from PDM", L"Export to PDM", L"Update from PDM",
                                            L"Update in PDM", L"Open in PDM"};

using ContextMenu = PluginFixture;

TEST_F(ContextMenu, CamObjectsGetTheFiveEntriesInOrderBodiesAndWorkplanesGetNone)
{
    for (CZKObject* object : std::initializer_list<CZKObject*>{
             doc.CreateObject<Cam::Tool>(), doc.CreateObject<Cam::Stock>(), doc.CreateObject<Cam::MachiningProject>(),
             doc.CreateObject<Cam::MachineSetup>()})
        EXPECT_EQ(MenuTexts(object), fiveEntries) << object->GetObjType();
    EXPECT_TRUE(MenuTexts(doc.CreateObject<CZKSolid>()).empty());
    EXPECT_TRUE(MenuTexts(doc.CreateObject<CZKWorkplane>()).empty());
    EXPECT_TRUE(MenuTexts(nullptr).empty());
}

TEST_F(ContextMenu, WithoutAConnectionOrOnAnotherServerNoEntriesButTheCommandsStayReachable)
{
    auto* tool = doc.CreateObject<Cam::Tool>();
    Cam::PluginSettings::Instance().Override(L"server-name", L"another-server");
    EXPECT_TRUE(MenuTexts(tool).empty());
    Cam::PluginSettings::Instance().Override(L"server-name", pdm->ServerName());
    Disconnect(false);
    EXPECT_TRUE(MenuTexts(tool).empty());

    auto& registry = Cam::CommandRegisterHandler::Instance();
    for (unsigned localId : {26u, 27u, 28u, 29u, 30u, 34u}) {
        const unsigned globalId = registry.GetIdGlobalByLocal(localId);
        EXPECT_GE(globalId, Cam::CommandRegisterHandler::FirstGlobalId) << localId;
        EXPECT_TRUE(registry.Execute(globalId, &doc)) << localId;
    }
}

TEST_F(ContextMenu, EveryCommandWorksOnTheObjectOfTheLastMenu)
{
    auto* tool = doc.CreateObject<Cam::Tool>();
    auto* stock = doc.CreateObject<Cam::Stock>();
    MenuTexts(tool);
    MenuTexts(stock);
    EXPECT_EQ(AddFromPdmCommand::GetCurrentObject(), stock);
    EXPECT_EQ(AddToPdmCommand::GetCurrentObject(), stock);
    EXPECT_EQ(UpdateFromPdmCommand::GetCurrentObject(), stock);
    EXPECT_EQ(UpdateToPdmCommand::GetCurrentObject(), stock);
    EXPECT_EQ(OpenLinkCommand::_object, stock);
    // A menu without entries leaves the objects alone.
    MenuTexts(doc.CreateObject<CZKSolid>());
    EXPECT_EQ(AddToPdmCommand::GetCurrentObject(), stock);
}

TEST_F(ContextMenu, RegistryKnowsEveryCommandByItsDescriptionAndCaptionAndTheSynchronizeIcon)
{
    EXPECT_EQ(AddToPdmCommand::GetDisplayName(),
              L"Export the CAM object and its child objects to the PDM as new objects\nExport to PDM");
    std::vector<std::wstring> names;
    std::vector<std::wstring> icons;
    for (const auto& command : Cam::CommandRegisterHandler::Instance().Commands()) {
        names.push_back(command.displayName);
        icons.push_back(command.iconName);
    }
    ASSERT_EQ(names.size(), 6u);
    EXPECT_EQ(names[1], AddToPdmCommand::GetDisplayName());
    EXPECT_EQ(names[5], SynchronizeCommand::GetDisplayName());
    EXPECT_EQ(icons, (std::vector<std::wstring>{L"", L"", L"", L"", L"", L"PdmSynchronizeCmd.svg"}));
    EXPECT_EQ(OpenLinkCommand::GetIconId(), 0u);

    Images::ResourceManager::Instance().SetImageFolder("host-images");
    const zkpf::Image icon = UI::LoadResCamIcon(SynchronizeCommand::GetIconName(), {16, 24, 32});
    EXPECT_EQ(icon.GetFilePath(), std::filesystem::path("host-images/VireoCAM/PdmSynchronizeCmd.svg"));
    EXPECT_EQ(icon.GetSizes(), (std::vector<int>{16, 24, 32}));
    Images::ResourceManager::Instance().SetImageFolder("images");
}

TEST_F(ContextMenu, ABadSettingsFileIsShownAndTheDefaultsHold)
{
    const auto file = std::filesystem::temp_directory_path() / "vireo-plugin-settings-test.conf";
    {
        std::ofstream out(file);
        out << "# PDM plug-in\nserver-name\n";
    }
    Cam::PluginSettings::Instance().ClearOverrides();
    Cam::PluginSettings::Instance().SetFile(file);
    EXPECT_TRUE(MenuTexts(doc.CreateObject<Cam::Tool>()).empty());
    ASSERT_FALSE(pdm->Ui().Messages().empty());
    EXPECT_NE(pdm->Ui().Messages().back().text.find(L":2: expected"), std::wstring::npos);
    {
        std::ofstream out(file);
        out << "server-name = " << Support::WideToUtf8(pdm->ServerName()) << "\n";
    }
    EXPECT_EQ(MenuTexts(doc.CreateObject<Cam::Tool>()).size(), 5u);
    Cam::PluginSettings::Instance().SetFile(std::nullopt);
    std::filesystem::remove(file);
}

} // namespace
} // namespace Vireo::Testing
