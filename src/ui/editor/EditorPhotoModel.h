// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sources/PhotoItem.h"

#include <QAbstractListModel>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QSet>

class Thumbnailer;

// The editor's photo list (the controller's `localPhotoItemArray`) as the browser sees
// it: one cell per item, titled with its file name, pictured by a thumbnail that is made
// off the main thread. Main thread only.
class EditorPhotoModel : public QAbstractListModel
{
    Q_OBJECT
public:
    static constexpr int ThumbnailEdge = 90;
    // A cell is wider than its picture so that camera names (IMG_0001.JPG) show whole,
    // and narrow enough for three in a row in the smallest drawer.
    static constexpr int CellWidth = 112;
    enum Roles { FilePathRole = Qt::UserRole + 1, LoadedRole };

    explicit EditorPhotoModel(QObject *parent = nullptr);
    ~EditorPhotoModel() override;

    // When a new item's picture is made: at once, or when the browser first paints its
    // cell (a library of thousands of photos then decodes only what is on screen).
    enum class Thumbnails { Now, WhenShown };

    const QList<PhotoItem> &localPhotoItemArray() const { return m_items; }
    void appendItems(const QList<PhotoItem> &items, Thumbnails when = Thumbnails::Now);
    void clear();
    // Takes the items at these rows off the list (the files stay where they are).
    void removeItems(QList<int> rows);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // True once every requested thumbnail has come back (tests, screenshots).
    bool thumbnailsSettled() const { return m_pending.isEmpty(); }

Q_SIGNALS:
    void thumbnailsDone();

private:
    void thumbnailReady(const QString &path, const QImage &image);
    void requestThumbnail(const QString &path);

    QList<PhotoItem> m_items;
    Thumbnailer *m_loader;
    // Paths asked for and not yet answered.
    QSet<QString> m_pending;
    // Paths whose pictures wait until their cell is shown; asked for from data().
    mutable QSet<QString> m_deferred;
    // Answers by path (a null icon: not an image), shared by items of the same file.
    QHash<QString, QIcon> m_icons;
};
