#pragma once
// The left side of the workbench: the CAM document as the host's tree (each object with its
// icon, its link as tooltip, shared objects under every parent) and the values of the
// selected object.

#include <QSplitter>
#include <string>

class CZkw32Doc;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace Campdm {

class CamTreePane : public QSplitter {
public:
    explicit CamTreePane(QWidget* parent = nullptr);

    // Fills the tree from the document; the object selected before stays selected.
    void Show(const CZkw32Doc& document);
    QTreeWidget& Tree() const { return *tree_; }
    // The identity text of an item's object ("7", "5_2_0"), as FindCamObject reads it.
    static std::string Identity(const QTreeWidgetItem& item);

private:
    void showValues();

    const CZkw32Doc* document_ = nullptr;
    QTreeWidget* tree_;
    QTableWidget* values_;
};

} // namespace Campdm
