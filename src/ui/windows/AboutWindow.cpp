// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutWindow.h"

#include "app/Artwork.h"
#include "app/Palette.h"
#include "widgets/BannerView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent)
    , m_support(new QPushButton(tr("Support…"), this))
{
    setObjectName(QStringLiteral("aboutWindow"));
    setWindowTitle(tr("About"));
    setWindowIcon(artwork::applicationIcon());

    auto *banner = new BannerView(this);
    banner->setFixedHeight(72);
    auto *icon = new QLabel(banner);
    QPixmap iconPixmap = artwork::applicationIcon().pixmap(QSize(56, 56), devicePixelRatioF());
    icon->setPixmap(iconPixmap);
    icon->setGeometry(20, 8, 56, 56);
    auto *name = new QLabel(QStringLiteral("Glimmerset"), banner);
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.6);
    nameFont.setBold(true);
    name->setFont(nameFont);
    QPalette bannerText = name->palette();
    bannerText.setColor(QPalette::WindowText, Qt::white);
    name->setPalette(bannerText);
    name->move(90, 14);
    auto *version = new QLabel(tr("Version %1").arg(QStringLiteral(GLIMMERSET_VERSION)), banner);
    version->setPalette(bannerText);
    version->move(92, 44);

    auto *text = new QLabel(tr("Makes photos smaller without visible loss, and edits their dates, places "
                               "and other details, on your own computer."),
                            this);
    text->setWordWrap(true);
    auto *close = new QPushButton(tr("Close"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_support);
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(22, 16, 22, 18);
    body->setSpacing(14);
    body->addWidget(text);
    body->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(banner);
    layout->addLayout(body);
    setFixedWidth(400);
    name->adjustSize();
    version->adjustSize();
}
