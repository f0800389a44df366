// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchDateWindow.h"

#include "app/Palette.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

QLineEdit *field(QWidget *parent, const char *name, const QString &placeholder = {})
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setPlaceholderText(placeholder);
    return edit;
}

} // namespace

BatchDateWindow::BatchDateWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("batchDateWindow"));
    setWindowTitle(tr("Change Capture Dates"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildReferenceGroup());
    layout->addWidget(buildAbsoluteGroup());
    layout->addWidget(buildOffsetGroup());
    layout->addLayout(buildBottomRow());
    setMinimumWidth(560);
}

// The reference photo: the dates it shows and the ones it should show give the shift.
QGroupBox *BatchDateWindow::buildReferenceGroup()
{
    const QString exifForm = QStringLiteral("yyyy:MM:dd HH:mm:ss");
    auto *reference = new QGroupBox(tr("Shift by a reference photo"), this);
    dateChoosePhotoBtn = new QPushButton(tr("Choose Photo…"), reference);
    dateChoosePhotoBtn->setObjectName(QStringLiteral("dateChoosePhotoBtn"));
    dateImageview = new QLabel(reference);
    dateImageview->setObjectName(QStringLiteral("dateImageview"));
    dateImageview->setFixedSize(84, 84);
    dateImageview->setAlignment(Qt::AlignCenter);
    dateImageview->setFrameShape(QFrame::StyledPanel);
    dateImageview->hide();
    forgetReferenceBtn = new QPushButton(tr("Don't Use"), reference);
    forgetReferenceBtn->setObjectName(QStringLiteral("forgetReferenceBtn"));
    forgetReferenceBtn->setToolTip(tr("Shift by the date or the offset below instead"));
    forgetReferenceBtn->hide();
    beforeOriginalDatelab = field(reference, "beforeOriginalDatelab");
    beforeDigitizedDatelab = field(reference, "beforeDigitizedDatelab");
    afterOriginalDatelab = field(reference, "afterOriginalDatelab", exifForm);
    afterDigitizedDatelab = field(reference, "afterDigitizedDatelab", exifForm);
    auto *picture = new QVBoxLayout;
    picture->addWidget(dateChoosePhotoBtn);
    picture->addWidget(dateImageview);
    picture->addWidget(forgetReferenceBtn);
    picture->addStretch(1);
    auto *dates = new QGridLayout;
    dates->addWidget(new QLabel(tr("It shows"), reference), 0, 1);
    dates->addWidget(new QLabel(tr("It should show"), reference), 0, 2);
    dates->addWidget(new QLabel(tr("Taken:"), reference), 1, 0);
    dates->addWidget(beforeOriginalDatelab, 1, 1);
    dates->addWidget(afterOriginalDatelab, 1, 2);
    dates->addWidget(new QLabel(tr("Digitized:"), reference), 2, 0);
    dates->addWidget(beforeDigitizedDatelab, 2, 1);
    dates->addWidget(afterDigitizedDatelab, 2, 2);
    dates->setRowStretch(3, 1);
    auto *referenceRow = new QHBoxLayout(reference);
    referenceRow->addLayout(picture);
    referenceRow->addLayout(dates, 1);
    return reference;
}

QGroupBox *BatchDateWindow::buildAbsoluteGroup()
{
    auto *absolute = new QGroupBox(tr("Or set one date for all"), this);
    absoluteGroup = absolute;
    batchSetDatelab = field(absolute, "batchSetDatelab");
    auto *absoluteRow = new QFormLayout(absolute);
    absoluteRow->addRow(tr("Date:"), batchSetDatelab);
    return absolute;
}

QGroupBox *BatchDateWindow::buildOffsetGroup()
{
    auto *offset = new QGroupBox(tr("Or move every date by"), this);
    offsetGroup = offset;
    auto *digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,9}")), this);
    const auto unit = [&](const char *name) {
        QLineEdit *edit = field(offset, name, QStringLiteral("0"));
        edit->setValidator(digits);
        edit->setMaximumWidth(56);
        edit->setAlignment(Qt::AlignRight);
        return edit;
    };
    yearValuelab = unit("yearValuelab");
    monthValuelab = unit("monthValuelab");
    dayValuelab = unit("dayValuelab");
    hourValuelab = unit("hourValuelab");
    minuteValuelab = unit("minuteValuelab");
    secondValuelab = unit("secondValuelab");
    auto *units = new QGridLayout;
    const QStringList captions{tr("Years"), tr("Months"), tr("Days"), tr("Hours"), tr("Minutes"), tr("Seconds")};
    const QList<QLineEdit *> fields = offsetFields();
    for (int i = 0; i < fields.size(); ++i) {
        units->addWidget(fields[i], 0, i);
        auto *caption = new QLabel(captions[i], offset);
        caption->setAlignment(Qt::AlignCenter);
        units->addWidget(caption, 1, i);
    }
    AddTimeBtn = new QCheckBox(tr("Add Time"), offset);
    AddTimeBtn->setObjectName(QStringLiteral("AddTimeBtn"));
    RemoveTimeBtn = new QCheckBox(tr("Remove Time"), offset);
    RemoveTimeBtn->setObjectName(QStringLiteral("RemoveTimeBtn"));
    auto *note = new QLabel(tr("A month counts 30 days, a year 365 days."), offset);
    palette::setTextColour(note, palette::secondaryText);
    auto *direction = new QHBoxLayout;
    direction->addWidget(AddTimeBtn);
    direction->addWidget(RemoveTimeBtn);
    direction->addStretch(1);
    direction->addWidget(note);
    auto *offsetColumn = new QVBoxLayout(offset);
    offsetColumn->addLayout(units);
    offsetColumn->addLayout(direction);
    return offset;
}

QHBoxLayout *BatchDateWindow::buildBottomRow()
{
    selectionLabel = new QLabel(this);
    selectionLabel->setObjectName(QStringLiteral("selectionLabel"));
    palette::setTextColour(selectionLabel, palette::secondaryText);
    auto *buttons = new QDialogButtonBox(this);
    saveButton = buttons->addButton(tr("Save Copies"), QDialogButtonBox::AcceptRole);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    saveButton->setDefault(true);
    cancelButton = buttons->addButton(QDialogButtonBox::Cancel);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(selectionLabel, 1);
    bottom->addWidget(buttons);
    return bottom;
}

QList<QLineEdit *> BatchDateWindow::offsetFields() const
{
    return {yearValuelab, monthValuelab, dayValuelab, hourValuelab, minuteValuelab, secondValuelab};
}

bool BatchDateWindow::hasReferenceImage() const
{
    return !dateImageview->pixmap().isNull();
}
