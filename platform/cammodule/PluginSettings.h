#pragma once
// The settings file the host gives its plug-ins. A text file in UTF-8, one setting a line:
//
//   # comment
//   server-name = pdm.example.org
//   link-exported-objects = on
//
// Blanks around keys and values are ignored; blank lines and lines starting with "#" are
// skipped. Which keys mean what is each plug-in's business. Values the host sets directly
// (from its command line, say) win over the file.

#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace Vireo::Cam {

// A settings file that cannot be read; the message names the file and, for a bad line, its
// number and what was wrong.
class PluginSettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using SettingValues = std::map<std::wstring, std::wstring, std::less<>>;

// The settings of a file's text; `source` names the file in errors.
SettingValues ParsePluginSettings(std::string_view text, const std::string& source);

class PluginSettings {
public:
    static PluginSettings& Instance();

    // The file plug-ins read; none: every setting has its plug-in's default.
    void SetFile(std::optional<std::filesystem::path> file) { file_ = std::move(file); }
    const std::optional<std::filesystem::path>& File() const noexcept { return file_; }

    void Override(std::wstring key, std::wstring value) { overrides_[std::move(key)] = std::move(value); }
    void ClearOverrides() noexcept { overrides_.clear(); }

    // The value of `key` now: the host's own value, else the file's, else nothing. A file
    // that is not there counts as empty. Throws PluginSettingsError for a file that cannot
    // be read or has a bad line.
    std::optional<std::wstring> Find(std::wstring_view key) const;

private:
    std::optional<std::filesystem::path> file_;
    SettingValues overrides_;
};

// "on", "true", "yes", "1" and "off", "false", "no", "0" (any case); nothing for other text.
std::optional<bool> SettingAsBool(std::wstring_view value);

} // namespace Vireo::Cam
