// A framework dialog in a real window under Qt's offscreen platform: the widgets show the
// model, and the user's clicks reach it.

#include "platform/qtui/QtUiDriver.h"

#include "platform/ui/ModalDialog.h"
#include "platform/ui/RecordingUiDriver.h"
#include "platform/ui/SimpleList.h"
#include "platform/ui/ToolBar.h"

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class ListDialog : public zkpf::ModalDialog, public zkpf::AddStandardControl {
public:
    ListDialog()
    {
        SetTitle(L"Objects");
        SetSize(500, 300);
        SetResizable(true);
        zkpf::ToolBar& bar = GetContent().Add<zkpf::ToolBar>();
        zkpf::Button& mark = bar.AddButton();
        mark.SetText(L"Mark");
        mark.SetEnabled(false);
        zkpf::Button& other = bar.AddButton();
        other.SetText(L"Other");
        list = &GetContent().Add<zkpf::SimpleList>();
        list->SetHierarchy(true);
        list->AddColumn(L"Name");
        list->AddColumn(L"State");
        list->AddColumn(L"Hidden");
        list->SetColumnHidden(2, true);
        const int folder = list->AppendRow();
        list->SetText(folder, 0, L"Folder");
        const int item = list->AppendRow(folder);
        list->SetText(item, 0, L"Item");
        list->SetCheckState(item, 1, zkpf::CheckState::ThirdState);
        GetContent().SetFillControl(*list);
        // Selecting the item enables Mark; OK marks the item checked and ends the dialog.
        list->OnSelectionChanged([this, &mark] { mark.SetEnabled(list->GetSelectedRow() == 1); });
        AddStandardButton(zkpf::DialogButtons::Ok, true).OnClick([this] {
            list->SetCheckState(1, 1, zkpf::CheckState::Checked);
        });
        AddStandardButton(zkpf::DialogButtons::Cancel, true);
    }

    zkpf::SimpleList* list = nullptr;
};

bool hasMoreThanOneColour(const QImage& image)
{
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            if (image.pixel(x, y) != first)
                return true;
    return false;
}

TEST(DialogWindow, ShowsTheModelAndHandsClicksBackToIt)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "platform_qtui_tests";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    Vireo::Ui::RecordingUiDriver next;
    Vireo::QtUi::QtUiDriver driver(next);
    Vireo::Ui::ScopedHostUiDriver installed(driver);
    ListDialog dialog;

    bool inspected = false;
    driver.SetShownHook([&](QWidget& window) {
        inspected = true;
        auto* tree = window.findChild<QTreeWidget*>();
        ASSERT_NE(tree, nullptr);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Objects"));
        EXPECT_EQ(tree->topLevelItemCount(), 1);
        QTreeWidgetItem* item = tree->topLevelItem(0)->child(0);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(0), QStringLiteral("Item"));
        EXPECT_EQ(item->checkState(1), Qt::PartiallyChecked);
        EXPECT_FALSE(item->flags() & Qt::ItemIsUserCheckable); // column not editable
        EXPECT_TRUE(tree->isColumnHidden(2));

        const QList<QToolButton*> tools = window.findChildren<QToolButton*>();
        auto mark = std::find_if(tools.begin(), tools.end(), [](auto* b) { return b->text() == "Mark"; });
        ASSERT_NE(mark, tools.end());
        EXPECT_FALSE((*mark)->isEnabled());
        tree->setCurrentItem(item);
        QApplication::processEvents();
        EXPECT_EQ(dialog.list->GetSelectedRow(), 1);
        EXPECT_TRUE((*mark)->isEnabled());

        EXPECT_TRUE(hasMoreThanOneColour(window.grab().toImage()));

        const QList<QPushButton*> buttons = window.findChildren<QPushButton*>();
        auto ok = std::find_if(buttons.begin(), buttons.end(), [](auto* b) { return b->text() == "OK"; });
        ASSERT_NE(ok, buttons.end());
        (*ok)->click();
    });

    EXPECT_EQ(dialog.DoModal(), static_cast<int>(zkpf::DialogButtons::Ok));
    EXPECT_TRUE(inspected);
    EXPECT_EQ(dialog.list->GetCheckState(1, 1), zkpf::CheckState::Checked);
    EXPECT_EQ(dialog.GetWindowHandle(), nullptr);
}

} // namespace
