// The workbench window under Qt's offscreen platform, driven as a person would: what it shows
// on the demo data, the plug-in's context menu, a command picked from it, undo and redo, and
// saving with the title telling whether there is something to save.

#include "CampdmRun.h"

#include "CamTreePane.h"
#include "Command.h"
#include "ObjectPath.h"
#include "PdmLookup.h"
#include "PdmPane.h"
#include "TerminalUiDriver.h"
#include "WorkbenchSession.h"
#include "WorkbenchWindow.h"

#include "pdm/cam/CamObjectManager.h"
#include "platform/arbor/Reference.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/ReferenceObject.h"
#include "platform/ui/Images.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
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
    ASSERT_EQ(camTree().topLevelItemCount(), 2) << "the project and its shared geometry set";
    EXPECT_EQ(camTree().topLevelItem(0)->text(0), QStringLiteral("Housing 4711"));
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

} // namespace
