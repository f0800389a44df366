// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

// A dialog shown as a sheet: frameless, modal to its parent window only, placed just
// under the parent's title area and centred on it, drawn on one of the artwork
// backgrounds. The parent stays responsive to nothing else while it shows, and other
// windows of the program stay usable.
class SheetWindow : public QDialog
{
    Q_OBJECT
public:
    SheetWindow(const QString &backgroundImage, QWidget *parent = nullptr);

    // Shows the sheet over `window`.
    void beginSheet(QWidget *window);
    // Hides the sheet; `returnCode` is kept for the caller (1 = its default button).
    void endSheet(int returnCode);
    int returnCode() const { return m_returnCode; }
    bool isSheetVisible() const { return isVisible(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_background;
    int m_returnCode = 0;
};
