// SPDX-License-Identifier: GPL-3.0-or-later
#include "MetadataViewerWindow.h"

#include "widgets/PropertyTreeModel.h"

#include "imageio/ImageSource.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTreeView>
#include <QVBoxLayout>

MetadataViewerWindow::MetadataViewerWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_model(new PropertyTreeModel(this))
{
    setObjectName(QStringLiteral("metadataViewerWindow"));
    setWindowTitle(tr("Metadata"));
    resize(520, 560);

    photoChooser = new QComboBox(this);
    photoChooser->setObjectName(QStringLiteral("photoChooser"));
    propertyTreeView = new QTreeView(this);
    propertyTreeView->setObjectName(QStringLiteral("propertyTreeView"));
    propertyTreeView->setModel(m_model);
    // The view's own palette roles (base, alternate base, text) keep it readable on a
    // light and on a dark desktop; nothing here picks a colour.
    propertyTreeView->setAlternatingRowColors(true);
    propertyTreeView->setUniformRowHeights(true);
    propertyTreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    propertyTreeView->setSelectionBehavior(QAbstractItemView::SelectRows);
    propertyTreeView->header()->setStretchLastSection(true);
    statusLabel = new QLabel(this);
    statusLabel->setObjectName(QStringLiteral("metadataViewerStatus"));
    statusLabel->setWordWrap(true);
    statusLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(photoChooser);
    layout->addWidget(propertyTreeView, 1);
    layout->addWidget(statusLabel);

    connect(photoChooser, &QComboBox::activated, this, &MetadataViewerWindow::showPhoto);
}

void MetadataViewerWindow::showPhotos(const QStringList &paths, int current)
{
    m_paths = paths;
    {
        const QSignalBlocker quiet(photoChooser);
        photoChooser->clear();
        for (const QString &path : paths)
            photoChooser->addItem(QFileInfo(path).fileName());
        photoChooser->setCurrentIndex(current);
    }
    photoChooser->setVisible(paths.size() > 1);
    showPhoto(current);
}

void MetadataViewerWindow::showPhoto(int index)
{
    if (index < 0 || index >= m_paths.size())
        return;
    m_shown = m_paths.at(index);
    QString error;
    const QVariantMap properties = imageio::readProperties(m_shown, &error);
    m_model->setProperties(properties);
    // The groups open, their keys in view; nested values wait for a click.
    propertyTreeView->expandToDepth(0);
    propertyTreeView->resizeColumnToContents(0);
    const QString name = QFileInfo(m_shown).fileName();
    setWindowTitle(tr("Metadata of %1").arg(name));
    statusLabel->setText(properties.isEmpty() && !error.isEmpty()
                             ? tr("%1 could not be read: %2").arg(name, error)
                             : tr("The copy in %1").arg(QDir::toNativeSeparators(QFileInfo(m_shown).absolutePath())));
    Q_EMIT photoShown(m_shown);
}
