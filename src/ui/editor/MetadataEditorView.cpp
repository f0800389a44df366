// SPDX-License-Identifier: GPL-3.0-or-later
#include "MetadataEditorView.h"

#include "EditorPhotoModel.h"
#include "PhotoBrowserView.h"
#include "PhotoInfoPanel.h"

#include "app/Artwork.h"
#include "app/Palette.h"
#include "widgets/CommandButton.h"

#include "metadata/FileDatesFromCapture.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>

namespace {

// The browser with a hint painted on it while it is empty, so the drop target is obvious.
class BrowserWithTip : public PhotoBrowserView
{
public:
    using PhotoBrowserView::PhotoBrowserView;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        PhotoBrowserView::paintEvent(event);
        if (model() && model()->rowCount() > 0)
            return;
        QPainter painter(viewport());
        painter.setPen(palette::secondaryText());
        painter.drawText(viewport()->rect().adjusted(16, 16, -16, -16), Qt::AlignCenter | Qt::TextWordWrap,
                         MetadataEditorView::tr("Drop photos here to edit their metadata,\nor click Import Photos."));
    }
};

CommandButton *commandButton(QWidget *parent, const char *name, const QString &text, const QString &image)
{
    auto *button = new CommandButton(text + QStringLiteral("  ▾"), parent);
    button->setObjectName(QString::fromLatin1(name));
    artwork::setIcon(button, image);
    button->setIconSize(QSize(22, 22));
    button->setMinimumHeight(32);
    return button;
}

// One half of the source switch: checkable, the two drawn as one control.
QToolButton *sourceButton(QWidget *parent, const char *name, const QString &text)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setCheckable(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumHeight(32);
    return button;
}

} // namespace

MetadataEditorView::MetadataEditorView(EditorPhotoModel *model, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("metadataEditorView"));
    QHBoxLayout *bar = buildToolBar();
    QHBoxLayout *middle = buildBrowsers(model);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 4);
    layout->setSpacing(4);
    layout->addLayout(bar);
    layout->addLayout(middle, 1);
    layout->addLayout(buildStatusLine());
    buildRemoveMenu();
    buildEditMenu();
}

// The source and import buttons on the left, the command buttons on the right. The
// library scan's Stop button sits in the status line but is made here, so the Tab order
// stays as it has always been.
QHBoxLayout *MetadataEditorView::buildToolBar()
{
    localphotoBtn = new CommandButton(this);
    localphotoBtn->setObjectName(QStringLiteral("localphotoBtn"));
    localphotoBtn->setImage(QStringLiteral("localphotodown.png"));
    localphotoBtn->setFixedSize(artwork::size(QStringLiteral("localphotodown.png")).boundedTo(QSize(32, 32)));
    localphotoBtn->setToolTip(tr("Photos from this computer"));
    cameraphotoBtn = new CommandButton(this);
    cameraphotoBtn->setObjectName(QStringLiteral("cameraphotoBtn"));
    cameraphotoBtn->setImage(QStringLiteral("photolibnom.png"));
    cameraphotoBtn->setFixedSize(artwork::size(QStringLiteral("photolibnom.png")).boundedTo(QSize(32, 32)));
    cameraphotoBtn->setToolTip(tr("Photos from a photo library"));
    stopScanButton = new QPushButton(tr("Stop"), this);
    stopScanButton->setObjectName(QStringLiteral("stopScanButton"));
    stopScanButton->setToolTip(tr("Stop reading the photo library (the photos listed so far stay)"));
    stopScanButton->hide();
    importButton = new QPushButton(tr("Import Photos…"), this);
    importButton->setObjectName(QStringLiteral("importButton"));
    importButton->setMinimumHeight(32);
    clearButton = new QPushButton(tr("Clear"), this);
    clearButton->setObjectName(QStringLiteral("clearButton"));
    clearButton->setMinimumHeight(32);
    clearButton->setToolTip(tr("Empty the list (the photos stay where they are)"));
    removeMetadataBtn = commandButton(this, "removeMetadataBtn", tr("Remove Metadata"),
                                         QStringLiteral("deletemetadata.png"));
    editMetaDataLocalBtn = commandButton(this, "editMetaDataLocalBtn", tr("Edit"),
                                         QStringLiteral("editphotometa.png"));
    starteditBtn = new CommandButton(this);
    starteditBtn->setObjectName(QStringLiteral("starteditBtn"));
    starteditBtn->setImage(QStringLiteral("editnom.png"));
    starteditBtn->setFixedSize(artwork::size(QStringLiteral("editnom.png")).boundedTo(QSize(32, 32)));
    starteditBtn->setToolTip(tr("Edit artist, description, keywords, camera and GPS of the selected photos"));

    buildSourceSwitch();

    auto *bar = new QHBoxLayout;
    bar->setSpacing(6);
    bar->addWidget(sourceSwitch);
    bar->addWidget(localphotoBtn);
    bar->addWidget(cameraphotoBtn);
    bar->addWidget(importButton);
    bar->addWidget(clearButton);
    bar->addStretch(1);
    bar->addWidget(removeMetadataBtn);
    bar->addWidget(editMetaDataLocalBtn);
    bar->addWidget(starteditBtn);
    return bar;
}

