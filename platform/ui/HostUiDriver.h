#pragma once
// The one seam between the host's user-interface services and whatever shows them. The
// host program installs its driver at start-up; tests install a recording one. Without
// an installed driver, messages go to the standard error stream, choosing dialogs are
// cancelled (there is nobody to ask) and links are written to the standard output.

#include "platform/win/WinTypes.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zkpf {
class Button;
class ModalDialog;
} // namespace zkpf

namespace Vireo::Ui {

// A reference (catalogue) of the PDM as a choosing dialog lists it.
struct ReferenceChoice {
    std::wstring guid; // lower-case, hyphenated
    int id = 0;
    std::wstring name;
};

// An object of a reference as a choosing dialog lists it.
struct ObjectChoice {
    std::wstring guid;
    int id = 0;
    std::wstring name; // its "Name" value, empty when it has none
    std::wstring className;
};

class HostUiDriver {
public:
    virtual ~HostUiDriver() = default;

    // Shows a modal message. `type` carries the host's button and icon flags (0: the
    // default buttons); the result is the button that closed the message.
    virtual int ShowMessage(std::wstring_view text, unsigned int type) = 0;

    // The PDM proxy's choosing dialogs: the position of the chosen entry, or nothing when
    // the user cancels. `owner` is the window the dialog belongs to (may be null).
    virtual std::optional<std::size_t> ChooseReference(HWND owner, std::span<const ReferenceChoice> references);
    // `objects` are the reference's objects that `filterText` (a PDM search filter text,
    // empty for all) selects.
    virtual std::optional<std::size_t> ChooseObject(HWND owner, const ReferenceChoice& reference,
                                                    std::wstring_view filterText,
                                                    std::span<const ObjectChoice> objects);

    // Opens a link with the program the system registered for its scheme.
    virtual void OpenLink(std::wstring_view link);

    // Shows a modal dialog of the framework until it is ended and returns its result. A
    // driver without windows shows nothing and answers DialogButtons::Cancel.
    virtual int RunModalDialog(zkpf::ModalDialog& dialog);
    // Shows the open context menu of `button` and answers it (PickContextMenuItem or
    // CloseContextMenu). A driver without windows leaves the menu open for its caller.
    virtual void ShowContextMenu(zkpf::Button& button);
};

// Installs `driver` (not owned; it must outlive its installation). Null restores the
// standard-error driver. Returns the driver that was installed before.
HostUiDriver* InstallHostUiDriver(HostUiDriver* driver) noexcept;

// The installed driver, or the standard-error driver when none is installed.
HostUiDriver& CurrentHostUiDriver() noexcept;

// Installs a driver for the life of the scope and restores the previous one afterwards.
class ScopedHostUiDriver {
public:
    explicit ScopedHostUiDriver(HostUiDriver& driver) noexcept : previous_(InstallHostUiDriver(&driver)) {}
    ~ScopedHostUiDriver() { InstallHostUiDriver(previous_); }
    ScopedHostUiDriver(const ScopedHostUiDriver&) = delete;
    ScopedHostUiDriver& operator=(const ScopedHostUiDriver&) = delete;

private:
    HostUiDriver* previous_;
};

} // namespace Vireo::Ui
