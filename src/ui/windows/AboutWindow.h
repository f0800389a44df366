// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPushButton;

// Name, version and purpose of the program under the banner, with a link to support.
class AboutWindow : public QDialog
{
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);
    QPushButton *supportButton() const { return m_support; }

private:
    QPushButton *m_support;
};
