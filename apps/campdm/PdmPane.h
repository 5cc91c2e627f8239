#pragma once
// The right side of the workbench, the PDM client: its references, the objects of each in
// their hierarchy (an object with several parents appears under each), and the values of the
// selected object with their units. Objects are read from the PDM when their parent opens.

#include "platform/arbor/ModelFwd.h"

#include <QSplitter>

#include <memory>

class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace Campdm {

class PdmPane : public QSplitter {
public:
    explicit PdmPane(QWidget* parent = nullptr);

    // Shows the references of the connection (again, after it changed).
    void Show(Vireo::Arbor::Model::ServerConnection& connection);
    QTreeWidget& Tree() const { return *tree_; }
    // The object an item stands for; null for a reference.
    std::shared_ptr<Vireo::Arbor::Model::ReferenceObject> ObjectOf(const QTreeWidgetItem& item) const;
    // The reference an item belongs to.
    std::shared_ptr<Vireo::Arbor::Model::Reference> ReferenceOf(const QTreeWidgetItem& item) const;

private:
    void expand(QTreeWidgetItem& item);
    void showValues();

    Vireo::Arbor::Model::ServerConnection* connection_ = nullptr;
    QTreeWidget* tree_;
    QTableWidget* values_;
};

} // namespace Campdm
