// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResizeWindow.h"

#include "app/Palette.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

ResizeWindow::ResizeWindow(QWidget *parent)
    : SheetWindow(QStringLiteral("scanbg.png"), parent)
    , m_popup(new QComboBox(this))
    , m_width(new QLineEdit(this))
    , m_height(new QLineEdit(this))
    , m_scale(new QCheckBox(tr("Keep proportions"), this))
    , m_ok(new QPushButton(tr("Resize and Compress"), this))
    , m_cancel(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("resizeImageWindow"));
    m_popup->setObjectName(QStringLiteral("theResizePopBtn"));
    m_width->setObjectName(QStringLiteral("widthSizelab"));
    m_height->setObjectName(QStringLiteral("heightSizelab"));
    m_scale->setObjectName(QStringLiteral("resizeScaleBtn"));

    auto *title = new QLabel(tr("Resize Photos"), this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto *intro = new QLabel(tr("Scale every photo in the list and compress it again."), this);
    intro->setWordWrap(true);
    palette::setTextColour(intro, palette::secondaryText);

    m_width->setPlaceholderText(tr("auto"));
    m_height->setPlaceholderText(tr("auto"));
    m_width->setMaximumWidth(110);
    m_height->setMaximumWidth(110);
    // Presets keep the proportions (the box shows it, disabled); "Custom" starts unticked and lets the user tick it.

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    grid->addWidget(new QLabel(tr("Size:"), this), 0, 0, Qt::AlignRight);
    grid->addWidget(m_popup, 0, 1, 1, 3);
    grid->addWidget(new QLabel(tr("Width:"), this), 1, 0, Qt::AlignRight);
    grid->addWidget(m_width, 1, 1);
    grid->addWidget(new QLabel(tr("px"), this), 1, 2);
    grid->addWidget(new QLabel(tr("Height:"), this), 2, 0, Qt::AlignRight);
    grid->addWidget(m_height, 2, 1);
    grid->addWidget(new QLabel(tr("px"), this), 2, 2);
    grid->addWidget(m_scale, 3, 1, 1, 3);
    grid->setColumnStretch(3, 1);

    m_ok->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_ok);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 22, 28, 20);
    layout->setSpacing(10);
    layout->addWidget(title);
    layout->addWidget(intro);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setFixedWidth(420);
}
