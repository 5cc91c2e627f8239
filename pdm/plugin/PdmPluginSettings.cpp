#include "pdm/plugin/PdmPluginSettings.h"

#include "platform/cammodule/PluginSettings.h"
#include "platform/support/Utf8.h"
#include "platform/ui/ZKMessageBox.h"

namespace Vireo::Cam::Pdm {
namespace {

constexpr std::wstring_view serverNameKey = L"server-name";
constexpr std::wstring_view linkExportedObjectsKey = L"link-exported-objects";

PdmPluginSettings readSettings(const PluginSettings& file)
{
    PdmPluginSettings settings;
    if (auto serverName = file.Find(serverNameKey))
        settings.serverName = std::move(*serverName);
    if (const auto link = file.Find(linkExportedObjectsKey)) {
        const auto on = SettingAsBool(*link);
        if (!on)
            throw PluginSettingsError("link-exported-objects: \"on\" or \"off\" expected, not \"" +
                                      Support::WideToUtf8(*link) + "\"");
        settings.linkExportedObjects = *on;
    }
    return settings;
}

} // namespace

PdmPluginSettings ReadPdmPluginSettings()
{
    try {
        return readSettings(PluginSettings::Instance());
    } catch (const PluginSettingsError& error) {
        ZKMessageBox::Show(L"PDM plug-in settings: " + Support::Utf8ToWide(error.what()), 0);
        return PdmPluginSettings{};
    }
}

} // namespace Vireo::Cam::Pdm
