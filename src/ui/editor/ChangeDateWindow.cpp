// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChangeDateWindow.h"

#include "app/Palette.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

ChangeDateWindow::ChangeDateWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("changeDateWindow"));
    setWindowTitle(tr("Change Capture Date"));

    auto *intro = new QLabel(tr("The copy of the photo gets these dates (yyyy:MM:dd HH:mm:ss)."), this);
    photoLabel = new QLabel(this);
    photoLabel->setObjectName(QStringLiteral("photoLabel"));
    palette::setTextColour(photoLabel, palette::secondaryText);

    originalDatelab = new QLineEdit(this);
    originalDatelab->setObjectName(QStringLiteral("originalDatelab"));
    originalDatelab->setMinimumWidth(220);
    digitizedDatelab = new QLineEdit(this);
    digitizedDatelab->setObjectName(QStringLiteral("digitizedDatelab"));
    auto *form = new QFormLayout;
    form->addRow(tr("Date taken:"), originalDatelab);
    form->addRow(tr("Date digitized:"), digitizedDatelab);

    auto *buttons = new QDialogButtonBox(this);
    saveButton = buttons->addButton(tr("Save Copy"), QDialogButtonBox::AcceptRole);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    saveButton->setDefault(true);
    cancelButton = buttons->addButton(QDialogButtonBox::Cancel);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(photoLabel);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(440);
}
