// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreferenceWindow.h"

#include "app/Artwork.h"
#include "app/Folders.h"
#include "app/Palette.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

static QLabel *hint(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    palette::setTextColour(label, palette::secondaryText);
    label->setContentsMargins(26, 0, 0, 0);
    return label;
}

static QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

PreferenceWindow::PreferenceWindow(QWidget *parent)
    : QDialog(parent)
    , m_keepMetadata(new QCheckBox(tr("Keep photo metadata"), this))
    , m_keepOriginal(new QCheckBox(tr("Keep original photos"), this))
    , m_includeSubfolders(new QCheckBox(tr("Include subfolders"), this))
    , m_location(new QLabel(this))
    , m_choose(new QPushButton(tr("Choose…"), this))
    , m_appearance(new QComboBox(this))
{
    setObjectName(QStringLiteral("preferenceWindow"));
    setWindowTitle(tr("Preferences"));
    setWindowIcon(artwork::applicationIcon());
    m_keepMetadata->setObjectName(QStringLiteral("retainPreMetaBtn"));
    m_keepOriginal->setObjectName(QStringLiteral("keepOriginalPhotoBtn"));
    m_includeSubfolders->setObjectName(QStringLiteral("includeSubfoldersBtn"));
    m_location->setObjectName(QStringLiteral("photolocationlab"));

    // Shown, not typed: the folder changes only through Choose…, so it must not look like a field.
    m_location->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_location->setWordWrap(true);
    m_location->setFrameShape(QFrame::NoFrame);
    m_location->setMinimumWidth(320);
    m_location->setAccessibleName(tr("Output folder"));

    m_appearance->setObjectName(QStringLiteral("appearanceBox"));
    m_appearance->addItem(tr("System"), QStringLiteral("System"));
    m_appearance->addItem(tr("Light"), QStringLiteral("Light"));
    m_appearance->addItem(tr("Dark"), QStringLiteral("Dark"));
    m_appearance->setAccessibleName(tr("Appearance"));

    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(m_location, 1);
    folderRow->addWidget(m_choose, 0, Qt::AlignTop);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 22);
    layout->setSpacing(8);
    layout->addWidget(heading(tr("Compression"), this));
    layout->addWidget(m_keepMetadata);
    layout->addWidget(hint(tr("Carry the date, camera, GPS and other details of JPEG photos into the results."), this));
    layout->addSpacing(4);
    layout->addWidget(m_keepOriginal);
    layout->addWidget(hint(tr("Write results into the Output folder and leave the photos you drop untouched. "
                              "When off, each photo is replaced by its compressed version and the original "
                              "goes to the Trash."),
                           this));
    layout->addSpacing(4);
    layout->addWidget(m_includeSubfolders);
    layout->addWidget(hint(tr("When a folder is dropped, compress the photos in its subfolders too; the Output "
                              "folder keeps the same subfolders."),
                           this));
    layout->addSpacing(12);
    layout->addWidget(heading(tr("Output folder"), this));
    layout->addLayout(folderRow);
    layout->addSpacing(12);
    layout->addWidget(heading(tr("Appearance"), this));
    auto *appearanceRow = new QHBoxLayout;
    appearanceRow->addWidget(m_appearance);
    appearanceRow->addStretch(1);
    layout->addLayout(appearanceRow);
    auto *appearanceCaption = hint(QString(), this);
    appearanceCaption->setObjectName(QStringLiteral("appearanceCaption"));
    layout->addWidget(appearanceCaption);
    // The caption says what the chosen colours are, whichever way the choice was made.
    const auto describe = [this, appearanceCaption] {
        const QString mode = m_appearance->currentData().toString();
        appearanceCaption->setText(mode == QLatin1String("Dark")    ? tr("Dark windows with light text, whatever the desktop uses.")
                                   : mode == QLatin1String("Light") ? tr("Light windows with dark text, whatever the desktop uses.")
                                                                    : tr("System follows the colours of your desktop."));
    };
    connect(m_appearance, &QComboBox::currentIndexChanged, this, describe);
    describe();
    layout->addSpacing(14);
    auto *close = new QPushButton(tr("Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    layout->addStretch(1);
    setMinimumWidth(480);
}

void PreferenceWindow::showPhotoLocation(const QString &folder)
{
    m_location->setText(folders::displayPath(folder));
    m_location->setToolTip(folder);
}
