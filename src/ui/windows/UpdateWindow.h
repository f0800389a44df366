// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// Offers a newer version: which one, which one runs, what changed, and a way to get it.
// Holds no behaviour; UpdateController fills and connects it.
class UpdateWindow : public QDialog
{
    Q_OBJECT
public:
    explicit UpdateWindow(QWidget *parent = nullptr);

    QLabel *newversionlab = nullptr;
    QLabel *currentversionlab = nullptr;
    QPlainTextEdit *whatsnewContentView = nullptr;
    QLabel *bottomImageView = nullptr;
    QPushButton *downloadButton = nullptr;
    QPushButton *notNowButton = nullptr;
};
