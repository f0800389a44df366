// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SheetWindow.h"

class QPushButton;
class CommandButton;

// The sheet offering to compress the photos of the last drop again (with the current
// preferences, adding to the list), and to choose the photo library whose photos the
// metadata editor lists. Its start button is a command button like the window's other
// image buttons.
class ConnectPhotoWindow : public SheetWindow
{
    Q_OBJECT
public:
    explicit ConnectPhotoWindow(QWidget *parent = nullptr);

    CommandButton *connectPhotoLibBtn() const { return m_start; }
    QPushButton *closeButton() const { return m_close; }
    QPushButton *choosePhotoLibraryBtn() const { return m_chooseLibrary; }
    void setSummary(const QString &text);

private:
    void addLibraryPart(class QVBoxLayout *layout);

    class QLabel *m_summary;
    CommandButton *m_start;
    QPushButton *m_close;
    QPushButton *m_chooseLibrary;
};
