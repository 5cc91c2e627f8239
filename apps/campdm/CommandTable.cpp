#include "Command.h"

namespace Campdm {

const std::vector<Command>& AllCommands()
{
    static const std::vector<Command> commands = [] {
        std::vector<Command> all;
        for (auto part : {DemoCommands, PdmFileCommands, DocumentCommands, ValueCommands, MenuCommands,
                           TransferCommands, SyncCommands, DragDropCommands, RuleCommands, LinkCommands})
            for (Command& command : part())
                all.push_back(std::move(command));
        return all;
    }();
    return commands;
}

} // namespace Campdm
