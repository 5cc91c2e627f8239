#pragma once
// The CAM module's command registry. A plug-in registers each command under its own local
// id; the registry gives it a global id, the one menus carry, and answers for it the
// enabling question and the running of the command.

#include <string>
#include <string_view>
#include <vector>

class CCmdUI;
class CZkw32Doc;

namespace Vireo::Cam {

// Runs a command on a document; `id` is the command's global id.
using CommandHandler = void (*)(CZkw32Doc* doc, int id);
// Answers through CCmdUI::Enable whether the command can run on the document now.
using CommandUpdateHandler = void (*)(CZkw32Doc* doc, CCmdUI* ui);

struct RegisteredCommand {
    unsigned localId = 0;
    unsigned globalId = 0;
    CommandHandler handler = nullptr;
    CommandUpdateHandler updateHandler = nullptr; // null: always enabled
    std::wstring displayName;                     // description, line feed, caption
    std::wstring iconName;                        // empty: no icon
    bool checkable = false;
};

class CommandRegisterHandler {
public:
    // Global ids are handed out from here on and never given twice in a process.
    static constexpr unsigned FirstGlobalId = 0x8000;

    static CommandRegisterHandler& Instance();

    // Answers the command's global id; 0 (nothing registered) without a handler or when the
    // local id is registered already. `iconName` may be null.
    unsigned Register(unsigned localId, CommandHandler handler, CommandUpdateHandler updateHandler,
                      std::wstring_view displayName, const wchar_t* iconName, bool checkable);
    // 0 for a local id that is not registered.
    unsigned GetIdGlobalByLocal(unsigned localId) const;
    // False when no command has that global id.
    bool Unregister(unsigned globalId);

    // Null for an unknown global id; valid until the next registration or removal.
    const RegisteredCommand* Find(unsigned globalId) const;
    // In registration order.
    const std::vector<RegisteredCommand>& Commands() const noexcept { return commands_; }

    // The enabling answer of the command for `doc`; an unknown command is disabled.
    bool IsEnabled(unsigned globalId, CZkw32Doc* doc) const;
    // Runs the command as a menu pick does; false for an unknown command. Errors that the
    // command raises reach the caller.
    bool Execute(unsigned globalId, CZkw32Doc* doc) const;

private:
    std::vector<RegisteredCommand> commands_;
    unsigned nextGlobalId_ = FirstGlobalId;
};

} // namespace Vireo::Cam
