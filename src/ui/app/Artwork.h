// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

class QAbstractButton;
class QPalette;

// The program's pictures, by the file names the code has always used ("tablehead.png").
// They are rendered at twice their nominal size, so a pixmap reports a device pixel
// ratio of 2 and lays out at its nominal size. Under a dark palette they are drawn
// again from their SVG sources in the palette's colours.
namespace artwork {

QPixmap pixmap(const QString &name);
// Null pixmap and a log line when the resource does not exist.
bool exists(const QString &name);
// The nominal (layout) size of a picture.
QSize size(const QString &name);
QIcon icon(const QString &name);
// Gives the button the picture as its icon, drawn again whenever the palette changes
// (an icon made once would keep the colours of the palette it was made under).
void setIcon(QAbstractButton *button, const QString &name);
QIcon applicationIcon();
// The artwork's SVG text with its greys moved onto `target`'s window-to-text ramp.
QString recolouredSvg(const QString &svg, const QPalette &target);

} // namespace artwork
