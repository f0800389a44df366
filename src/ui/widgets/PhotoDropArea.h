// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPixmap>
#include <QUrl>
#include <QWidget>

class QMimeData;

// A drop area for photos. A drag is accepted when its first item is a picture or a
// folder (only the first item is tested); a drop keeps all dropped URLs and emits
// photosDropped(). The view shows
// "importtips.png" with two lines of text and never keeps the dropped picture.
class PhotoDropArea : public QWidget
{
    Q_OBJECT
public:
    explicit PhotoDropArea(QWidget *parent = nullptr);

    void setTipText(const QString &title, const QString &detail);
    QString tipTitle() const { return m_title; }
    QString tipDetail() const { return m_detail; }
    QString imageName() const { return m_imageName; }

    QList<QUrl> droppedUrls() const { return m_urls; }
    bool droppedFolder() const { return m_isFolder; }

    // The three steps of a drag, callable without a real drag (tests, scripted drops).
    // draggingUpdated answers the operation: CopyAction to accept, IgnoreAction to refuse.
    Qt::DropAction draggingUpdated(const QMimeData *data);
    bool performDragOperation(const QMimeData *data);
    void draggingEnded();

    QSize sizeHint() const override { return {480, 200}; }

Q_SIGNALS:
    // A click on the area, for opening the import panel instead of dragging.
    void clicked();
    // A drop was taken; droppedUrls() and droppedFolder() describe it.
    void photosDropped();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QList<QUrl> m_urls;
    bool m_isFolder = false;
    bool m_hovered = false;
    bool m_pressed = false;
    Qt::DropAction m_lastAnswer = Qt::IgnoreAction;
    QString m_imageName;
    QString m_title;
    QString m_detail;
};
