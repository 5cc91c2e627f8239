#include "PluginHost.h"

#include "CommandErrors.h"
#include "TextOutput.h"

#include "platform/cammodule/PluginSettings.h"
#include "platform/host/Zkw32Doc.h"

#include <algorithm>

namespace Campdm {
namespace {

using Vireo::Cam::PluginSettings;

void applySettings(const PluginOptions& options, const std::wstring& serverName)
{
    PluginSettings& settings = PluginSettings::Instance();
    settings.ClearOverrides();
    if (options.settings) {
        if (!std::filesystem::is_regular_file(*options.settings))
            throw InputError("the settings file \"" + options.settings->string() + "\" does not exist");
        settings.SetFile(*options.settings);
    } else {
        settings.SetFile(std::nullopt);
        settings.Override(L"server-name", serverName);
    }
    settings.Override(L"link-exported-objects", options.linkExportedObjects ? L"on" : L"off");
}

} // namespace

void AddPluginOptions(ArgumentRules& rules)
{
    rules.valueOptions.insert({"--plugin", "--settings"});
}

PluginOptions PluginOptionsFrom(const Arguments& args)
{
    PluginOptions options;
    if (const auto library = args.Option("--plugin"))
        options.library = *library;
    if (const auto settings = args.Option("--settings"))
        options.settings = *settings;
    options.linkExportedObjects = !args.Flag("--no-link");
    return options;
}

PluginHost::PluginHost(const PluginOptions& options, const std::wstring& serverName) : serverName_(serverName)
{
    applySettings(options, serverName);
    try {
        library_ = std::make_unique<Vireo::Cam::PluginLibrary>(
            options.library.value_or(Vireo::Cam::PluginLibrary::DefaultPath()));
    } catch (const Vireo::Cam::PluginLoadError& error) {
        throw InputError(error.what());
    }
}

PluginHost::~PluginHost()
{
    library_.reset();
    CZkw32Doc::DeactivateAll();
    PluginSettings::Instance().ClearOverrides();
}

std::vector<Vireo::Cam::ContextMenuEntry> PluginHost::ContextMenu(CZkw32Doc& document, CZKObject* object) const
{
    return library_->ContextMenu(&document, object);
}

Vireo::Cam::CommandOutcome PluginHost::Run(CZkw32Doc& document, CZKObject* object, unsigned localId) const
{
    const unsigned globalId = library_->GlobalId(localId);
    if (globalId == 0)
        throw CommandFailed("the plug-in " + library_->Path().string() + " has no command " + std::to_string(localId));
    if (object) {
        const auto entries = ContextMenu(document, object);
        const auto entry = std::find_if(entries.begin(), entries.end(),
                                        [&](const auto& candidate) { return candidate.globalId == globalId; });
        if (entry == entries.end())
            throw CommandFailed("the context menu of the object does not offer this command (campdm menu shows what "
                                "it offers)");
        if (!entry->enabled)
            throw CommandFailed("\"" + Utf8(entry->text) + "\" is disabled for the object");
    }
    return RunGlobal(document, globalId);
}

Vireo::Cam::CommandOutcome PluginHost::RunGlobal(CZkw32Doc& document, unsigned globalId) const
{
    document.Activate();
    const Vireo::Cam::CommandOutcome outcome = library_->Run(globalId);
    if (outcome.status == Vireo::Cam::CommandOutcome::Status::Disabled)
        throw CommandFailed(DisabledReason());
    if (!outcome.Ran())
        throw CommandFailed("the plug-in did not run the command");
    return outcome;
}

// The plug-in offers its commands only for the PDM server its settings name; a settings file
// naming another server is the usual reason a command the user expects is refused.
std::string PluginHost::DisabledReason() const
{
    const PluginSettings& settings = PluginSettings::Instance();
    const auto server = settings.Find(L"server-name");
    if (settings.File() && server && *server != serverName_)
        return "the command is disabled: the settings file \"" + settings.File()->string() +
               "\" names the PDM server \"" + Utf8(*server) + "\", and this PDM is \"" + Utf8(serverName_) + "\"";
    return "the command is disabled on this document";
}

} // namespace Campdm
