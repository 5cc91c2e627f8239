#pragma once
// A framework modal dialog in a Qt window: its content (tool bars and lists), its standard
// buttons, and the way back from the user's clicks into the model.

#include "platform/qtui/internal/ListView.h"

#include "platform/ui/ModalDialog.h"
#include "platform/ui/ToolBar.h"

#include <QDialog>

#include <map>
#include <memory>
#include <vector>

class QAbstractButton;
class QBoxLayout;

namespace Vireo::QtUi {

class DialogWindow {
public:
    explicit DialogWindow(zkpf::ModalDialog& dialog, QWidget* parent = nullptr);
    ~DialogWindow();
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    QDialog& Window() noexcept { return window_; }
    // The widget that shows `button`, or null when this window does not show it.
    QWidget* WidgetOf(const zkpf::Button& button) const;

    // Runs the window until the model ends the dialog or the user closes the window.
    int Run();
    // Shows the model again: enabled buttons, the list when it changed, and closes the
    // window when the dialog was ended.
    void Refresh();

private:
    void addToolBar(zkpf::ToolBar& toolBar, QBoxLayout& layout);
    void addList(zkpf::SimpleList& list, QBoxLayout& layout, bool fills);
    void addStandardButtons(QBoxLayout& layout);
    void showButton(const zkpf::Button& model, QAbstractButton& widget) const;
    void clicked(zkpf::Button& button);
    void refreshSoon();

    zkpf::ModalDialog& dialog_;
    QDialog window_;
    std::vector<std::unique_ptr<ListView>> lists_;
    std::map<const zkpf::Button*, QAbstractButton*> buttons_;
};

} // namespace Vireo::QtUi
