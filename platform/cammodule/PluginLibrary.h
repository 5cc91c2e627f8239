#pragma once
// A plug-in library loaded by the host, as the CAM module loads it: opening the library
// runs its start-up (which makes its command extension and module object), then every
// command extension the library made registers its commands. The library object offers
// what a host does with a plug-in: the context menu of an object, the enabling state of a
// command and running a command by its global id on the active document. Destroying it
// takes the plug-in's commands out of the registry and closes the library, whose shut-down
// destroys what its start-up made.
//
//   Vireo::Cam::PluginLibrary plugin;                     // next to the program
//   for (const auto& entry : plugin.ContextMenu(doc, object))
//       ...entry.globalId, entry.text, entry.enabled...
//   doc->Activate();
//   const auto outcome = plugin.Run(entry.globalId);     // outcome.keptChanges: undo steps

#include "platform/cammodule/CommandRegisterHandler.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

class CZKObject;
class CZkw32Doc;

namespace Vireo::Cam {

namespace Extension {
class IPluginCallbackExtension;
}

// A library that cannot be loaded or offers no command extension; the message names the
// file and the reason.
class PluginLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ContextMenuEntry {
    unsigned globalId = 0;
    std::wstring text;
    bool enabled = false;
};

struct CommandOutcome {
    enum class Status { Ran, UnknownCommand, Disabled };
    Status status = Status::UnknownCommand;
    // The undo-step names of the change brackets the command kept on the active document,
    // oldest first: empty when the command left the document as it was.
    std::vector<std::wstring> keptChanges;

    bool Ran() const noexcept { return status == Status::Ran; }
};

class PluginLibrary {
public:
    // The file name of the PDM plug-in.
    static constexpr const char* PdmPluginFileName = "libvireo_cam_pdm.so";
    // The PDM plug-in in the folder of the running program.
    static std::filesystem::path DefaultPath();

    // Throws PluginLoadError.
    explicit PluginLibrary(const std::filesystem::path& path = DefaultPath());
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    const std::filesystem::path& Path() const noexcept { return path_; }
    // The commands this library registered, in registration order.
    std::vector<RegisteredCommand> Commands() const;
    // The global id of one of this library's commands; 0 when it has none with that local id.
    unsigned GlobalId(unsigned localId) const;

    // The context menu the CAM module shows for `object` of `doc`, built by every command
    // extension, each entry with its enabling state at the moment the menu is built.
    std::vector<ContextMenuEntry> ContextMenu(CZkw32Doc* doc, CZKObject* object) const;
    // On the active document (ZKGetActiveDoc).
    bool IsEnabled(unsigned globalId) const;
    // Runs a command on the active document as a menu pick does: a disabled command does not
    // run. Errors that the command raises reach the caller.
    CommandOutcome Run(unsigned globalId) const;

private:
    void registerCommands(const std::vector<Extension::IPluginCallbackExtension*>& extensions);
    void unregisterCommands() noexcept;

    std::filesystem::path path_;
    void* handle_ = nullptr;
    std::vector<unsigned> globalIds_;
};

} // namespace Vireo::Cam
