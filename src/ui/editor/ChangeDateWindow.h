// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The single-photo date window (`changeDateWindow`): the current photo's capture and
// digitized dates as editable texts, saved into a "NewDate_" copy. Holds no behaviour;
// the editor's controller fills and reads it.
class ChangeDateWindow : public QDialog
{
    Q_OBJECT
public:
    explicit ChangeDateWindow(QWidget *parent = nullptr);

    QLineEdit *originalDatelab = nullptr;
    QLineEdit *digitizedDatelab = nullptr;
    QLabel *photoLabel = nullptr; // which photo the dates are read from
    QPushButton *saveButton = nullptr;
    QPushButton *cancelButton = nullptr;
};
