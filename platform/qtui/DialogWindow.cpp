#include "platform/qtui/internal/DialogWindow.h"

#include "platform/qtui/internal/ImageIcons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace Vireo::QtUi {
namespace {

QString standardText(zkpf::DialogButtons kind)
{
    switch (kind) {
    case zkpf::DialogButtons::Ok:
        return QStringLiteral("OK");
    case zkpf::DialogButtons::Yes:
        return QStringLiteral("Yes");
    case zkpf::DialogButtons::No:
        return QStringLiteral("No");
    case zkpf::DialogButtons::Cancel:
        break;
    }
    return QStringLiteral("Cancel");
}

} // namespace

DialogWindow::DialogWindow(zkpf::ModalDialog& dialog, QWidget* parent) : dialog_(dialog), window_(parent)
{
    window_.setWindowTitle(QString::fromStdWString(dialog_.GetTitle()));
    const auto [width, height] = dialog_.GetSize();
    window_.resize(width, height);
    if (!dialog_.IsResizable())
        window_.setFixedSize(width, height);
    window_.setSizeGripEnabled(dialog_.IsResizable());

    auto* layout = new QVBoxLayout(&window_);
    for (const auto& control : dialog_.GetContent().GetControls()) {
        if (auto* toolBar = dynamic_cast<zkpf::ToolBar*>(control.get()))
            addToolBar(*toolBar, *layout);
        else if (auto* list = dynamic_cast<zkpf::SimpleList*>(control.get()))
            addList(*list, *layout, dialog_.GetContent().GetFillControl() == list || list->GetStretchHeight());
    }
    addStandardButtons(*layout);
    dialog_.SetWindowHandle(reinterpret_cast<HWND>(&window_));
    Refresh();
}

DialogWindow::~DialogWindow()
{
    dialog_.SetWindowHandle(nullptr);
}

QWidget* DialogWindow::WidgetOf(const zkpf::Button& button) const
{
    const auto found = buttons_.find(&button);
    return found == buttons_.end() ? nullptr : found->second;
}

int DialogWindow::Run()
{
    const int closedByUser = static_cast<int>(zkpf::DialogButtons::Cancel);
    const int result = window_.exec();
    return dialog_.GetEndResult().value_or(result == QDialog::Accepted ? 0 : closedByUser);
}

void DialogWindow::Refresh()
{
    for (const auto& [model, widget] : buttons_)
        showButton(*model, *widget);
    for (const auto& list : lists_)
        list->Refresh();
    if (const auto result = dialog_.GetEndResult())
        window_.done(*result);
}

void DialogWindow::addToolBar(zkpf::ToolBar& toolBar, QBoxLayout& layout)
{
    auto* bar = new QToolBar(&window_);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setIconSize(QSize(24, 24));
    for (const auto& button : toolBar.GetButtons()) {
        auto* widget = new QToolButton(bar);
        widget->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        widget->setIcon(ToIcon(button->GetImage()));
        bar->addWidget(widget);
        buttons_[button.get()] = widget;
        zkpf::Button* model = button.get();
        QObject::connect(widget, &QToolButton::clicked, widget, [this, model] { clicked(*model); });
    }
    layout.addWidget(bar);
}

void DialogWindow::addList(zkpf::SimpleList& list, QBoxLayout& layout, bool fills)
{
    auto* tree = new QTreeWidget(&window_);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setUniformRowHeights(true);
    lists_.push_back(std::make_unique<ListView>(list, *tree, [this] { refreshSoon(); }));
    layout.addWidget(tree, fills ? 1 : 0);
}

void DialogWindow::addStandardButtons(QBoxLayout& layout)
{
    const auto* standard = dynamic_cast<const zkpf::AddStandardControl*>(&dialog_);
    if (!standard || standard->GetStandardButtons().empty())
        return;
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (const auto& [kind, button] : standard->GetStandardButtons()) {
        auto* widget = new QPushButton(standardText(kind), &window_);
        widget->setAutoDefault(false);
        row->addWidget(widget);
        buttons_[button.get()] = widget;
        zkpf::Button* model = button.get();
        QObject::connect(widget, &QPushButton::clicked, widget, [this, model] { clicked(*model); });
    }
    layout.addLayout(row);
}

void DialogWindow::showButton(const zkpf::Button& model, QAbstractButton& widget) const
{
    if (!model.GetText().empty())
        widget.setText(QString::fromStdWString(model.GetText()));
    widget.setToolTip(QString::fromStdWString(model.GetHintText()));
    widget.setEnabled(model.IsEnabled());
}

void DialogWindow::clicked(zkpf::Button& button)
{
    button.Click();
    Refresh();
}

void DialogWindow::refreshSoon()
{
    // The view that reported the change may be inside a signal of an item it is about to
    // delete: show the model again once that signal has returned.
    QTimer::singleShot(0, &window_, [this] { Refresh(); });
}

} // namespace Vireo::QtUi
