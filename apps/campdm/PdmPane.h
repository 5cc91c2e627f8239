#pragma once
// The right side of the workbench, the PDM client: its references, the objects of each in
// their hierarchy (an object with several parents appears under each), and the values of the
// selected object with their units. Objects are read from the PDM when their parent opens.
// PDM objects are dragged out as the PDM client's drag text; a CAM object dropped on it shows
// the PDM objects its description would become.

#include "platform/arbor/ModelFwd.h"

#include <QSplitter>

#include <memory>

class QMimeData;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace Campdm {

class DragDropTree;

class PdmPane : public QSplitter {
public:
    explicit PdmPane(QWidget* parent = nullptr);

    // Shows the references of the connection (again, after it changed).
    void Show(Vireo::Arbor::Model::ServerConnection& connection);
    DragDropTree& Tree() const { return *tree_; }
    // What a drop of CAM objects would create, one row each (hidden until something is dropped).
    QTreeWidget& Preview() const { return *preview_; }
    // The drag text of the items' objects: those of the first item's reference.
    std::string DragText(const QList<QTreeWidgetItem*>& items) const;
    // Shows what the XML description of dragged CAM objects would become.
    void ShowDescription(const std::string& description);
    // The object an item stands for; null for a reference.
    std::shared_ptr<Vireo::Arbor::Model::ReferenceObject> ObjectOf(const QTreeWidgetItem& item) const;
    // The reference an item belongs to.
    std::shared_ptr<Vireo::Arbor::Model::Reference> ReferenceOf(const QTreeWidgetItem& item) const;

private:
    void expand(QTreeWidgetItem& item);
    void showValues();

    Vireo::Arbor::Model::ServerConnection* connection_ = nullptr;
    DragDropTree* tree_;
    QTableWidget* values_;
    QTreeWidget* preview_;
};

} // namespace Campdm
