// The workbench window under Qt's offscreen platform, driven as a person would: what it shows
// on the demo data, the plug-in's context menu, a command picked from it, undo and redo,
// saving with the title telling whether there is something to save, drags both ways between
// the CAM tree and the PDM client, and cancelling a long transfer.

#include "CampdmRun.h"

#include "CamTreePane.h"
#include "DragDropTree.h"
#include "Command.h"
#include "ObjectPath.h"
#include "PdmLookup.h"
#include "PdmPane.h"
#include "TerminalUiDriver.h"
#include "WorkbenchSession.h"
#include "WorkbenchWindow.h"

#include "pdm/cam/CamObjectManager.h"
#include "platform/arbor/DatabaseCheck.h"
#include "platform/arbor/Reference.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/ReferenceObject.h"
#include "platform/arbor/ServerConnection.h"
#include "platform/host/Zkw32Doc.h"
#include "platform/ui/Images.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QProgressDialog>
#include <QTimer>
#include <QTreeWidget>

#include <cstdlib>
#include <memory>
#include <set>
#include <sstream>

namespace {

using namespace CampdmTesting;

QTreeWidgetItem* findItem(QTreeWidget& tree, const QString& text)
{
    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
        if ((*it)->text(0) == text)
            return *it;
    return nullptr;
}

int countItems(QTreeWidget& tree)
{
    int count = 0;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
        ++count;
    return count;
}

// What dragging the item out of its tree carries, as a mouse drag would take it.
std::unique_ptr<QMimeData> dragOutOf(QTreeWidget& tree, QTreeWidgetItem& item)
{
    tree.setCurrentItem(&item);
    return std::unique_ptr<QMimeData>(tree.model()->mimeData(tree.selectionModel()->selectedIndexes()));
}

// Moves a drag over the item and lets go there; true when the tree took it, false when it
// showed the forbidden cursor.
bool dropOnto(QTreeWidget& tree, QTreeWidgetItem& item, const QMimeData& data)
{
    tree.scrollToItem(&item);
    const QPoint at = tree.visualItemRect(&item).center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree.viewport(), &enter);
    QDragMoveEvent over(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree.viewport(), &over);
    if (!over.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree.viewport(), &drop);
    return drop.isAccepted();
}

QStringList texts(const QMenu& menu)
{
    QStringList all;
    for (const QAction* action : menu.actions())
        all << action->text();
    return all;
}

