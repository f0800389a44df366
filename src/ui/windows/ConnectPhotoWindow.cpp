// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConnectPhotoWindow.h"

#include "app/Palette.h"
#include "widgets/CommandButton.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ConnectPhotoWindow::ConnectPhotoWindow(QWidget *parent)
    : SheetWindow(QStringLiteral("updateground.png"), parent)
    , m_summary(new QLabel(this))
    , m_start(new CommandButton(tr("Compress Again"), this))
    , m_close(new QPushButton(tr("Close"), this))
    , m_chooseLibrary(new QPushButton(tr("Choose Photo Library…"), this))
{
    setObjectName(QStringLiteral("connectPhotoWindow"));
    m_start->setObjectName(QStringLiteral("connectPhotoLibBtn"));

    auto *title = new QLabel(tr("Compress Again"), this);
    QFont f = title->font();
    f.setPointSizeF(f.pointSizeF() * 1.3);
    f.setBold(true);
    title->setFont(f);
    m_summary->setWordWrap(true);
    palette::setTextColour(m_summary, palette::secondaryText);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    buttons->addWidget(m_start);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 22, 28, 20);
    layout->setSpacing(12);
    layout->addWidget(title);
    layout->addWidget(m_summary);
    layout->addLayout(buttons);
    addLibraryPart(layout);
    setFixedWidth(420);
}

void ConnectPhotoWindow::addLibraryPart(QVBoxLayout *layout)
{
    m_chooseLibrary->setObjectName(QStringLiteral("choosePhotoLibraryBtn"));
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto *title = new QLabel(tr("Photo Library"), this);
    QFont f = title->font();
    f.setBold(true);
    title->setFont(f);
    auto *text = new QLabel(tr("Edit the metadata of the photos in a photo library copied from another "
                               "computer: choose its \"Photos Library.photoslibrary\" folder. "
                               "The library is only read."),
                            this);
    text->setWordWrap(true);
    palette::setTextColour(text, palette::secondaryText);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_chooseLibrary);
    layout->addWidget(line);
    layout->addWidget(title);
    layout->addWidget(text);
    layout->addLayout(buttons);
}

void ConnectPhotoWindow::setSummary(const QString &text)
{
    m_summary->setText(text);
    adjustSize();
}
