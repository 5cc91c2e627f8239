#pragma once
// What every command of the plug-in carries: its local id, translated texts, icon id, the
// CAM object it was last offered on, and the enabling rule most commands share. Each
// command class names its local id and resource keys and brings its own Handler.

#include "platform/ui/ZKTrAtl.h"

#include <string>
#include <string_view>

class CCmdUI;
class CZKObject;
class CZkw32Doc;

namespace Vireo::Cam::Pdm {

// The enabling rule of the commands that need nothing but an open document: one and the
// same function for all of them.
class DocumentCommand {
public:
    static void UpdateUiHandler(CZkw32Doc* doc, CCmdUI* ui);
    static unsigned GetIconId() { return 0; }
};

template <class Command>
class PdmCommand : public DocumentCommand {
public:
    static int GetId() { return static_cast<int>(Command::LocalId); }
    static std::wstring GetCaption() { return ZKTrAtl(Command::CaptionKey); }
    static std::wstring GetDescription() { return ZKTrAtl(Command::DescriptionKey); }
    // The text the command registry shows: description, line feed, caption.
    static std::wstring GetDisplayName() { return GetDescription() + L"\n" + GetCaption(); }

    static CZKObject* GetCurrentObject() { return _object; }
    static void SetCurrentObject(CZKObject* object) { _object = object; }

    // The object the command was last offered on in a context menu; kept until unload.
    static inline CZKObject* _object = nullptr;
};

} // namespace Vireo::Cam::Pdm
