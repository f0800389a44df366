// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChangeGPSWindow.h"

#include "app/Palette.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit *field(QWidget *parent, const char *name, const QString &tip)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setToolTip(tip);
    return edit;
}

} // namespace

ChangeGPSWindow::ChangeGPSWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("changeGPSWindow"));
    setWindowTitle(tr("Change GPS Location"));
    setWindowModality(Qt::ApplicationModal);
    setPalette(palette::lightPalette());

    auto *intro = new QLabel(tr("The copies of the selected photos get this position."), this);
    photoLabel = new QLabel(this);
    photoLabel->setObjectName(QStringLiteral("photoLabel"));
    QPalette p = photoLabel->palette();
    p.setColor(QPalette::WindowText, palette::secondaryText());
    photoLabel->setPalette(p);

    latitudelab = field(this, "latitudelab", tr("Decimal degrees, -90 to 90 (negative: south)"));
    longitudelab = field(this, "longitudelab", tr("Decimal degrees, -180 to 180 (negative: west)"));
    altitudelab = field(this, "altitudelab", tr("Metres (negative: below sea level)"));
    dateStamplab = field(this, "dateStamplab", tr("yyyy:MM:dd; leave \"YYYY:MM:DD\" for no GPS date"));
    timeStamplab = field(this, "timeStamplab", tr("HH:mm:ss in UTC; leave \"HH:MM:SS\" for no GPS time"));
    latitudelab->setPlaceholderText(QStringLiteral("-33.8688"));
    longitudelab->setPlaceholderText(QStringLiteral("151.2093"));
    altitudelab->setPlaceholderText(QStringLiteral("0"));
    auto *form = new QFormLayout;
    form->addRow(tr("Latitude:"), latitudelab);
    form->addRow(tr("Longitude:"), longitudelab);
    form->addRow(tr("Altitude (m):"), altitudelab);
    form->addRow(tr("GPS date:"), dateStamplab);
    form->addRow(tr("GPS time:"), timeStamplab);

    auto *buttons = new QDialogButtonBox(this);
    mapButton = buttons->addButton(tr("Show on Map"), QDialogButtonBox::ActionRole);
    mapButton->setObjectName(QStringLiteral("mapButton"));
    saveButton = buttons->addButton(tr("Save"), QDialogButtonBox::AcceptRole);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    saveButton->setDefault(true);
    cancelButton = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(photoLabel);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}
