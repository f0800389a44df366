// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The batch date window (`changeMutiDateWindow`): a reference photo with before and
// after dates, an absolute date, or an offset to add or take away. Holds no behaviour;
// the editor's controller fills and reads it.
class ChangeMutiDateWindow : public QDialog
{
    Q_OBJECT
public:
    explicit ChangeMutiDateWindow(QWidget *parent = nullptr);

    // Reference photo.
    QPushButton *dateChoosePhotoBtn = nullptr;
    QLabel *dateImageview = nullptr;
    QPushButton *forgetReferenceBtn = nullptr; // back to the absolute date or the offset
    QLineEdit *beforeorignalDatelab = nullptr;
    QLineEdit *beforediginalDatelab = nullptr;
    QLineEdit *afterorignalDatelab = nullptr;
    QLineEdit *afterdiginalDatelab = nullptr;

    // Absolute date.
    QLineEdit *mutSetDatelab = nullptr;

    // Offset.
    QLineEdit *yearVaulab = nullptr;
    QLineEdit *monthVaulab = nullptr;
    QLineEdit *dayVaulab = nullptr;
    QLineEdit *hourVaulab = nullptr;
    QLineEdit *minuVaulab = nullptr;
    QLineEdit *secVaulab = nullptr;
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
};
