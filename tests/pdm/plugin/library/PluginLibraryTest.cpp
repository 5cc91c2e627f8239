// The plug-in as the host meets it: the real shared library loaded, its commands in the
// registry, a context menu built by its command extension, a command run by its global id,
// and everything gone again when it is unloaded.

#include "tests/pdm/testing/PdmFixture.h"

#include "pdm/cam/CamObjectManager.h"

#include "platform/cam/Tool.h"
#include "platform/cammodule/CallbackExtensions.h"
#include "platform/cammodule/CommandRegisterHandler.h"
#include "platform/cammodule/Modules.h"
#include "platform/cammodule/PluginLibrary.h"
#include "platform/cammodule/PluginSettings.h"
#include "platform/host/Zkw32Doc.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

namespace Vireo::Testing {
namespace {

using Cam::PluginLibrary;

const std::filesystem::path pluginPath = VIREO_PDM_PLUGIN;

TEST(PluginLibrary, RegistersItsCommandsOffersThemOnAToolRunsOneAndLeavesNothingBehindWhenUnloaded)
{
    PdmFixture pdm(PdmDataFile(""));
    Cam::PluginSettings::Instance().Override(L"server-name", pdm.ServerName());
    CZkw32Doc doc;
    doc.Activate();
    auto* tool = doc.CreateObject<Cam::Tool>();
    const std::wstring link = L"arbor://" + pdm.ServerName() + L"/OpenReferenceWindow/?refId=3&objId=14";
    ASSERT_TRUE(Cam::Pdm::CamObjectManager::SetUri(Cam::Pdm::CamObject(tool), link));
    {
        PluginLibrary plugin(pluginPath);
        std::vector<unsigned> localIds;
        for (const auto& command : plugin.Commands())
            localIds.push_back(command.localId);
        EXPECT_EQ(localIds, (std::vector<unsigned>{26, 27, 28, 29, 30, 34}));
        EXPECT_EQ(plugin.Commands().back().iconName, L"PdmSynchronizeCmd.svg");
        EXPECT_EQ(Cam::Modules::Instance().All().size(), 1u);
        EXPECT_THROW(PluginLibrary{pluginPath}, Cam::PluginLoadError) << "a second load";
        EXPECT_EQ(Cam::CommandRegisterHandler::Instance().Commands().size(), 6u);

        const auto menu = plugin.ContextMenu(&doc, tool);
        ASSERT_EQ(menu.size(), 5u);
        EXPECT_EQ(menu[4].globalId, plugin.GlobalId(30));
        EXPECT_EQ(menu[4].text, L"Open in PDM");
        EXPECT_TRUE(menu[4].enabled);

        const auto outcome = plugin.Run(menu[4].globalId);
        EXPECT_TRUE(outcome.Ran());
        EXPECT_TRUE(outcome.keptChanges.empty());
        EXPECT_EQ(pdm.Ui().OpenedLinks(), std::vector<std::wstring>{link});
    }
    EXPECT_TRUE(Cam::Extension::CallbackExtensions::Instance().All().empty());
    EXPECT_TRUE(Cam::Modules::Instance().All().empty());
    EXPECT_TRUE(Cam::CommandRegisterHandler::Instance().Commands().empty());
    EXPECT_EQ(dlopen(pluginPath.c_str(), RTLD_NOW | RTLD_NOLOAD), nullptr) << "the library stayed loaded";
    Cam::PluginSettings::Instance().ClearOverrides();
}

TEST(PluginLibrary, RefusesAFileThatIsNoPluginNamingIt)
{
    try {
        PluginLibrary plugin(pluginPath.parent_path() / "no-such-plugin.so");
        FAIL() << "a missing file was loaded";
    } catch (const Cam::PluginLoadError& error) {
        EXPECT_NE(std::string(error.what()).find("no-such-plugin.so"), std::string::npos);
    }
    // A library that is no plug-in: one of the host's own.
    Dl_info info{};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&Cam::CommandRegisterHandler::Instance), &info), 0);
    EXPECT_THROW(PluginLibrary{info.dli_fname}, Cam::PluginLoadError);
    EXPECT_TRUE(Cam::CommandRegisterHandler::Instance().Commands().empty());
}

} // namespace
} // namespace Vireo::Testing
