#include "platform/qtui/internal/ListView.h"

#include "platform/qtui/internal/ImageIcons.h"

#include <QHeaderView>
#include <QSignalBlocker>

#include <vector>

namespace Vireo::QtUi {
namespace {

constexpr int rowRole = Qt::UserRole;

Qt::CheckState toQt(zkpf::CheckState state)
{
    switch (state) {
    case zkpf::CheckState::Checked:
        return Qt::Checked;
    case zkpf::CheckState::ThirdState:
        return Qt::PartiallyChecked;
    case zkpf::CheckState::Unchecked:
        break;
    }
    return Qt::Unchecked;
}

Qt::Alignment toQt(zkpf::Alignment alignment)
{
    switch (alignment) {
    case zkpf::Alignment::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case zkpf::Alignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case zkpf::Alignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

ListView::ListView(zkpf::SimpleList& list, QTreeWidget& tree, std::function<void()> changed)
    : list_(list), tree_(tree), changed_(std::move(changed))
{
    QObject::connect(&tree_, &QTreeWidget::itemSelectionChanged, &tree_, [this] { userSelected(); });
    QObject::connect(&tree_, &QTreeWidget::itemChanged, &tree_,
                     [this](QTreeWidgetItem* item, int column) { userChecked(item, column); });
    Refresh();
}

void ListView::Refresh()
{
    if (shown_ && shownRevision_ == list_.GetRevision())
        return;
    rebuild();
    shown_ = true;
    shownRevision_ = list_.GetRevision();
}

void ListView::rebuild()
{
    const QSignalBlocker blocker(&tree_);
    tree_.clear();
    QStringList headers;
    for (int column = 0; column < list_.GetColumnCount(); ++column)
        headers << QString::fromStdWString(list_.GetColumn(column).header);
    tree_.setColumnCount(list_.GetColumnCount());
    tree_.setHeaderLabels(headers);
    tree_.setRootIsDecorated(list_.HasHierarchy());
    for (int column = 0; column < list_.GetColumnCount(); ++column)
        tree_.setColumnHidden(column, list_.GetColumn(column).hidden);

    // Parents come before their children, so each row's parent item exists when it is made.
    std::vector<QTreeWidgetItem*> items(static_cast<std::size_t>(list_.GetRowCount()), nullptr);
    for (int row = 0; row < list_.GetRowCount(); ++row) {
        const int parent = list_.GetParentRow(row);
        auto* item = parent >= 0 ? new QTreeWidgetItem(items[static_cast<std::size_t>(parent)])
                                 : new QTreeWidgetItem(&tree_);
        items[static_cast<std::size_t>(row)] = item;
        fillItem(*item, row);
    }
    tree_.expandAll();
    const int selected = list_.GetSelectedRow();
    if (selected >= 0)
        tree_.setCurrentItem(items[static_cast<std::size_t>(selected)]);
    tree_.header()->resizeSections(QHeaderView::ResizeToContents);
}

void ListView::fillItem(QTreeWidgetItem& item, int row) const
{
    item.setData(0, rowRole, row);
    item.setIcon(list_.GetTreeColumn(), ToIcon(list_.GetImage(row)));
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    for (int column = 0; column < list_.GetColumnCount(); ++column) {
        item.setTextAlignment(column, toQt(list_.GetColumn(column).alignment));
        if (const std::wstring* text = list_.GetText(row, column))
            item.setText(column, QString::fromStdWString(*text));
        if (const auto state = list_.GetCheckState(row, column)) {
            item.setCheckState(column, toQt(*state));
            if (list_.IsCheckUserEditable(row, column))
                flags |= Qt::ItemIsUserCheckable;
        }
    }
    item.setFlags(flags);
}

void ListView::userSelected()
{
    const QList<QTreeWidgetItem*> selected = tree_.selectedItems();
    list_.Select(selected.isEmpty() ? -1 : selected.front()->data(0, rowRole).toInt());
    changed_();
}

void ListView::userChecked(QTreeWidgetItem* item, int column)
{
    const int row = item->data(0, rowRole).toInt();
    const auto state = list_.GetCheckState(row, column);
    if (!state || toQt(*state) == item->checkState(column))
        return;
    // A box the list refuses to toggle shows its state again at the next refresh.
    if (!list_.ToggleCheck(row, column))
        shown_ = false;
    changed_();
}

} // namespace Vireo::QtUi