class Workbench : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "campdm_tests";
        static char* argv[] = {name, nullptr};
        static QApplication application(argc, argv);
        Images::ResourceManager::Instance().SetImageFolder(SourceData("images"));
    }

    void SetUp() override
    {
        std::filesystem::copy_file(SeededPdm(), folder / "pdm.db");
        ASSERT_EQ(folder.Run({"new", "shop.vcam"}).exitCode, 0);
        ASSERT_EQ(folder
                      .Run({"import", "shop.vcam", "--pdm", "pdm.db", "--reference", "Machining technology",
                            "--object", "Housing 4711"})
                      .exitCode,
                  0);
        Campdm::PluginOptions plugin;
        plugin.library = VIREO_PDM_PLUGIN;
        session = std::make_unique<Campdm::WorkbenchSession>(folder / "shop.vcam", (folder / "pdm.db").string(),
                                                             plugin, context);
        window = std::make_unique<Campdm::WorkbenchWindow>(*session, terminal);
    }

    void TearDown() override
    {
        window.reset();
        session.reset();
    }

    // The PDM choosers of "Create from PDM" answer with the sample project.
    void presetHousing()
    {
        const auto technology = Campdm::FindPdmReference(session->Pdm(), "Machining technology");
        terminal.PresetReference({"--reference", technology->ReferenceInfo()->Guid().ToString()});
        terminal.PresetObject({"--object", Campdm::FindPdmObject(*technology, "Housing 4711")->Guid().ToString()});
    }

    QTreeWidget& camTree() const { return window->CamPane().Tree(); }
    QTreeWidget& pdmTree() const { return window->PdmClient().Tree(); }

    // The PDM client's item of an object, opened down to it from the named reference.
    QTreeWidgetItem& pdmItem(const char* reference, const std::vector<const char*>& path) const
    {
        QTreeWidgetItem* item = findItem(pdmTree(), QString::fromUtf8(reference));
        for (const char* name : path) {
            EXPECT_NE(item, nullptr) << name;
            item->setExpanded(true);
            QTreeWidgetItem* child = nullptr;
            for (int i = 0; i < item->childCount() && !child; ++i)
                if (item->child(i)->text(0) == QString::fromUtf8(name))
                    child = item->child(i);
            item = child;
        }
        EXPECT_NE(item, nullptr);
        return *item;
    }

    // Cancels the progress dialog of the transfer running once `reached` says so.
    void cancelWhen(std::function<bool()> reached)
    {
        auto* timer = new QTimer(window.get());
        QObject::connect(timer, &QTimer::timeout, window.get(), [this, reached] {
            if (auto* dialog = window->findChild<QProgressDialog*>(QStringLiteral("transferProgress")))
                if (reached())
                    dialog->cancel();
        });
        timer->start(0);
    }

    QTreeWidgetItem& camItem(const char* name) const
    {
        QTreeWidgetItem* item = findItem(camTree(), QString::fromUtf8(name));
        EXPECT_NE(item, nullptr) << name;
        return *item;
    }

    WorkFolder folder;
    std::istringstream in;
    std::ostringstream out, err;
    Campdm::TerminalUiDriver terminal{in, out, err, false};
    Campdm::CommandContext context{out, err, SourceData(""), terminal};
    std::unique_ptr<Campdm::WorkbenchSession> session;
    std::unique_ptr<Campdm::WorkbenchWindow> window;
};

TEST_F(Workbench, OpensOnTheDemoDataWithTreeLinksValuesAndAPictureThatIsNotBlank)
{
    window->show();
    ASSERT_EQ(camTree().topLevelItemCount(), 4) << "the host's folders";
    EXPECT_EQ(camTree().topLevelItem(0)->text(0), QStringLiteral("Machining projects"));
    EXPECT_EQ(camTree().topLevelItem(0)->child(0)->text(0), QStringLiteral("Housing 4711"));
    EXPECT_EQ(camTree().topLevelItem(1)->childCount(), 1) << "the shared geometry set";
    EXPECT_TRUE(camItem("Pocket roughing").toolTip(0).startsWith(QStringLiteral("arbor://")));
    EXPECT_FALSE(camItem("Pocket roughing").icon(0).isNull());
    EXPECT_NE(findItem(camTree(), QStringLiteral("Clamping cone")), nullptr) << "tool parts are shown";
    EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("shop.vcam")));
    EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("pdm.db")));
    EXPECT_FALSE(window->isWindowModified());

    QTreeWidget& pdm = window->PdmClient().Tree();
    QTreeWidgetItem* technology = findItem(pdm, QStringLiteral("Machining technology"));
    ASSERT_NE(technology, nullptr);
    technology->setExpanded(true);
    ASSERT_GT(technology->childCount(), 0);
    QTreeWidgetItem* folderItem = technology->child(0);
    folderItem->setExpanded(true);
    QTreeWidgetItem* housing = findItem(pdm, QStringLiteral("Housing 4711"));
    ASSERT_NE(housing, nullptr) << "the PDM objects open in their hierarchy";
    EXPECT_NE(window->PdmClient().ObjectOf(*housing), nullptr);

    const QImage picture = window->grab().toImage();
    ASSERT_FALSE(picture.isNull());
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 7)
        for (int x = 0; x < picture.width(); x += 7)
            colours.insert(picture.pixel(x, y));
    EXPECT_GT(colours.size(), 10U) << "the picture is not blank";
    EXPECT_TRUE(picture.save(QString::fromStdString((folder / "workbench.png").string())));
}

