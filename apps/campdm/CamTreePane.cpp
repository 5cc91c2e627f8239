#include "CamTreePane.h"

#include "CamTreeWalk.h"
#include "DragDropTree.h"
#include "WorkbenchDragFormats.h"
#include "ObjectPath.h"
#include "TextOutput.h"
#include "ValueText.h"

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/CamObjectManager.h"
#include "platform/qtui/ImageIcons.h"

#include <QApplication>
#include <QHeaderView>
#include <QStyle>
#include <QTableWidget>
#include <QTreeWidget>

namespace Campdm {
namespace {

using namespace Vireo::Cam::Pdm;
namespace UI = Vireo::Cam::UI;

constexpr int identityRole = Qt::UserRole;
constexpr int folderRole = Qt::UserRole + 1;

struct Folder {
    UI::DragSpecialNode node;
    const char* name;
    std::wstring_view holds; // the CAM type of the top objects it holds
};

// The host's folders, in the order of its tree.
constexpr Folder folders[] = {
    {UI::MachiningProjectsNode, "Machining projects", CamConsts::MachiningProjectInfo::Type},
    {UI::SharedGeometrySetsNode, "Shared geometry sets", CamConsts::SharedGeometrySetInfo::Type},
    {UI::MachineSetupsNode, "Machine setups", {}},
    {UI::ToolsNode, "Tools", CamConsts::ToolInfo::Type},
};

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QTreeWidgetItem* makeItem(const CamObject& object)
{
    auto* item = new QTreeWidgetItem;
    const std::string name = CamObjectName(object);
    item->setText(0, text(name.empty() ? CamObjectLabel(object) : name));
    item->setData(0, identityRole, text(CamObjectIdentity(object)));
    item->setIcon(0, Vireo::QtUi::ToIcon(CamObjectManager::GetIcon(object, {16, 24, 32})));
    const std::wstring link = CamObjectManager::GetUri(object);
    item->setToolTip(0, link.empty() ? QStringLiteral("no link") : QString::fromStdWString(link));
    return item;
}

void addSubtree(QTreeWidgetItem& parent, const CamObject& object)
{
    QTreeWidgetItem* item = makeItem(object);
    parent.addChild(item);
    for (const CamObject& child : CamObjectManager(object).GetChildCamObjects(true))
        addSubtree(*item, child);
}

QTreeWidgetItem* folderItem(const Folder& folder)
{
    auto* item = new QTreeWidgetItem({QString::fromUtf8(folder.name)});
    item->setData(0, folderRole, static_cast<int>(folder.node));
    item->setIcon(0, QApplication::style()->standardIcon(QStyle::SP_DirIcon));
    return item;
}

// The folder item a top object belongs in; null for one of no folder's type.
QTreeWidgetItem* folderFor(const CamObject& object, const std::vector<QTreeWidgetItem*>& items)
{
    for (std::size_t i = 0; i < std::size(folders); ++i)
        if (!folders[i].holds.empty() && CamObjectManager::IsCamObject(object, folders[i].holds))
            return items[i];
    return nullptr;
}

QTreeWidgetItem* findItem(QTreeWidget& tree, const QString& identity)
{
    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
        if ((*it)->data(0, identityRole).toString() == identity)
            return *it;
    return nullptr;
}

} // namespace

CamTreePane::CamTreePane(QWidget* parent)
    : QSplitter(Qt::Vertical, parent), tree_(new DragDropTree(PdmObjectsFormat, this)),
      values_(new QTableWidget(0, 2, this))
{
    tree_->setObjectName(QStringLiteral("camTree"));
    tree_->setHeaderLabel(QStringLiteral("CAM document"));
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    values_->setObjectName(QStringLiteral("camValues"));
    values_->setHorizontalHeaderLabels({QStringLiteral("Parameter"), QStringLiteral("Value")});
    values_->horizontalHeader()->setStretchLastSection(true);
    values_->verticalHeader()->hide();
    values_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setStretchFactor(0, 3);
    setStretchFactor(1, 2);
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { showValues(); });
}

std::string CamTreePane::Identity(const QTreeWidgetItem& item)
{
    return item.data(0, identityRole).toString().toStdString();
}

UI::DragSpecialNode CamTreePane::Folder(const QTreeWidgetItem& item)
{
    return static_cast<UI::DragSpecialNode>(item.data(0, folderRole).toInt());
}

void CamTreePane::Show(const CZkw32Doc& document)
{
    const QString selected = tree_->currentItem() ? tree_->currentItem()->data(0, identityRole).toString() : QString();
    document_ = &document;
    tree_->clear();
    std::vector<QTreeWidgetItem*> folderItems;
    for (const auto& folder : folders) {
        folderItems.push_back(folderItem(folder));
        tree_->addTopLevelItem(folderItems.back());
    }
    for (const CamObject& top : TopCamObjects(document)) {
        QTreeWidgetItem* item = makeItem(top);
        if (QTreeWidgetItem* folder = folderFor(top, folderItems))
            folder->addChild(item);
        else
            tree_->addTopLevelItem(item);
        for (const CamObject& child : CamObjectManager(top).GetChildCamObjects(true))
            addSubtree(*item, child);
    }
    tree_->expandAll();
    if (QTreeWidgetItem* again = selected.isEmpty() ? nullptr : findItem(*tree_, selected))
        tree_->setCurrentItem(again);
    showValues();
}

void CamTreePane::showValues()
{
    values_->setRowCount(0);
    const QTreeWidgetItem* item = tree_->currentItem();
    if (!item || !document_ || Identity(*item).empty())
        return;
    const CamObject object = FindCamObject(*document_, Identity(*item));
    values_->setRowCount(0);
    for (const auto& [name, value] : CamObjectValues(object)) {
        const int row = values_->rowCount();
        values_->insertRow(row);
        values_->setItem(row, 0, new QTableWidgetItem(QString::fromStdWString(name)));
        values_->setItem(row, 1, new QTableWidgetItem(text(FormatCamValue(*value))));
    }
}

} // namespace Campdm
