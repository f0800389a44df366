// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QListView>
#include <QUrl>

class QAction;
class QMimeData;

// The editor's photo list (`localImageBrowserView`): an icon view of 90 x 90 titled
// cells that takes photo drops. A drag is accepted when its first item is an existing
// file that reads as an image; a drop keeps every dropped URL and emits photosDropped().
class PhotoBrowserView : public QListView
{
    Q_OBJECT
public:
    explicit PhotoBrowserView(QWidget *parent = nullptr);

    QList<QUrl> droppedUrls() const { return m_urls; }

    // The steps of a drag, callable without a real drag (tests, scripted drops).
    Qt::DropAction draggingUpdated(const QMimeData *data) const;
    bool performDragOperation(const QMimeData *data);

    // Selected rows, ascending.
    QList<int> selectionIndexes() const;
    // Replaces the selection with one row and makes it current.
    void selectRow(int row);
    // "Remove from List" for the selected photos: the Delete key and the context menu.
    QAction *removeAction() const { return m_removeAction; }

Q_SIGNALS:
    // A drop was taken; droppedUrls() holds its URLs.
    void photosDropped();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QList<QUrl> m_urls;
    QAction *m_removeAction = nullptr;
    // Decided once when a drag enters: testing the file on every move would read it again and again.
    Qt::DropAction m_dragAnswer = Qt::IgnoreAction;
};
