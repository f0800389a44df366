// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// Says that the running version is the newest, when the user asked.
class NoUpdateWindow : public QDialog
{
    Q_OBJECT
public:
    explicit NoUpdateWindow(QWidget *parent = nullptr);

    QLabel *messageLabel = nullptr;
    QPushButton *okButton = nullptr;
};
