#include "PdmPane.h"

#include "CamDescriptionPreview.h"
#include "DragDropTree.h"
#include "PdmDragText.h"
#include "PdmLookup.h"
#include "PdmObjectPrinter.h"
#include "WorkbenchDragFormats.h"

#include "platform/arbor/ClassTree.h"
#include "platform/arbor/Reference.h"
#include "platform/arbor/ReferenceCatalog.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/ReferenceObject.h"
#include "platform/arbor/ServerConnection.h"

#include <QHeaderView>
#include <QMimeData>
#include <QTableWidget>
#include <QTreeWidget>

#include <map>

namespace Campdm {
namespace {

namespace Model = Vireo::Arbor::Model;

constexpr int referenceRole = Qt::UserRole;   // the reference's id
constexpr int objectRole = Qt::UserRole + 1;  // the object's id; 0 for a reference
constexpr int loadedRole = Qt::UserRole + 2;  // its children were read

QTreeWidgetItem* objectItem(const Model::ReferenceObject& object, int referenceId)
{
    auto* item = new QTreeWidgetItem;
    item->setText(0, QString::fromStdString(PdmObjectName(object)));
    item->setText(1, QString::fromStdWString(object.Class()->Name()));
    item->setData(0, referenceRole, referenceId);
    item->setData(0, objectRole, object.Id());
    // Whether it has children is known once it is opened.
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return item;
}

} // namespace

PdmPane::PdmPane(QWidget* parent)
    : QSplitter(Qt::Vertical, parent), tree_(new DragDropTree(CamDescriptionFormat, this)),
      values_(new QTableWidget(0, 2, this)), preview_(new QTreeWidget(this))
{
    tree_->setObjectName(QStringLiteral("pdmTree"));
    tree_->setHeaderLabels({QStringLiteral("PDM"), QStringLiteral("Class")});
    tree_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    values_->setObjectName(QStringLiteral("pdmValues"));
    values_->setHorizontalHeaderLabels({QStringLiteral("Parameter"), QStringLiteral("Value")});
    values_->horizontalHeader()->setStretchLastSection(true);
    values_->verticalHeader()->hide();
    values_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->setObjectName(QStringLiteral("pdmPreview"));
    preview_->setHeaderLabels({QStringLiteral("Dropped from CAM: would create"), QStringLiteral("Class (reference)")});
    preview_->hide();
    setStretchFactor(0, 3);
    setStretchFactor(1, 2);
    setStretchFactor(2, 2);
    tree_->SetHooks({[this](const QList<QTreeWidgetItem*>& items) -> QMimeData* {
                         const std::string text = DragText(items);
                         if (text.empty())
                             return nullptr;
                         auto* carried = new QMimeData;
                         carried->setData(PdmObjectsFormat, QByteArray::fromStdString(text));
                         carried->setText(QString::fromStdString(text));
                         return carried;
                     },
                     [](const QMimeData&, const QTreeWidgetItem*) { return true; },
                     [this](const QMimeData& dragged, const QTreeWidgetItem*) {
                         ShowDescription(dragged.data(CamDescriptionFormat).toStdString());
                     }});
    connect(tree_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { expand(*item); });
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { showValues(); });
}

void PdmPane::Show(Model::ServerConnection& connection)
{
    connection_ = &connection;
    tree_->clear();
    values_->setRowCount(0);
    for (const auto& info : connection.ReferenceCatalog()->GetReferences()) {
        auto* item = new QTreeWidgetItem({QString::fromStdWString(info->Name()), QStringLiteral("reference")});
        item->setData(0, referenceRole, info->Id());
        item->setData(0, objectRole, 0);
        item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        tree_->addTopLevelItem(item);
    }
    tree_->resizeColumnToContents(0);
}

std::shared_ptr<Model::Reference> PdmPane::ReferenceOf(const QTreeWidgetItem& item) const
{
    const auto info = connection_->ReferenceCatalog()->Find(item.data(0, referenceRole).toInt());
    return info ? info->CreateReference() : nullptr;
}

std::shared_ptr<Model::ReferenceObject> PdmPane::ObjectOf(const QTreeWidgetItem& item) const
{
    const int id = item.data(0, objectRole).toInt();
    const auto reference = id != 0 ? ReferenceOf(item) : nullptr;
    return reference ? reference->Find(id) : nullptr;
}

std::string PdmPane::DragText(const QList<QTreeWidgetItem*>& items) const
{
    const auto reference = items.isEmpty() ? nullptr : ReferenceOf(*items.front());
    if (!reference)
        return {};
    std::vector<std::shared_ptr<Model::ReferenceObject>> objects;
    for (const QTreeWidgetItem* item : items)
        if (item->data(0, referenceRole) == items.front()->data(0, referenceRole))
            if (auto object = ObjectOf(*item))
                objects.push_back(std::move(object));
    return objects.empty() ? std::string() : PdmDragText(*reference, objects);
}

void PdmPane::ShowDescription(const std::string& description)
{
    preview_->clear();
    std::map<std::string, QTreeWidgetItem*> made;
    for (const auto& object : ReadCamDescription(description, *connection_)) {
        QStringList classes;
        for (const std::string& name : object.classes)
            classes << QString::fromStdString(name);
        auto* item = new QTreeWidgetItem({QString::fromStdString(object.name), classes.join(QStringLiteral(" or "))});
        const auto parent = object.parents.empty() ? made.end() : made.find(object.parents.front());
        if (parent != made.end())
            parent->second->addChild(item);
        else
            preview_->addTopLevelItem(item);
        made.emplace(object.camId, item);
    }
    preview_->expandAll();
    preview_->resizeColumnToContents(0);
    preview_->show();
}

void PdmPane::expand(QTreeWidgetItem& item)
{
    if (item.data(0, loadedRole).toBool())
        return;
    item.setData(0, loadedRole, true);
    const auto reference = ReferenceOf(item);
    if (!reference)
        return;
    const int referenceId = item.data(0, referenceRole).toInt();
    for (const auto& child : PdmChildObjects(*reference, ObjectOf(item)))
        item.addChild(objectItem(*child, referenceId));
    if (item.childCount() == 0)
        item.setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
}

void PdmPane::showValues()
{
    values_->setRowCount(0);
    const QTreeWidgetItem* item = tree_->currentItem();
    const auto object = item ? ObjectOf(*item) : nullptr;
    if (!object)
        return;
    for (const auto& [name, value] : PdmObjectValues(*object)) {
        const int row = values_->rowCount();
        values_->insertRow(row);
        values_->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(name)));
        values_->setItem(row, 1, new QTableWidgetItem(QString::fromStdString(value)));
    }
}

} // namespace Campdm
