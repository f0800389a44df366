// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The change-GPS window (`changeGPSWindow`), run application-modal: the position,
// altitude and GPS date and time the selected photos' "NewGPS_" copies get. Holds no
// behaviour; the editor's controller fills and reads it.
class ChangeGPSWindow : public QDialog
{
    Q_OBJECT
public:
    explicit ChangeGPSWindow(QWidget *parent = nullptr);

    QLineEdit *latitudelab = nullptr;
    QLineEdit *longitudelab = nullptr;
    QLineEdit *altitudelab = nullptr;
    QLineEdit *dateStamplab = nullptr;
    QLineEdit *timeStamplab = nullptr;
    QLabel *photoLabel = nullptr; // which photo the date and time were read from
    QPushButton *saveButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QPushButton *mapButton = nullptr;
};
