// The host services that hand things over to the host program's driver or the image
// folder: opening links, and image names in the host's own path form.

#include "platform/ui/Images.h"
#include "platform/ui/RecordingUiDriver.h"
#include "platform/ui/ShellApi.h"

#include <gtest/gtest.h>

namespace {

TEST(HostShell, HandsLinksToTheInstalledDriverAndRefusesAnEmptyOne)
{
    Vireo::Ui::RecordingUiDriver ui;
    Vireo::Ui::ScopedHostUiDriver installed(ui);
    const wchar_t* link = L"arbor://pdm/OpenReferenceWindow/?refId=1&objId=2";
    EXPECT_GT(ShellExecuteW(nullptr, nullptr, link, nullptr, nullptr, SW_SHOW), 32);
    EXPECT_LE(ShellExecuteW(nullptr, nullptr, L"", nullptr, nullptr, SW_SHOW), 32);
    EXPECT_LE(ShellExecuteW(nullptr, nullptr, nullptr, nullptr, nullptr, SW_SHOW), 32);
    EXPECT_EQ(ui.OpenedLinks(), std::vector<std::wstring>{link});
}

TEST(HostImages, ImageNamesWithTheHostsSeparatorAreFilesOfTheImageFolder)
{
    Images::ResourceManager manager;
    manager.SetImageFolder("host/images");
    EXPECT_EQ(manager.GetImagePath(L"VireoCAM\\PdmSynchronizeCmd.svg"),
              std::filesystem::path("host/images/VireoCAM/PdmSynchronizeCmd.svg"));
    EXPECT_EQ(manager.GetImagePath(L"Tool.svg"), std::filesystem::path("host/images/Tool.svg"));
}

} // namespace
