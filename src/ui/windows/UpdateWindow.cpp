// SPDX-License-Identifier: GPL-3.0-or-later
#include "UpdateWindow.h"

#include "app/Artwork.h"
#include "app/Palette.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

UpdateWindow::UpdateWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("UpdateWindow"));
    setWindowTitle(tr("Software Update"));
    setWindowIcon(artwork::applicationIcon());
    setPalette(palette::lightPalette());

    auto *icon = new QLabel(this);
    icon->setPixmap(artwork::applicationIcon().pixmap(QSize(64, 64), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignTop);

    newversionlab = new QLabel(this);
    newversionlab->setObjectName(QStringLiteral("newversionlab"));
    QFont headline = newversionlab->font();
    headline.setPointSizeF(headline.pointSizeF() * 1.2);
    headline.setBold(true);
    newversionlab->setFont(headline);
    newversionlab->setWordWrap(true);
    // It quotes the version the server names: plain text, whatever the server sends.
    newversionlab->setTextFormat(Qt::PlainText);
    currentversionlab = new QLabel(this);
    currentversionlab->setObjectName(QStringLiteral("currentversionlab"));
    currentversionlab->setWordWrap(true);

    auto *changes = new QLabel(tr("What's new:"), this);
    QFont bold = changes->font();
    bold.setBold(true);
    changes->setFont(bold);
    whatsnewContentView = new QPlainTextEdit(this);
    whatsnewContentView->setObjectName(QStringLiteral("whatsnewContentView"));
    whatsnewContentView->setReadOnly(true);
    whatsnewContentView->setMinimumHeight(120);

    notNowButton = new QPushButton(tr("Not Now"), this);
    notNowButton->setObjectName(QStringLiteral("notNowButton"));
    downloadButton = new QPushButton(tr("Download"), this);
    downloadButton->setObjectName(QStringLiteral("downloadButton"));
    downloadButton->setDefault(true);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(6);
    texts->addWidget(newversionlab);
    texts->addWidget(currentversionlab);
    texts->addSpacing(6);
    texts->addWidget(changes);
    texts->addWidget(whatsnewContentView, 1);
    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(notNowButton);
    buttons->addWidget(downloadButton);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(20, 18, 20, 14);
    body->setSpacing(12);
    body->addLayout(top, 1);
    body->addLayout(buttons);

    // The footer picture is stretched to the window's width whatever its proportions.
    bottomImageView = new QLabel(this);
    bottomImageView->setObjectName(QStringLiteral("bottomImageView"));
    bottomImageView->setPixmap(artwork::pixmap(QStringLiteral("mainBottomImage.png")));
    bottomImageView->setScaledContents(true);
    bottomImageView->setFixedHeight(artwork::size(QStringLiteral("mainBottomImage.png")).height());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(body, 1);
    layout->addWidget(bottomImageView);
    resize(460, 340);
}
