#include "platform/cammodule/PluginSettings.h"

#include "platform/support/Utf8.h"

#include <algorithm>
#include <array>
#include <cwctype>
#include <fstream>
#include <sstream>

namespace Vireo::Cam {
namespace {

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::wstring wide(std::string_view bytes, const std::string& where)
{
    try {
        return Support::Utf8ToWide(bytes);
    } catch (const std::range_error&) {
        throw PluginSettingsError(where + ": text that is not UTF-8");
    }
}

std::string readFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw PluginSettingsError(file.string() + ": the settings file cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

SettingValues ParsePluginSettings(std::string_view text, const std::string& source)
{
    SettingValues values;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        ++lineNumber;
        if (line.empty() || line.front() == '#')
            continue;
        const std::string where = source + ":" + std::to_string(lineNumber);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            throw PluginSettingsError(where + ": expected \"key = value\"");
        const std::string_view key = trimmed(line.substr(0, equals));
        if (key.empty())
            throw PluginSettingsError(where + ": a setting without a key");
        if (!values.emplace(wide(key, where), wide(trimmed(line.substr(equals + 1)), where)).second)
            throw PluginSettingsError(where + ": \"" + std::string(key) + "\" is set twice");
    }
    return values;
}

PluginSettings& PluginSettings::Instance()
{
    static PluginSettings settings;
    return settings;
}

std::optional<std::wstring> PluginSettings::Find(std::wstring_view key) const
{
    if (const auto overridden = overrides_.find(key); overridden != overrides_.end())
        return overridden->second;
    std::error_code error;
    if (!file_ || !std::filesystem::exists(*file_, error))
        return std::nullopt;
    const SettingValues values = ParsePluginSettings(readFile(*file_), file_->string());
    if (const auto found = values.find(key); found != values.end())
        return found->second;
    return std::nullopt;
}

std::optional<bool> SettingAsBool(std::wstring_view value)
{
    std::wstring lower(value);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return std::towlower(c); });
    static constexpr std::array<std::wstring_view, 4> yes{L"on", L"true", L"yes", L"1"};
    static constexpr std::array<std::wstring_view, 4> no{L"off", L"false", L"no", L"0"};
    if (std::find(yes.begin(), yes.end(), lower) != yes.end())
        return true;
    if (std::find(no.begin(), no.end(), lower) != no.end())
        return false;
    return std::nullopt;
}

} // namespace Vireo::Cam
