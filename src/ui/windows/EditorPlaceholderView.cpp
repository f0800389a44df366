// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorPlaceholderView.h"

#include "app/Artwork.h"
#include "app/Palette.h"

#include <QLabel>
#include <QVBoxLayout>

EditorPlaceholderView::EditorPlaceholderView(QWidget *parent)
    : QWidget(parent)
{
    auto *picture = new QLabel(this);
    picture->setPixmap(artwork::pixmap(QStringLiteral("editphotometa.png")));
    picture->setAlignment(Qt::AlignCenter);
    auto *title = new QLabel(tr("Metadata editor"), this);
    QFont f = title->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.15);
    title->setFont(f);
    title->setAlignment(Qt::AlignCenter);
    auto *text = new QLabel(tr("Editing dates, places and other details is not available in this build."), this);
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    palette::setTextColour(text, palette::secondaryText);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(picture);
    layout->addWidget(title);
    layout->addWidget(text);
    layout->addStretch(1);
}
