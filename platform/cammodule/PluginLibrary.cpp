#include "platform/cammodule/PluginLibrary.h"

#include "platform/cammodule/CallbackExtensions.h"
#include "platform/cammodule/PluginCallbackExtension.h"
#include "platform/host/Zkw32Doc.h"
#include "platform/win/Menu.h"

#include <dlfcn.h>

#include <algorithm>
#include <system_error>

namespace Vireo::Cam {
namespace {

std::filesystem::path runningProgram()
{
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program;
}

std::vector<Extension::IPluginCallbackExtension*> extensionsMissingFrom(
    const std::vector<Extension::IPluginCallbackExtension*>& before)
{
    std::vector<Extension::IPluginCallbackExtension*> added;
    for (auto* extension : Extension::CallbackExtensions::Instance().All())
        if (std::find(before.begin(), before.end(), extension) == before.end())
            added.push_back(extension);
    return added;
}

std::string loaderError()
{
    const char* text = dlerror();
    return text ? text : "unknown reason";
}

} // namespace

std::filesystem::path PluginLibrary::DefaultPath()
{
    return runningProgram().parent_path() / PdmPluginFileName;
}

PluginLibrary::PluginLibrary(const std::filesystem::path& path) : path_(path)
{
    if (void* loaded = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD)) {
        dlclose(loaded);
        throw PluginLoadError(path.string() + ": the plug-in is loaded already");
    }
    const auto before = Extension::CallbackExtensions::Instance().All();
    // Its own symbols stay its own: a second plug-in, or the host, may carry the same code.
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr)
        throw PluginLoadError(path.string() + ": the plug-in cannot be loaded: " + loaderError());
    const auto extensions = extensionsMissingFrom(before);
    if (extensions.empty()) {
        dlclose(handle_);
        throw PluginLoadError(path.string() + ": the library offers no command extension");
    }
    registerCommands(extensions);
}

PluginLibrary::~PluginLibrary()
{
    unregisterCommands();
    dlclose(handle_);
}

void PluginLibrary::registerCommands(const std::vector<Extension::IPluginCallbackExtension*>& extensions)
{
    auto& registry = CommandRegisterHandler::Instance();
    const unsigned firstNew = registry.Commands().empty() ? 0 : registry.Commands().back().globalId + 1;
    for (auto* extension : extensions)
        extension->CreateTools();
    for (const RegisteredCommand& command : registry.Commands())
        if (command.globalId >= firstNew)
            globalIds_.push_back(command.globalId);
}

void PluginLibrary::unregisterCommands() noexcept
{
    for (unsigned globalId : globalIds_)
        CommandRegisterHandler::Instance().Unregister(globalId);
    globalIds_.clear();
}

std::vector<RegisteredCommand> PluginLibrary::Commands() const
{
    std::vector<RegisteredCommand> commands;
    for (unsigned globalId : globalIds_)
        if (const RegisteredCommand* command = CommandRegisterHandler::Instance().Find(globalId))
            commands.push_back(*command);
    return commands;
}

unsigned PluginLibrary::GlobalId(unsigned localId) const
{
    for (const RegisteredCommand& command : Commands())
        if (command.localId == localId)
            return command.globalId;
    return 0;
}

std::vector<ContextMenuEntry> PluginLibrary::ContextMenu(CZkw32Doc* doc, CZKObject* object) const
{
    CMenu menu;
    Extension::CallbackExtensions::Instance().ModifyObjContextMenu(doc, object, menu);
    std::vector<ContextMenuEntry> entries;
    for (const CMenu::Entry& entry : menu.Entries()) {
        const auto globalId = static_cast<unsigned>(entry.id);
        entries.push_back(
            ContextMenuEntry{globalId, entry.text, CommandRegisterHandler::Instance().IsEnabled(globalId, doc)});
    }
    return entries;
}

bool PluginLibrary::IsEnabled(unsigned globalId) const
{
    return CommandRegisterHandler::Instance().IsEnabled(globalId, ZKGetActiveDoc());
}

CommandOutcome PluginLibrary::Run(unsigned globalId) const
{
    auto& registry = CommandRegisterHandler::Instance();
    CommandOutcome outcome;
    if (registry.Find(globalId) == nullptr)
        return outcome;
    CZkw32Doc* doc = ZKGetActiveDoc();
    if (!registry.IsEnabled(globalId, doc)) {
        outcome.status = CommandOutcome::Status::Disabled;
        return outcome;
    }
    const std::size_t stepsBefore = doc ? doc->GetUndoSteps().size() : 0;
    registry.Execute(globalId, doc);
    outcome.status = CommandOutcome::Status::Ran;
    if (doc != nullptr) {
        const auto& steps = doc->GetUndoSteps();
        outcome.keptChanges.assign(steps.begin() + static_cast<std::ptrdiff_t>(std::min(stepsBefore, steps.size())),
                                   steps.end());
    }
    return outcome;
}

} // namespace Vireo::Cam
