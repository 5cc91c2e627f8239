#include "platform/cammodule/CommandRegisterHandler.h"

#include "platform/win/CmdUI.h"

#include <algorithm>

namespace Vireo::Cam {

CommandRegisterHandler& CommandRegisterHandler::Instance()
{
    static CommandRegisterHandler registry;
    return registry;
}

unsigned CommandRegisterHandler::Register(unsigned localId, CommandHandler handler, CommandUpdateHandler updateHandler,
                                          std::wstring_view displayName, const wchar_t* iconName, bool checkable)
{
    if (handler == nullptr || GetIdGlobalByLocal(localId) != 0)
        return 0;
    const unsigned globalId = nextGlobalId_++;
    commands_.push_back(RegisteredCommand{localId, globalId, handler, updateHandler, std::wstring(displayName),
                                          iconName ? std::wstring(iconName) : std::wstring(), checkable});
    return globalId;
}

unsigned CommandRegisterHandler::GetIdGlobalByLocal(unsigned localId) const
{
    const auto found = std::find_if(commands_.begin(), commands_.end(),
                                    [&](const RegisteredCommand& command) { return command.localId == localId; });
    return found == commands_.end() ? 0 : found->globalId;
}

bool CommandRegisterHandler::Unregister(unsigned globalId)
{
    return std::erase_if(commands_, [&](const RegisteredCommand& command) { return command.globalId == globalId; }) > 0;
}

const RegisteredCommand* CommandRegisterHandler::Find(unsigned globalId) const
{
    const auto found = std::find_if(commands_.begin(), commands_.end(),
                                    [&](const RegisteredCommand& command) { return command.globalId == globalId; });
    return found == commands_.end() ? nullptr : &*found;
}

bool CommandRegisterHandler::IsEnabled(unsigned globalId, CZkw32Doc* doc) const
{
    const RegisteredCommand* command = Find(globalId);
    if (command == nullptr)
        return false;
    CCmdUI ui(globalId);
    if (command->updateHandler != nullptr)
        command->updateHandler(doc, &ui);
    return ui.IsEnabled();
}

bool CommandRegisterHandler::Execute(unsigned globalId, CZkw32Doc* doc) const
{
    const RegisteredCommand* command = Find(globalId);
    if (command == nullptr)
        return false;
    // The command may change the registry while it runs.
    const CommandHandler handler = command->handler;
    handler(doc, static_cast<int>(globalId));
    return true;
}

} // namespace Vireo::Cam
