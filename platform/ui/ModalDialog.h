#pragma once
// The framework's dialogs: a command dialog with its window handle, a top-level dialog with
// title, size and content, and the modal dialog that the installed host UI driver shows.
// Standard buttons and the host-window query are mixins a dialog adds as it needs them.

#include "platform/ui/Button.h"
#include "platform/ui/Panel.h"
#include "platform/win/WinTypes.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>


namespace zkpf {

// Kinds of standard dialog buttons; the values are fixed.
enum class DialogButtons : int {
    Ok = 0,
    Yes = 1,
    No = 2,
    Cancel = 3,
};

class CmdDialog {
public:
    CmdDialog() = default;
    virtual ~CmdDialog() = default;
    CmdDialog(const CmdDialog&) = delete;
    CmdDialog& operator=(const CmdDialog&) = delete;

    // The dialog's window while it is shown; null otherwise.
    HWND GetWindowHandle() const noexcept { return window_; }
    // Set by whatever shows the dialog.
    void SetWindowHandle(HWND window) noexcept { window_ = window; }

private:
    HWND window_ = nullptr;
};

class CNewTopLevelDialog : public CmdDialog {
public:
    void SetTitle(std::wstring title) { title_ = std::move(title); }
    const std::wstring& GetTitle() const noexcept { return title_; }
    void SetSize(int width, int height) noexcept { size_ = {width, height}; }
    std::pair<int, int> GetSize() const noexcept { return size_; }
    void SetResizable(bool resizable) noexcept { resizable_ = resizable; }
    bool IsResizable() const noexcept { return resizable_; }
    // Whether the dialog grows and shrinks with its content.
    void SetAutoResize(bool autoResize) noexcept { autoResize_ = autoResize; }
    bool IsAutoResize() const noexcept { return autoResize_; }

    Panel& GetContent() noexcept { return content_; }
    const Panel& GetContent() const noexcept { return content_; }

private:
    std::wstring title_;
    std::pair<int, int> size_{400, 300};
    bool resizable_ = false;
    bool autoResize_ = true;
    Panel content_;
};

class ModalDialog : public CNewTopLevelDialog {
public:
    // Shows the dialog through the installed host UI driver until it is ended; returns the
    // result it was ended with. A driver without windows does not show it and answers
    // DialogButtons::Cancel.
    int DoModal();
    // Ends the modal loop with `result` (the kind of the button that closed the dialog).
    void EndModal(int result) noexcept { endResult_ = result; }
    // The result the dialog was ended with since it was last shown; nothing while it runs.
    std::optional<int> GetEndResult() const noexcept { return endResult_; }

private:
    std::optional<int> endResult_;
};

// The standard buttons of a dialog (OK, Cancel, ...), in the order they were added.
class AddStandardControl {
public:
    struct StandardButton {
        DialogButtons kind;
        std::unique_ptr<Button> button;
    };

    virtual ~AddStandardControl() = default;

    // A standard button of `kind`. When `closes` is set, clicking it ends the dialog (after
    // its click handler ran) with `kind` as the result.
    Button& AddStandardButton(DialogButtons kind, bool closes);
    const std::vector<StandardButton>& GetStandardButtons() const noexcept { return buttons_; }

private:
    std::vector<StandardButton> buttons_;
};

// The window that dialogs opened from this one belong to.
class IHostWindowProvider {
public:
    virtual ~IHostWindowProvider() = default;
    // The command dialog's own window for a dialog; null otherwise.
    virtual HWND GetHostWindow() const;
};

} // namespace zkpf
