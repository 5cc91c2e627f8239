#pragma once
// The PDM plug-in loaded into the host program, as the CAM module holds it: its commands are
// picked from the context menu of a CAM object (or, with no object, by their ids, as from the
// host's main menu) and run on the active document through the command registry.

#include "Arguments.h"

#include "platform/cammodule/PluginLibrary.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CZkw32Doc;
class CZKObject;

namespace Campdm {

// The local ids under which the plug-in registers its commands.
namespace PluginCommand {
inline constexpr unsigned AddFromPdm = 26;
inline constexpr unsigned AddToPdm = 27;
inline constexpr unsigned UpdateFromPdm = 28;
inline constexpr unsigned UpdateToPdm = 29;
inline constexpr unsigned OpenLink = 30;
inline constexpr unsigned Synchronize = 34;
} // namespace PluginCommand

// Where the plug-in is and what it is told.
struct PluginOptions {
    std::optional<std::filesystem::path> library;  // default: next to the program
    std::optional<std::filesystem::path> settings; // the settings file, if any
    bool linkExportedObjects = true;
};

// --plugin FILE, --settings FILE and --no-link.
PluginOptions PluginOptionsFrom(const Arguments& args);

class PluginHost {
public:
    // Loads the plug-in and gives it its settings: the settings file, if any; the PDM server
    // it works with is the one `serverName` names unless that file says otherwise; exported
    // objects are linked as the options say. InputError when the plug-in or the settings file
    // cannot be read.
    PluginHost(const PluginOptions& options, const std::wstring& serverName);
    ~PluginHost();
    PluginHost(const PluginHost&) = delete;
    PluginHost& operator=(const PluginHost&) = delete;

    std::vector<Vireo::Cam::ContextMenuEntry> ContextMenu(CZkw32Doc& document, CZKObject* object) const;

    // Builds the object's context menu, as a right click does, and picks the command's entry;
    // with no object, runs the command by its id. The document becomes the active one.
    // CommandFailed when the menu does not offer the command or offers it disabled.
    Vireo::Cam::CommandOutcome Run(CZkw32Doc& document, CZKObject* object, unsigned localId) const;
    // Runs a command by its global id (a menu entry's) on the document, as a menu pick does.
    // CommandFailed when it is disabled or did not run.
    Vireo::Cam::CommandOutcome RunGlobal(CZkw32Doc& document, unsigned globalId) const;

    const Vireo::Cam::PluginLibrary& Library() const noexcept { return *library_; }

private:
    // Why a command the plug-in refused is disabled, as far as the host can tell.
    std::string DisabledReason() const;

    std::unique_ptr<Vireo::Cam::PluginLibrary> library_;
    std::wstring serverName_;
};

// The options every plug-in command takes.
void AddPluginOptions(ArgumentRules& rules);

} // namespace Campdm
