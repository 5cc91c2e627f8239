#include "platform/qtui/QtUiDriver.h"

#include "platform/qtui/internal/DialogWindow.h"
#include "platform/qtui/internal/ImageIcons.h"
#include "platform/qtui/internal/ObjectChooser.h"

#include "platform/ui/Button.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

namespace Vireo::QtUi {

int QtUiDriver::ShowMessage(std::wstring_view text, unsigned int /*type*/)
{
    QMessageBox::information(topWindow(), QApplication::applicationName(),
                             QString::fromStdWString(std::wstring(text)));
    constexpr int okButton = 1;
    return okButton;
}

int QtUiDriver::RunModalDialog(zkpf::ModalDialog& dialog)
{
    DialogWindow window(dialog, topWindow());
    open_.push_back(&window);
    if (shownHook_) {
        // After the window has been shown and drawn, so a hook sees what a user sees.
        QTimer::singleShot(0, &window.Window(), [this, &window] {
            window.Window().repaint();
            shownHook_(window.Window());
        });
    }
    const int result = window.Run();
    open_.pop_back();
    return result;
}

void QtUiDriver::ShowContextMenu(zkpf::Button& button)
{
    QWidget* anchor = nullptr;
    for (auto it = open_.rbegin(); it != open_.rend() && !anchor; ++it)
        anchor = (*it)->WidgetOf(button);
    if (!anchor || !button.GetContextMenu()) {
        button.CloseContextMenu();
        return;
    }
    QMenu menu(anchor);
    for (const zkpf::Menu::Item& item : button.GetContextMenu()->GetItems())
        menu.addAction(ToIcon(item.image), QString::fromStdWString(item.text))->setData(item.id);
    // Below the button, aligned to its left edge.
    QAction* chosen = menu.exec(anchor->mapToGlobal(QPoint(0, anchor->height())));
    if (chosen)
        button.PickContextMenuItem(chosen->data().toInt());
    else
        button.CloseContextMenu();
}

std::optional<std::size_t> QtUiDriver::ChooseReference(HWND owner,
                                                       std::span<const Ui::ReferenceChoice> references)
{
    return next_.ChooseReference(owner, references);
}

std::optional<std::size_t> QtUiDriver::ChooseObject(HWND /*owner*/, const Ui::ReferenceChoice& reference,
                                                    std::wstring_view filterText,
                                                    std::span<const Ui::ObjectChoice> objects)
{
    return ChooseObjectInWindow(topWindow(), reference, filterText, objects);
}

void QtUiDriver::OpenLink(std::wstring_view link)
{
    next_.OpenLink(link);
}

QWidget* QtUiDriver::topWindow() const
{
    return open_.empty() ? nullptr : &open_.back()->Window();
}

} // namespace Vireo::QtUi
