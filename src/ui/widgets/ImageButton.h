// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QPushButton>

// A push button that shows a picture from the artwork instead of the style's bevel when
// one is set; without a picture it looks like any push button. The base of the buttons
// that run their command on the press.
class ImageButton : public QPushButton
{
    Q_OBJECT
public:
    explicit ImageButton(QWidget *parent = nullptr);
    explicit ImageButton(const QString &text, QWidget *parent = nullptr);

    // Sets the picture by its artwork name ("backnom.png"); an empty name goes back to the bevel.
    void setImage(const QString &name);
    QString imageName() const { return m_imageName; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    // A picture says nothing to a screen reader: the tooltip names the button unless it
    // has a name of its own. A new palette draws the picture again.
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    QString m_imageName;
    QPixmap m_image;
};
