#pragma once
// A tree of the workbench that objects are dragged out of and dropped on. What a drag carries
// and what a drop does are the owner's: the tree asks its hooks, and shows the forbidden
// cursor over an item where the drop hook would refuse the drag.

#include <QTreeWidget>

#include <functional>

class QMimeData;

namespace Campdm {

class DragDropTree : public QTreeWidget {
public:
    struct Hooks {
        // What dragging the items out carries; null when they cannot be dragged.
        std::function<QMimeData*(const QList<QTreeWidgetItem*>& items)> dragOut;
        // Whether the drag may be dropped on the item (null: the empty space of the tree).
        std::function<bool(const QMimeData& dragged, const QTreeWidgetItem* item)> mayDrop;
        std::function<void(const QMimeData& dragged, const QTreeWidgetItem* item)> drop;
    };

    // `acceptedFormat`: the only MIME format the tree takes drops of.
    DragDropTree(QString acceptedFormat, QWidget* parent = nullptr);
    void SetHooks(Hooks hooks) { hooks_ = std::move(hooks); }

protected:
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    QStringList mimeTypes() const override { return {acceptedFormat_}; }
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The trial answer for the item under the drag, asked once per item the drag enters.
    bool mayDropAt(const QMimeData& dragged, const QPoint& at);

    QString acceptedFormat_;
    Hooks hooks_;
    const QTreeWidgetItem* triedItem_ = nullptr;
    bool tried_ = false;
    bool triedAnswer_ = false;
};

} // namespace Campdm
