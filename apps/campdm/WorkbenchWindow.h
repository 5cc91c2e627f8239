#pragma once
// `campdm gui`: the CAM tree and the PDM client side by side in one main window. The context
// menu of a CAM object is the one the loaded plug-in builds, and its entries run the commands
// through the command registry; the tool bar offers the synchronise command; the File menu
// opens and saves documents, the Edit menu undoes and redoes the document's kept steps.
// PDM objects dragged over the CAM tree are tried and dropped, and CAM objects dragged out
// carry their description, through the plug-in's drag-and-drop extension.

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QMenu;
class QMimeData;
class QTreeWidgetItem;

namespace Vireo::Ui {
class HostUiDriver;
}

namespace Campdm {

class CamTreePane;
class PdmPane;
class WorkbenchSession;

class WorkbenchWindow : public QMainWindow {
public:
    // `commandUi` (not owned) is the host's user interface while a command runs.
    WorkbenchWindow(WorkbenchSession& session, Vireo::Ui::HostUiDriver& commandUi);

    CamTreePane& CamPane() const { return *camPane_; }
    PdmPane& PdmClient() const { return *pdmPane_; }
    // The context menu of the tree item's object, as the plug-in builds it; each action runs
    // its command when triggered.
    std::unique_ptr<QMenu> ContextMenu(const QTreeWidgetItem& item);
    QAction& UndoAction() const { return *undo_; }
    QAction& RedoAction() const { return *redo_; }
    QAction& SynchronizeAction() const { return *synchronize_; }
    // Shows the document and the PDM as they are now.
    void Refresh();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void connectDragAndDrop();
    QMimeData* dragOutOfCam(const QTreeWidgetItem& item);
    bool mayDropOnCam(const QMimeData& dragged, const QTreeWidgetItem* item);
    void dropOnCam(const QMimeData& dragged, const QTreeWidgetItem* item);
    // `objects`: the size of the CAM subtree the command works on, none from the tool bar.
    void runCommand(unsigned globalId, std::optional<std::size_t> objects = std::nullopt);
    // Runs a transfer with its progress dialog; false when it was cancelled.
    bool withProgress(const QString& what, std::optional<std::size_t> total, const std::function<void()>& transfer);
    void showError(const std::exception& error);
    // Asks to save unsaved changes; false when the user cancels.
    bool maySetDocumentAside();
    void newDocument();
    void openDocument();
    bool save();
    bool saveAs();
    void undo();
    void redo();

    WorkbenchSession& session_;
    Vireo::Ui::HostUiDriver& commandUi_;
    CamTreePane* camPane_;
    PdmPane* pdmPane_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* synchronize_ = nullptr;
};

} // namespace Campdm
