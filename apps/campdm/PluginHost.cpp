#include "PluginHost.h"

#include "CommandErrors.h"
#include "TextOutput.h"

#include "platform/cammodule/PluginSettings.h"
#include "platform/host/Zkw32Doc.h"

#include <algorithm>

namespace Campdm {
namespace {

using Vireo::Cam::PluginSettings;

void applySettings(const Arguments& args, const std::wstring& serverName)
{
    PluginSettings& settings = PluginSettings::Instance();
    settings.ClearOverrides();
    if (const auto file = args.Option("--settings")) {
        if (!std::filesystem::is_regular_file(*file))
            throw InputError("the settings file \"" + *file + "\" does not exist");
        settings.SetFile(std::filesystem::path(*file));
    } else {
        settings.SetFile(std::nullopt);
        settings.Override(L"server-name", serverName);
    }
    settings.Override(L"link-exported-objects", args.Flag("--no-link") ? L"off" : L"on");
}

} // namespace

void AddPluginOptions(ArgumentRules& rules)
{
    rules.valueOptions.insert({"--plugin", "--settings"});
}

PluginHost::PluginHost(const Arguments& args, const std::wstring& serverName)
{
    applySettings(args, serverName);
    const auto path = args.Option("--plugin");
    try {
        library_ = std::make_unique<Vireo::Cam::PluginLibrary>(path ? std::filesystem::path(*path)
                                                                    : Vireo::Cam::PluginLibrary::DefaultPath());
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
    document.Activate();
    const Vireo::Cam::CommandOutcome outcome = library_->Run(globalId);
    if (outcome.status == Vireo::Cam::CommandOutcome::Status::Disabled)
        throw CommandFailed("the command is disabled on this document");
    if (!outcome.Ran())
        throw CommandFailed("the plug-in did not run the command");
    return outcome;
}

} // namespace Campdm
