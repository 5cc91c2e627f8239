// The synchronisation dialog on the shipped data in a Qt window: the widgets show what the
// dialog's list and buttons hold, and the window draws something.

#include "ShippedRules.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/convert/PdmCamCreator.h"
#include "pdm/rules/IntegrationManager.h"
#include "pdm/ui/SynchronizeDialog.h"

#include "platform/arbor/SystemGuid.h"
#include "platform/host/Zkw32Doc.h"
#include "platform/qtui/QtUiDriver.h"
#include "platform/ui/ToolBar.h"

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace Vireo::Testing {
namespace {

using namespace Cam::Pdm;

int itemCount(const QTreeWidgetItem& item)
{
    int count = 1;
    for (int i = 0; i < item.childCount(); ++i)
        count += itemCount(*item.child(i));
    return count;
}

QTreeWidgetItem* findItem(QTreeWidget& tree, const QString& name)
{
    const QList<QTreeWidgetItem*> found = tree.findItems(name, Qt::MatchExactly | Qt::MatchRecursive, 0);
    return found.isEmpty() ? nullptr : found.front();
}

// The share of sampled pixels that differ from the top left one.
double nonBackground(const QImage& image)
{
    const QRgb background = image.pixel(0, 0);
    int differing = 0;
    int sampled = 0;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4, ++sampled)
            differing += image.pixel(x, y) != background;
    return sampled ? static_cast<double>(differing) / sampled : 0;
}

TEST(SynchronizeWindow, ShowsTheListAndButtonsOfTheModelAndDrawsThem)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "pdm_ui_window_tests";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    const auto pdm = MakeTechnologyPdm();
    CZkw32Doc doc;
    PdmCamCreator creator(System::Guid::Parse(SampleProjectGuid), System::Guid::Parse(TechnologyReferenceGuid), &doc,
                          CamObject());
    creator.SetRecursive(true);
    ASSERT_TRUE(IntegrationManager().MakeData(creator));

    QtUi::QtUiDriver driver(pdm->Ui());
    Ui::ScopedHostUiDriver installed(driver);
    SynchronizeDialog dialog(&doc);
    zkpf::SimpleList* list = nullptr;
    for (const auto& control : dialog.GetContent().GetControls())
        if (auto* found = dynamic_cast<zkpf::SimpleList*>(control.get()))
            list = found;
    ASSERT_NE(list, nullptr);

    bool shown = false;
    driver.SetShownHook([&](QWidget& window) {
        shown = true;
        auto* tree = window.findChild<QTreeWidget*>();
        ASSERT_NE(tree, nullptr);
        int rows = 0;
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            rows += itemCount(*tree->topLevelItem(i));
        EXPECT_EQ(rows, list->GetRowCount());
        EXPECT_EQ(tree->topLevelItemCount(), 7);
        EXPECT_EQ(tree->headerItem()->text(3), QStringLiteral("Filter"));
        EXPECT_TRUE(tree->isColumnHidden(4));

        QTreeWidgetItem* machining = findItem(*tree, QStringLiteral("Pocket roughing"));
        ASSERT_NE(machining, nullptr);
        EXPECT_EQ(machining->checkState(2), Qt::Checked);
        QTreeWidgetItem* feed = findItem(*tree, QStringLiteral("Feed rate"));
        ASSERT_NE(feed, nullptr);
        EXPECT_EQ(feed->text(1), QStringLiteral("1500.000000 mm/min"));
        EXPECT_TRUE(feed->flags() & Qt::ItemIsUserCheckable); // the Filter box
        EXPECT_EQ(feed->checkState(3), Qt::Unchecked);

        QList<QToolButton*> buttons = window.findChildren<QToolButton*>();
        buttons.removeIf([](QToolButton* button) { return button->text().isEmpty(); }); // the tool bar's own
        ASSERT_EQ(buttons.size(), 5);
        for (QToolButton* button : buttons)
            EXPECT_FALSE(button->isEnabled());
        tree->setCurrentItem(feed); // a parameter row selects its object
        QApplication::processEvents();
        ASSERT_GE(list->GetSelectedRow(), 0);
        EXPECT_EQ(*list->GetText(list->GetSelectedRow(), 0), L"Feed rate");
        std::vector<bool> enabled;
        for (QToolButton* button : buttons)
            enabled.push_back(button->isEnabled());
        EXPECT_EQ(enabled, (std::vector<bool>{true, true, true, false, false}));

        EXPECT_GT(nonBackground(window.grab().toImage()), 0.05);
        window.close();
    });

    EXPECT_EQ(dialog.DoModal(), static_cast<int>(zkpf::DialogButtons::Cancel));
    EXPECT_TRUE(shown);
}

} // namespace
} // namespace Vireo::Testing