TEST_F(Workbench, ContextMenuOfAMachiningHasTheFivePdmEntriesEnabledByTheRules)
{
    const auto linked = window->ContextMenu(camItem("Pocket roughing"));
    ASSERT_EQ(linked->actions().size(), 5);
    EXPECT_EQ(texts(*linked), QStringList({"Create from PDM", "Export to PDM", "Update from PDM", "Update in PDM",
                                           "Open in PDM"}));
    for (const QAction* action : linked->actions())
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();

    const auto object = Campdm::FindCamObject(session->Document(), Campdm::CamTreePane::Identity(camItem("Top face")));
    Vireo::Cam::Pdm::CamObjectManager::RemoveUri(object);
    const auto unlinked = window->ContextMenu(camItem("Top face"));
    ASSERT_EQ(unlinked->actions().size(), 5);
    EXPECT_TRUE(unlinked->actions()[3]->isEnabled());
    EXPECT_FALSE(unlinked->actions()[4]->isEnabled()) << "no link to open";
}

TEST_F(Workbench, AnImportPickedFromTheMenuIsUndoneAndRedoneByItsStepName)
{
    presetHousing();
    const int before = countItems(camTree());
    EXPECT_FALSE(window->UndoAction().isEnabled());

    window->ContextMenu(camItem("Housing 4711"))->actions()[0]->trigger();
    const int afterImport = countItems(camTree());
    EXPECT_GT(afterImport, before) << err.str();
    EXPECT_EQ(window->UndoAction().text(), QStringLiteral("Undo Created cam objects from pdm"));
    EXPECT_TRUE(window->isWindowModified());

    window->UndoAction().trigger();
    EXPECT_EQ(countItems(camTree()), before);
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(window->RedoAction().text(), QStringLiteral("Redo Created cam objects from pdm"));

    window->RedoAction().trigger();
    EXPECT_EQ(countItems(camTree()), afterImport);
    EXPECT_TRUE(window->isWindowModified());
}

TEST_F(Workbench, SavingWritesTheDocumentAndClearsTheUnsavedMark)
{
    const std::string original = ReadBytes(folder / "shop.vcam");
    presetHousing();
    window->ContextMenu(camItem("Housing 4711"))->actions()[0]->trigger();
    ASSERT_TRUE(window->isWindowModified());
    EXPECT_EQ(ReadBytes(folder / "shop.vcam"), original) << "nothing is written before saving";

    session->Save();
    window->Refresh();
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_NE(ReadBytes(folder / "shop.vcam"), original);
    window.reset();
    session.reset();
    EXPECT_EQ(folder.FileNames(), (std::vector<std::string>{"pdm.db", "shop.vcam"})) << "no working copy stays";
}

TEST_F(Workbench, PdmObjectsDraggedOntoTheCamTreeLandInTheFolderOrUnderTheObjectTheyAreDroppedOn)
{
    window->show();
    const int before = countItems(camTree());
    const auto project = dragOutOf(pdmTree(), pdmItem("Machining technology", {"Housing 4711"}));
    ASSERT_TRUE(project && project->hasFormat(QStringLiteral("application/x-vireo-pdm-objects")));

    QTreeWidgetItem* tools = findItem(camTree(), QStringLiteral("Tools"));
    EXPECT_FALSE(dropOnto(camTree(), *tools, *project)) << "a project is no tool: the cursor forbids the drop";
    EXPECT_EQ(countItems(camTree()), before);

    ASSERT_TRUE(dropOnto(camTree(), *findItem(camTree(), QStringLiteral("Machining projects")), *project)) << err.str();
    EXPECT_EQ(findItem(camTree(), QStringLiteral("Machining projects"))->childCount(), 2);
    EXPECT_EQ(window->UndoAction().text(), QStringLiteral("Undo Created cam objects from pdm"));

    const auto tool = dragOutOf(pdmTree(), pdmItem("Machining technology", {"Housing 4711", "Roughing",
                                                              "Pocket roughing", "End mill D12"}));
    const int inTools = findItem(camTree(), QStringLiteral("Tools"))->childCount();
    ASSERT_TRUE(dropOnto(camTree(), *findItem(camTree(), QStringLiteral("Tools")), *tool)) << err.str();
    EXPECT_EQ(findItem(camTree(), QStringLiteral("Tools"))->childCount(), inTools + 1);

    const auto machining =
        dragOutOf(pdmTree(), pdmItem("Machining technology", {"Housing 4711", "Roughing"}));
    QTreeWidgetItem& housing = *camTree().topLevelItem(0)->child(0);
    const int underHousing = housing.childCount();
    ASSERT_TRUE(dropOnto(camTree(), housing, *machining)) << err.str();
    EXPECT_EQ(camTree().topLevelItem(0)->child(0)->childCount(), underHousing + 1) << "under the project dropped on";
}

