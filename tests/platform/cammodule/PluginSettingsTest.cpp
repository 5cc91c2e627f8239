// The plug-ins' settings file: what it reads, what it refuses with the file and line, and
// the host's own values winning over it.

#include "platform/cammodule/PluginSettings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace Vireo::Cam {
namespace {

std::string refusal(std::string_view text)
{
    try {
        ParsePluginSettings(text, "plugin.conf");
    } catch (const PluginSettingsError& error) {
        return error.what();
    }
    return "accepted";
}

TEST(PluginSettingsFile, ReadsKeysAndValuesAroundBlanksCommentsAndEmptyLines)
{
    const auto values = ParsePluginSettings("# PDM\n\n  server-name =  pdm.example \r\nempty =\nurl = a=b\n", "x");
    EXPECT_EQ(values, (SettingValues{{L"server-name", L"pdm.example"}, {L"empty", L""}, {L"url", L"a=b"}}));
    EXPECT_EQ(ParsePluginSettings("name = Gr\xc3\xbc\x6e", "x").at(L"name"), L"Gr\u00fcn");
}

TEST(PluginSettingsFile, RefusesBadLinesNamingFileAndLine)
{
    EXPECT_EQ(refusal("a = 1\nno equals sign\n"), "plugin.conf:2: expected \"key = value\"");
    EXPECT_EQ(refusal(" = value"), "plugin.conf:1: a setting without a key");
    EXPECT_EQ(refusal("a = 1\n# a\na = 2"), "plugin.conf:3: \"a\" is set twice");
    EXPECT_EQ(refusal("a = \xff"), "plugin.conf:1: text that is not UTF-8");
}

TEST(PluginSettingsFile, HostValuesWinAndAMissingFileIsEmpty)
{
    PluginSettings& settings = PluginSettings::Instance();
    const auto file = std::filesystem::temp_directory_path() / "vireo-plugin-settings-unit.conf";
    std::filesystem::remove(file);
    settings.SetFile(file);
    EXPECT_EQ(settings.Find(L"server-name"), std::nullopt);
    std::ofstream(file) << "server-name = from-file\n";
    EXPECT_EQ(settings.Find(L"server-name"), L"from-file");
    settings.Override(L"server-name", L"from-host");
    EXPECT_EQ(settings.Find(L"server-name"), L"from-host");
    settings.ClearOverrides();
    settings.SetFile(std::nullopt);
    std::filesystem::remove(file);

    EXPECT_EQ(SettingAsBool(L"On"), true);
    EXPECT_EQ(SettingAsBool(L"0"), false);
    EXPECT_EQ(SettingAsBool(L"maybe"), std::nullopt);
}

} // namespace
} // namespace Vireo::Cam
