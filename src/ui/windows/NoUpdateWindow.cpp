// SPDX-License-Identifier: GPL-3.0-or-later
#include "NoUpdateWindow.h"

#include "app/Artwork.h"
#include "app/Palette.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

NoUpdateWindow::NoUpdateWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("noUpdateWindow"));
    setWindowTitle(tr("Software Update"));
    setWindowIcon(artwork::applicationIcon());
    setPalette(palette::lightPalette());

    auto *icon = new QLabel(this);
    icon->setPixmap(artwork::applicationIcon().pixmap(QSize(48, 48), devicePixelRatioF()));
    auto *title = new QLabel(tr("You're up to date!"), this);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    title->setFont(bold);
    messageLabel = new QLabel(this);
    messageLabel->setObjectName(QStringLiteral("messageLabel"));
    messageLabel->setWordWrap(true);
    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);

    auto *texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(messageLabel);
    auto *top = new QHBoxLayout;
    top->setSpacing(14);
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 14);
    layout->setSpacing(14);
    layout->addLayout(top);
    layout->addLayout(buttons);
    setFixedWidth(380);
}