void MetadataEditorView::buildSourceSwitch()
{
    sourceSwitch = new QWidget(this);
    sourceSwitch->setObjectName(QStringLiteral("sourceSwitch"));
    computerSourceBtn = sourceButton(sourceSwitch, "computerSourceBtn", tr("This Computer"));
    cameraSourceBtn = sourceButton(sourceSwitch, "cameraSourceBtn", tr("Camera"));
    computerSourceBtn->setChecked(true);
    auto *sources = new QButtonGroup(sourceSwitch);
    sources->addButton(computerSourceBtn);
    sources->addButton(cameraSourceBtn);
    auto *segments = new QHBoxLayout(sourceSwitch);
    segments->setContentsMargins(0, 0, 0, 0);
    segments->setSpacing(0);
    segments->addWidget(computerSourceBtn);
    segments->addWidget(cameraSourceBtn);
    sourceSwitch->hide();
}

QHBoxLayout *MetadataEditorView::buildBrowsers(EditorPhotoModel *model)
{
    localImageBrowserView = new BrowserWithTip(this);
    localImageBrowserView->setModel(model);
    clearAndImportAction = new QAction(tr("Clear and Import Photos…"), localImageBrowserView);
    clearAndImportAction->setObjectName(QStringLiteral("clearAndImportAction"));
    localImageBrowserView->addAction(clearAndImportAction);
    cameraBrowserView = new QListView(this);
    cameraBrowserView->setObjectName(QStringLiteral("cameraBrowserView")); // set up by the camera link
    m_browsers = new QStackedWidget(this);
    m_browsers->addWidget(localImageBrowserView);
    m_browsers->addWidget(cameraBrowserView);
    infoPanel = new PhotoInfoPanel(this);
    // The browser takes what the panel leaves, and with it every extra pixel of the drawer.
    infoPanel->setFixedWidth(240);
    auto *middle = new QHBoxLayout;
    middle->setSpacing(6);
    middle->addWidget(m_browsers, 1);
    middle->addWidget(infoPanel);
    return middle;
}

QHBoxLayout *MetadataEditorView::buildStatusLine()
{
    statusLabel = new QLabel(this);
    statusLabel->setObjectName(QStringLiteral("statusLabel"));
    palette::setTextColour(statusLabel, palette::secondaryText);
    QFont small = statusLabel->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    statusLabel->setFont(small);
    // A long folder path must not widen the drawer: the line wraps (anywhere in a path)
    // instead of being cut off.
    statusLabel->setWordWrap(true);
    statusLabel->setTextFormat(Qt::PlainText);
    statusLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
    statusLabel->setMinimumWidth(0);

    copyProgress = new QProgressBar(this);
    copyProgress->setObjectName(QStringLiteral("copyProgress"));
    copyProgress->setMaximumWidth(140);
    copyProgress->setTextVisible(false);
    copyProgress->hide();
    auto *status = new QHBoxLayout;
    status->setSpacing(6);
    status->addWidget(statusLabel, 1);
    status->addWidget(copyProgress);
    status->addWidget(stopScanButton);
    return status;
}

void MetadataEditorView::buildRemoveMenu()
{
    removeExifMenu = new QMenu(this);
    removeExifMenu->setObjectName(QStringLiteral("removeExifMenu"));
    removeExifAction = removeExifMenu->addAction(tr("Copy Without Exif"));
    removeExifAction->setObjectName(QStringLiteral("removeExifAction"));
    removeGPSAction = removeExifMenu->addAction(tr("Copy Without GPS Location"));
    removeGPSAction->setObjectName(QStringLiteral("removeGPSAction"));
    removeIPTCAction = removeExifMenu->addAction(tr("Copy Without IPTC"));
    removeIPTCAction->setObjectName(QStringLiteral("removeIPTCAction"));
    removeExifAndGPSAction = removeExifMenu->addAction(tr("Copy Without Exif and GPS"));
    removeExifAndGPSAction->setObjectName(QStringLiteral("removeExifAndGPSAction"));
}

void MetadataEditorView::buildEditMenu()
{
    editExifMenu = new QMenu(this);
    editExifMenu->setObjectName(QStringLiteral("editExifMenu"));
    changeDateAction = editExifMenu->addAction(tr("Change Capture Date…"));
    changeDateAction->setObjectName(QStringLiteral("changeDateAction"));
    copyExifDateToCreateDateAction = editExifMenu->addAction(tr("Date Files by Capture Date"));
    copyExifDateToCreateDateAction->setObjectName(QStringLiteral("copyExifDateToCreateDateAction"));
    // Said once, where it matters: what the file-dates command can and cannot set here.
    fileDateNoteLabel = new QLabel(filedatesfromcapture::fileDateNote(), editExifMenu);
    fileDateNoteLabel->setObjectName(QStringLiteral("fileDateNoteLabel"));
    fileDateNoteLabel->setWordWrap(true);
    fileDateNoteLabel->setFixedWidth(260);
    fileDateNoteLabel->setContentsMargins(28, 0, 10, 6);
    fileDateNoteLabel->setFont(statusLabel->font()); // the status line's smaller type
    palette::setTextColour(fileDateNoteLabel, palette::secondaryText);
    auto *note = new QWidgetAction(editExifMenu);
    note->setDefaultWidget(fileDateNoteLabel);
    note->setEnabled(false);
    editExifMenu->addAction(note);
}

void MetadataEditorView::showLocalList(bool local)
{
    m_browsers->setCurrentWidget(local ? static_cast<QWidget *>(localImageBrowserView) : cameraBrowserView);
    (local ? computerSourceBtn : cameraSourceBtn)->setChecked(true);
}

void MetadataEditorView::dropDownMenu(QMenu *menu, QWidget *button)
{
    menu->popup(button->mapToGlobal(QPoint(0, button->height())));
}
