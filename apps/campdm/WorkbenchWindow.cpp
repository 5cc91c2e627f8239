#include "WorkbenchWindow.h"

#include "CamTreePane.h"
#include "ObjectPath.h"
#include "PdmPane.h"
#include "PluginHost.h"
#include "WorkbenchSession.h"

#include "pdm/cam/CamObject.h"
#include "platform/host/Zkw32Doc.h"
#include "platform/ui/HostUiDriver.h"
#include "platform/ui/Images.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSplitter>
#include <QToolBar>
#include <QTreeWidget>

namespace Campdm {
namespace {

// The caption of a registered command: its display name is description, line feed, caption.
QString captionOf(const std::wstring& displayName)
{
    const auto feed = displayName.find(L'\n');
    return QString::fromStdWString(feed == std::wstring::npos ? displayName : displayName.substr(feed + 1));
}

} // namespace

WorkbenchWindow::WorkbenchWindow(WorkbenchSession& session, Vireo::Ui::HostUiDriver& commandUi)
    : session_(session), commandUi_(commandUi), camPane_(new CamTreePane), pdmPane_(new PdmPane)
{
    auto* sides = new QSplitter(Qt::Horizontal, this);
    sides->addWidget(camPane_);
    sides->addWidget(pdmPane_);
    setCentralWidget(sides);
    buildMenus();
    buildToolBar();
    connect(&camPane_->Tree(), &QTreeWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QTreeWidgetItem* item = camPane_->Tree().itemAt(at);
        if (!item)
            return;
        camPane_->Tree().setCurrentItem(item);
        ContextMenu(*item)->exec(camPane_->Tree().viewport()->mapToGlobal(at));
    });
    resize(1100, 700);
    Refresh();
}

void WorkbenchWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&New"), QKeySequence::New, this, [this] { newDocument(); });
    file->addAction(QStringLiteral("&Open..."), QKeySequence::Open, this, [this] { openDocument(); });
    file->addAction(QStringLiteral("&Save"), QKeySequence::Save, this, [this] { save(); });
    file->addAction(QStringLiteral("Save &as..."), QKeySequence::SaveAs, this, [this] { saveAs(); });
    file->addSeparator();
    file->addAction(QStringLiteral("&Quit"), QKeySequence::Quit, this, [this] { close(); });
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    undo_ = edit->addAction(QStringLiteral("Undo"), QKeySequence::Undo, this, [this] { undo(); });
    redo_ = edit->addAction(QStringLiteral("Redo"), QKeySequence::Redo, this, [this] { redo(); });
}

void WorkbenchWindow::buildToolBar()
{
    const auto& library = session_.Plugin().Library();
    const unsigned globalId = library.GlobalId(PluginCommand::Synchronize);
    QToolBar* bar = addToolBar(QStringLiteral("PDM"));
    synchronize_ = bar->addAction(QStringLiteral("Synchronise"), this, [this, globalId] { runCommand(globalId); });
    for (const auto& command : library.Commands())
        if (command.globalId == globalId) {
            synchronize_->setText(captionOf(command.displayName));
            const auto path = Images::ResourceManager::Instance().GetImagePath(L"VireoCAM\\" + command.iconName);
            synchronize_->setIcon(QIcon(QString::fromStdString(path.string())));
        }
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

std::unique_ptr<QMenu> WorkbenchWindow::ContextMenu(const QTreeWidgetItem& item)
{
    auto menu = std::make_unique<QMenu>();
    const auto object = FindCamObject(session_.Document(), CamTreePane::Identity(item));
    for (const auto& entry : session_.ContextMenu(Vireo::Cam::Pdm::DocumentObjectOf(object))) {
        QAction* action = menu->addAction(QString::fromStdWString(entry.text));
        action->setEnabled(entry.enabled);
        const unsigned globalId = entry.globalId;
        connect(action, &QAction::triggered, this, [this, globalId] { runCommand(globalId); });
    }
    if (menu->isEmpty())
        menu->addAction(QStringLiteral("(no PDM commands for this object)"))->setEnabled(false);
    return menu;
}

void WorkbenchWindow::runCommand(unsigned globalId)
{
    try {
        const Vireo::Ui::ScopedHostUiDriver installed(commandUi_);
        session_.Run(globalId);
    } catch (const std::exception& error) {
        showError(error);
    }
    Refresh();
}

void WorkbenchWindow::showError(const std::exception& error)
{
    QMessageBox::warning(this, windowTitle(), QString::fromStdString(error.what()));
}

void WorkbenchWindow::Refresh()
{
    session_.Document().Activate();
    camPane_->Show(session_.Document());
    pdmPane_->Show(session_.Pdm());
    undo_->setEnabled(session_.CanUndo());
    undo_->setText(session_.CanUndo() ? QStringLiteral("Undo ") + QString::fromStdWString(session_.UndoName())
                                      : QStringLiteral("Undo"));
    redo_->setEnabled(session_.CanRedo());
    redo_->setText(session_.CanRedo() ? QStringLiteral("Redo ") + QString::fromStdWString(session_.RedoName())
                                      : QStringLiteral("Redo"));
    synchronize_->setEnabled(session_.Plugin().Library().IsEnabled(
        session_.Plugin().Library().GlobalId(PluginCommand::Synchronize)));
    const auto& path = session_.DocumentPath();
    const QString document = path ? QString::fromStdString(path->filename().string()) : QStringLiteral("Untitled");
    setWindowTitle(document + QStringLiteral("[*] - PDM ") + QString::fromStdString(session_.PdmName()) +
                   QStringLiteral(" - campdm"));
    setWindowModified(session_.IsModified());
}

bool WorkbenchWindow::maySetDocumentAside()
{
    if (!session_.IsModified())
        return true;
    const auto answer = QMessageBox::question(
        this, windowTitle(), QStringLiteral("The document has unsaved changes. Save them?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return save();
    return answer == QMessageBox::Discard;
}

void WorkbenchWindow::closeEvent(QCloseEvent* event)
{
    if (maySetDocumentAside())
        event->accept();
    else
        event->ignore();
}

void WorkbenchWindow::newDocument()
{
    if (!maySetDocumentAside())
        return;
    session_.NewDocument();
    Refresh();
}

void WorkbenchWindow::openDocument()
{
    if (!maySetDocumentAside())
        return;
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open a CAM document"), QString(),
                                                      QStringLiteral("CAM documents (*.vcam);;All files (*)"));
    if (path.isEmpty())
        return;
    try {
        session_.OpenDocument(path.toStdString());
    } catch (const std::exception& error) {
        showError(error);
    }
    Refresh();
}

bool WorkbenchWindow::save()
{
    if (!session_.DocumentPath())
        return saveAs();
    try {
        session_.Save();
    } catch (const std::exception& error) {
        showError(error);
        return false;
    }
    Refresh();
    return true;
}

bool WorkbenchWindow::saveAs()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save the CAM document as"), QString(),
                                                      QStringLiteral("CAM documents (*.vcam)"));
    if (path.isEmpty())
        return false;
    try {
        session_.SaveAs(path.toStdString());
    } catch (const std::exception& error) {
        showError(error);
        return false;
    }
    Refresh();
    return true;
}

void WorkbenchWindow::undo()
{
    if (!session_.CanUndo())
        return;
    session_.Undo();
    Refresh();
}

void WorkbenchWindow::redo()
{
    if (!session_.CanRedo())
        return;
    session_.Redo();
    Refresh();
}

} // namespace Campdm
