#include "WorkbenchWindow.h"

#include "CamTreePane.h"
#include "CamTreeWalk.h"
#include "DragDropTree.h"
#include "ObjectPath.h"
#include "PdmPane.h"
#include "PluginHost.h"
#include "TransferProgress.h"
#include "TransferProgressDialog.h"
#include "WorkbenchDragFormats.h"
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
#include <QMimeData>
#include <QSplitter>
#include <QStatusBar>
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
    connectDragAndDrop();
    connect(&camPane_->Tree(), &QTreeWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QTreeWidgetItem* item = camPane_->Tree().itemAt(at);
        if (!item || CamTreePane::Identity(*item).empty())
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

void WorkbenchWindow::connectDragAndDrop()
{
    camPane_->Tree().SetHooks(
        {[this](const QList<QTreeWidgetItem*>& items) { return dragOutOfCam(*items.front()); },
         [this](const QMimeData& dragged, const QTreeWidgetItem* item) { return mayDropOnCam(dragged, item); },
         [this](const QMimeData& dragged, const QTreeWidgetItem* item) { dropOnCam(dragged, item); }});
}

namespace {

// The place of the CAM tree under a drag: a folder, a document object, or nothing (a tool's
// part, the empty space of the tree).
Vireo::Cam::UI::DragObject dragTarget(const CZkw32Doc& document, const QTreeWidgetItem* item)
{
    if (!item)
        return {};
    if (const auto folder = CamTreePane::Folder(*item); folder != Vireo::Cam::UI::NoSpecialNode)
        return Vireo::Cam::UI::DragObject(folder);
    CZKObject* object = Vireo::Cam::Pdm::DocumentObjectOf(FindCamObject(document, CamTreePane::Identity(*item)));
    return object ? Vireo::Cam::UI::DragObject(object) : Vireo::Cam::UI::DragObject();
}

bool isPlace(const Vireo::Cam::UI::DragObject& target)
{
    return target.AsModelObject() || target.AsSpecialNode() != Vireo::Cam::UI::NoSpecialNode;
}

std::wstring dragText(const QMimeData& dragged)
{
    return QString::fromUtf8(dragged.data(PdmObjectsFormat)).toStdWString();
}

} // namespace

QMimeData* WorkbenchWindow::dragOutOfCam(const QTreeWidgetItem& item)
{
    const std::string identity = CamTreePane::Identity(item);
    if (identity.empty())
        return nullptr;
    CZKObject* object = Vireo::Cam::Pdm::DocumentObjectOf(FindCamObject(session_.Document(), identity));
    std::wstring description;
    try {
        const Vireo::Ui::ScopedHostUiDriver installed(commandUi_);
        description = object ? session_.DragText(object) : std::wstring();
    } catch (const std::exception& error) {
        showError(error);
    }
    if (description.empty())
        return nullptr;
    auto* carried = new QMimeData;
    const QString text = QString::fromStdWString(description);
    carried->setData(CamDescriptionFormat, text.toUtf8());
    carried->setText(text);
    return carried;
}

bool WorkbenchWindow::mayDropOnCam(const QMimeData& dragged, const QTreeWidgetItem* item)
{
    const auto target = dragTarget(session_.Document(), item);
    if (!isPlace(target))
        return false;
    try {
        const Vireo::Ui::ScopedHostUiDriver installed(commandUi_);
        return session_.MayDrop(dragText(dragged), target);
    } catch (const std::exception& error) {
        showError(error);
        return false;
    }
}

void WorkbenchWindow::dropOnCam(const QMimeData& dragged, const QTreeWidgetItem* item)
{
    const auto target = dragTarget(session_.Document(), item);
    try {
        const Vireo::Ui::ScopedHostUiDriver installed(commandUi_);
        withProgress(QStringLiteral("Creating CAM objects"), std::nullopt,
                     [&] { session_.Drop(dragText(dragged), target); });
    } catch (const std::exception& error) {
        showError(error);
    }
    Refresh();
}

std::unique_ptr<QMenu> WorkbenchWindow::ContextMenu(const QTreeWidgetItem& item)
{
    auto menu = std::make_unique<QMenu>();
    const auto object = FindCamObject(session_.Document(), CamTreePane::Identity(item));
    const std::size_t objects = CollectCamTree(object).size();
    for (const auto& entry : session_.ContextMenu(Vireo::Cam::Pdm::DocumentObjectOf(object))) {
        QAction* action = menu->addAction(QString::fromStdWString(entry.text));
        action->setEnabled(entry.enabled);
        const unsigned globalId = entry.globalId;
        connect(action, &QAction::triggered, this, [this, globalId, objects] { runCommand(globalId, objects); });
    }
    if (menu->isEmpty())
        menu->addAction(QStringLiteral("(no PDM commands for this object)"))->setEnabled(false);
    return menu;
}

void WorkbenchWindow::runCommand(unsigned globalId, std::optional<std::size_t> objects)
{
    const auto& library = session_.Plugin().Library();
    const auto is = [&library, globalId](unsigned localId) { return library.GlobalId(localId) == globalId; };
    try {
        const Vireo::Ui::ScopedHostUiDriver installed(commandUi_);
        if (is(PluginCommand::AddFromPdm))
            // What is created is chosen inside the command: the count has no total.
            withProgress(QStringLiteral("Creating CAM objects"), std::nullopt, [&] { session_.Run(globalId); });
        else if (objects && (is(PluginCommand::AddToPdm) || is(PluginCommand::UpdateToPdm)))
            withProgress(QStringLiteral("Saving PDM objects"), objects, [&] { session_.Run(globalId); });
        else if (objects && is(PluginCommand::UpdateFromPdm))
            withProgress(QStringLiteral("Updating CAM objects"), objects, [&] { session_.Run(globalId); });
        else
            session_.Run(globalId);
    } catch (const std::exception& error) {
        showError(error);
    }
    Refresh();
}

bool WorkbenchWindow::withProgress(const QString& what, std::optional<std::size_t> total,
                                   const std::function<void()>& transfer)
{
    TransferProgressDialog dialog(*this, what);
    bool stopped = false;
    {
        const TransferProgress progress(session_.Document(), session_.Pdm(), total, dialog);
        try {
            transfer();
        } catch (const TransferStopped&) {
            // The change brackets on the way have restored the document.
        }
        stopped = progress.Stopped();
    }
    if (stopped)
        statusBar()->showMessage(what + QStringLiteral(": cancelled; the document is as it was, PDM objects saved before stay"), 10000);
    return !stopped;
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
