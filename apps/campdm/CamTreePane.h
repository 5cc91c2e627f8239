#pragma once
// The left side of the workbench: the CAM document as the host's tree (each object with its
// icon, its link as tooltip, shared objects under every parent; the top objects in the host's
// folders, which take drops as well) and the values of the selected object.

#include "platform/cammodule/DragSpecialNode.h"

#include <QSplitter>
#include <string>

class CZkw32Doc;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace Campdm {

class DragDropTree;

class CamTreePane : public QSplitter {
public:
    explicit CamTreePane(QWidget* parent = nullptr);

    // Fills the tree from the document; the object selected before stays selected.
    void Show(const CZkw32Doc& document);
    DragDropTree& Tree() const { return *tree_; }
    // The identity text of an item's object ("7", "5_2_0"), as FindCamObject reads it; empty
    // for a folder.
    static std::string Identity(const QTreeWidgetItem& item);
    // The folder an item stands for; NoSpecialNode for an object.
    static Vireo::Cam::UI::DragSpecialNode Folder(const QTreeWidgetItem& item);

private:
    void showValues();

    const CZkw32Doc* document_ = nullptr;
    DragDropTree* tree_;
    QTableWidget* values_;
};

} // namespace Campdm