TEST_F(Workbench, ACamProjectDraggedOutCarriesItsDescriptionWhichThePdmClientShows)
{
    window->show();
    const auto description = dragOutOf(camTree(), camItem("Housing 4711"));
    ASSERT_TRUE(description && description->hasFormat(QStringLiteral("application/x-vireo-cam-description")));
    EXPECT_TRUE(description->text().startsWith(QStringLiteral("<Root>")));

    EXPECT_FALSE(dropOnto(camTree(), camItem("Roughing"), *description)) << "the CAM tree takes PDM objects only";
    ASSERT_TRUE(dropOnto(pdmTree(), *pdmTree().topLevelItem(0), *description));
    const QTreeWidget& preview = window->PdmClient().Preview();
    EXPECT_TRUE(preview.isVisible());
    ASSERT_EQ(preview.topLevelItemCount(), 1) << "the project, with what is made below it";
    EXPECT_EQ(preview.topLevelItem(0)->text(0), QStringLiteral("Housing 4711"));
    EXPECT_EQ(preview.topLevelItem(0)->text(1), QStringLiteral("Machining project (Machining technology)"));
    const auto topFace = preview.findItems(QStringLiteral("Top face"), Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(topFace.size(), 1) << "one item per CAM object, whatever classes the rules offer for it";
    EXPECT_TRUE(topFace.front()->text(1).contains(QStringLiteral(" or ")));
    ASSERT_NE(topFace.front()->parent(), nullptr);
    EXPECT_EQ(topFace.front()->parent()->text(0), QStringLiteral("Roughing")) << "below the object made for its parent";
}

TEST_F(Workbench, CancellingTheProgressDialogRollsAnImportBackAndKeepsWholeExportedObjects)
{
    presetHousing();
    const std::string document = session->Document().SaveToText();
    const std::size_t objects = session->Document().GetObjects().size();
    cancelWhen([&] { return session->Document().GetObjects().size() > objects + 3; });
    window->ContextMenu(camItem("Housing 4711"))->actions()[0]->trigger();
    EXPECT_EQ(session->Document().SaveToText(), document) << "cancelled mid-import, the document is as it was";
    EXPECT_FALSE(window->UndoAction().isEnabled());

    const auto technology = Campdm::FindPdmReference(session->Pdm(), "Machining technology");
    const std::size_t pdmObjects = Campdm::CountPdmObjects(*technology);
    terminal.PresetReference({"--reference", technology->ReferenceInfo()->Guid().ToString()});
    terminal.PresetObject({"--parent", Campdm::FindPdmObject(*technology, "Machining projects")->Guid().ToString()});
    cancelWhen([&] { return Campdm::CountPdmObjects(*technology) > pdmObjects + 2; });
    window->ContextMenu(camItem("Housing 4711"))->actions()[1]->trigger();
    const std::size_t saved = Campdm::CountPdmObjects(*technology) - pdmObjects;
    EXPECT_GT(saved, 2U);
    EXPECT_LT(saved, 18U) << "the export stopped";
    EXPECT_EQ(Vireo::Arbor::Model::CheckDatabase(session->Pdm().GetDatabase()), std::vector<std::string>{})
        << "what was saved is whole";
    EXPECT_EQ(session->Document().SaveToText(), document) << "no CAM object links to an unfinished export";
}

} // namespace
