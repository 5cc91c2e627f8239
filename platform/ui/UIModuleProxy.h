#pragma once
// The host's user-interface module: icons of document objects and resource icons, and the
// frame windows documents are shown in.

#include "platform/ui/Images.h"
#include "platform/win/FrameWnd.h"
#include "platform/win/WinTypes.h"

#include <map>
#include <memory>

class CZkw32Doc;

class UIModuleProxy {
public:
    static UIModuleProxy& Instance();

    // The resource icon of a document object's icon identifier; none for identifier 0.
    zkpf::ResourceIcon GetResourceIcon(unsigned iconId) const noexcept;
    // The icon of a host icon resource; it lives as long as the module. Null for resource 0.
    HICON LoadIcon(unsigned resourceId);

    // The frame window `document` is shown in, or null when it is not shown.
    CFrameWnd* FrameForDocument(const CZkw32Doc* document) const;
    // Shows a document in a frame window of its own (the one it has when it is shown already).
    CFrameWnd* OpenFrame(const CZkw32Doc* document);
    // Closes the document's frame window, if it has one.
    void CloseFrame(const CZkw32Doc* document);

private:
    std::map<unsigned, std::unique_ptr<HICON__>> icons_;
    std::map<const CZkw32Doc*, std::unique_ptr<CFrameWnd>> frames_;
};
