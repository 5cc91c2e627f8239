#pragma once
// Shows a framework list in a Qt tree widget and hands the user's selection and check-box
// clicks back to the list.

#include "platform/ui/SimpleList.h"

#include <QTreeWidget>

#include <cstdint>
#include <functional>

namespace Vireo::QtUi {

class ListView {
public:
    // `changed` runs after the user changed the list (selection or a check box).
    ListView(zkpf::SimpleList& list, QTreeWidget& tree, std::function<void()> changed);

    // Shows the list again when it changed since it was last shown.
    void Refresh();

private:
    void rebuild();
    void fillItem(QTreeWidgetItem& item, int row) const;
    void userSelected();
    void userChecked(QTreeWidgetItem* item, int column);

    zkpf::SimpleList& list_;
    QTreeWidget& tree_;
    std::function<void()> changed_;
    std::uint64_t shownRevision_ = 0;
    bool shown_ = false;
};

} // namespace Vireo::QtUi
