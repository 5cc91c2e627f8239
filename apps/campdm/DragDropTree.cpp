#include "DragDropTree.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

namespace Campdm {

DragDropTree::DragDropTree(QString acceptedFormat, QWidget* parent)
    : QTreeWidget(parent), acceptedFormat_(std::move(acceptedFormat))
{
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
}

QMimeData* DragDropTree::mimeData(const QList<QTreeWidgetItem*>& items) const
{
    return hooks_.dragOut && !items.isEmpty() ? hooks_.dragOut(items) : nullptr;
}

bool DragDropTree::mayDropAt(const QMimeData& dragged, const QPoint& at)
{
    const QTreeWidgetItem* item = itemAt(at);
    if (!tried_ || item != triedItem_) {
        // A trial may be a whole build: it is not repeated while the mouse stays on one item.
        triedItem_ = item;
        tried_ = true;
        triedAnswer_ = hooks_.mayDrop && hooks_.mayDrop(dragged, item);
    }
    return triedAnswer_;
}

void DragDropTree::dragEnterEvent(QDragEnterEvent* event)
{
    tried_ = false;
    if (event->mimeData()->hasFormat(acceptedFormat_))
        event->acceptProposedAction();
    else
        event->ignore();
}

void DragDropTree::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasFormat(acceptedFormat_) && mayDropAt(*event->mimeData(), event->position().toPoint())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void DragDropTree::dragLeaveEvent(QDragLeaveEvent* event)
{
    tried_ = false;
    event->accept();
}

void DragDropTree::dropEvent(QDropEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (!event->mimeData()->hasFormat(acceptedFormat_) || !mayDropAt(*event->mimeData(), at)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    tried_ = false;
    if (hooks_.drop)
        hooks_.drop(*event->mimeData(), itemAt(at));
}

} // namespace Campdm
