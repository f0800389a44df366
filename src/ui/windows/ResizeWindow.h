// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SheetWindow.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The resize sheet's controls. It only holds them: what a choice means is decided by
// the controller (presets fill the fields, confirming starts the resize).
class ResizeWindow : public SheetWindow
{
    Q_OBJECT
public:
    explicit ResizeWindow(QWidget *parent = nullptr);

    QComboBox *theResizePopBtn() const { return m_popup; }
    QLineEdit *widthSizelab() const { return m_width; }
    QLineEdit *heightSizelab() const { return m_height; }
    QCheckBox *resizeScaleBtn() const { return m_scale; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

private:
    QComboBox *m_popup;
    QLineEdit *m_width;
    QLineEdit *m_height;
    QCheckBox *m_scale;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};
