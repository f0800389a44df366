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
    QPalette p = photoLabel->palette();
    p.setColor(QPalette::WindowText, palette::secondaryText());
    photoLabel->setPalette(p);

    orignalDatelab = new QLineEdit(this);
    orignalDatelab->setObjectName(QStringLiteral("orignalDatelab"));
    orignalDatelab->setMinimumWidth(220);
    diginalDatelab = new QLineEdit(this);
    diginalDatelab->setObjectName(QStringLiteral("diginalDatelab"));
    auto *form = new QFormLayout;
    form->addRow(tr("Date taken:"), orignalDatelab);
    form->addRow(tr("Date digitized:"), diginalDatelab);

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
