// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>

class PropertyTreeModel;
class QComboBox;
class QLabel;
class QTreeView;

// The camera window's "View metadata": the properties of the downloaded copies of the
// selected photos, one at a time, as an outline of groups and keys. The chooser picks
// which copy is shown. Main thread only.
class MetadataViewerWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MetadataViewerWindow(QWidget *parent = nullptr);

    // Lists `paths` in the chooser and shows the one at `current`.
    void showPhotos(const QStringList &paths, int current);
    QString shownPath() const { return m_shown; }
    PropertyTreeModel *model() const { return m_model; }

    QComboBox *photoChooser = nullptr;
    QTreeView *propertyTreeView = nullptr;
    QLabel *statusLabel = nullptr;

Q_SIGNALS:
    void photoShown(const QString &path);

private:
    void showPhoto(int index);

    PropertyTreeModel *m_model;
    QStringList m_paths;
    QString m_shown;
};
