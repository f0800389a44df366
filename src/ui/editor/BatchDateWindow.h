// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// The batch date window (`batchDateWindow`): a reference photo with before and
// after dates, an absolute date, or an offset to add or take away. Holds no behaviour;
// the editor's controller fills and reads it.
class BatchDateWindow : public QDialog
{
    Q_OBJECT
public:
    explicit BatchDateWindow(QWidget *parent = nullptr);

    // Reference photo.
    QPushButton *dateChoosePhotoBtn = nullptr;
    QLabel *dateImageview = nullptr;
    QPushButton *forgetReferenceBtn = nullptr; // back to the absolute date or the offset
    QLineEdit *beforeOriginalDatelab = nullptr;
    QLineEdit *beforeDigitizedDatelab = nullptr;
    QLineEdit *afterOriginalDatelab = nullptr;
    QLineEdit *afterDigitizedDatelab = nullptr;

    // Absolute date.
    QLineEdit *batchSetDatelab = nullptr;

    // Offset.
    QLineEdit *yearValuelab = nullptr;
    QLineEdit *monthValuelab = nullptr;
    QLineEdit *dayValuelab = nullptr;
    QLineEdit *hourValuelab = nullptr;
    QLineEdit *minuteValuelab = nullptr;
    QLineEdit *secondValuelab = nullptr;
    QCheckBox *AddTimeBtn = nullptr;
    QCheckBox *RemoveTimeBtn = nullptr;

    // The other two ways, switched off while a reference photo is chosen (it wins).
    QWidget *absoluteGroup = nullptr;
    QWidget *offsetGroup = nullptr;

    QLabel *selectionLabel = nullptr; // how many photos the change applies to
    QPushButton *saveButton = nullptr;
    QPushButton *cancelButton = nullptr;

    QList<QLineEdit *> offsetFields() const;
    // Whether the reference image view holds a picture.
    bool hasReferenceImage() const;

private:
    QGroupBox *buildReferenceGroup();
    QGroupBox *buildAbsoluteGroup();
    QGroupBox *buildOffsetGroup();
    QHBoxLayout *buildBottomRow();
};
