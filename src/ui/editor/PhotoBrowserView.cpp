// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhotoBrowserView.h"

#include "BrowserCellDelegate.h"
#include "EditorPhotoModel.h"

#include "sources/LocalImport.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMimeData>

PhotoBrowserView::PhotoBrowserView(QWidget *parent)
    : QListView(parent)
{
    setObjectName(QStringLiteral("localImageBrowserView"));
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setUniformItemSizes(true);
    setLayoutMode(QListView::Batched);
    setBatchSize(200);
    const int edge = EditorPhotoModel::ThumbnailEdge;
    setIconSize(QSize(edge, edge));
    // Room for the picture and one line of title under it.
    setGridSize(QSize(EditorPhotoModel::CellWidth, edge + fontMetrics().height() + 14));
    setItemDelegate(new BrowserCellDelegate(edge, EditorPhotoModel::CellWidth, this));
    setSpacing(0);
    setTextElideMode(Qt::ElideMiddle);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DropOnly);

    m_removeAction = new QAction(tr("&Remove from List"), this);
    m_removeAction->setObjectName(QStringLiteral("removePhotosAction"));
    m_removeAction->setShortcut(QKeySequence::Delete);
    m_removeAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(m_removeAction);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void PhotoBrowserView::keyPressEvent(QKeyEvent *event)
{
    // The list lives in a tool window, which some window managers never make the active
    // window; its Delete shortcut then would not fire, so the key itself removes too.
    if (event->matches(QKeySequence::Delete) || event->key() == Qt::Key_Backspace) {
        m_removeAction->trigger();
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

void PhotoBrowserView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_removeAction->setText(tr("&Remove from List"));
    QListView::changeEvent(event);
}

Qt::DropAction PhotoBrowserView::draggingUpdated(const QMimeData *data) const
{
    if (!data || !data->hasUrls())
        return Qt::IgnoreAction;
    return localimport::editorAcceptsDrag(data->urls()) ? Qt::CopyAction : Qt::IgnoreAction;
}

bool PhotoBrowserView::performDragOperation(const QMimeData *data)
{
    if (data && data->hasUrls()) {
        m_urls = data->urls();
        Q_EMIT photosDropped();
    }
    return true;
}

QList<int> PhotoBrowserView::selectionIndexes() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    for (const QModelIndex &index : selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void PhotoBrowserView::selectRow(int row)
{
    if (!model() || row < 0 || row >= model()->rowCount())
        return;
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

void PhotoBrowserView::dragEnterEvent(QDragEnterEvent *event)
{
    m_dragAnswer = draggingUpdated(event->mimeData());
    if (m_dragAnswer == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(m_dragAnswer);
    event->accept();
}

void PhotoBrowserView::dragMoveEvent(QDragMoveEvent *event)
{
    const Qt::DropAction answer = m_dragAnswer;
    if (answer == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(answer);
    event->accept();
}

void PhotoBrowserView::dropEvent(QDropEvent *event)
{
    event->setDropAction(Qt::CopyAction);
    event->accept();
    performDragOperation(event->mimeData());
}
