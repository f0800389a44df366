// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

// The colours of the program's own surfaces. They come from the application's palette
// (the desktop's, or the light or dark one chosen in the preferences), so whatever
// draws with them stays readable on a light and on a dark desktop. Main thread only.
namespace palette {

QColor accent();
QColor accentWash();
QColor text();
QColor secondaryText();
QColor surface();
QColor border();
QColor dashedBorder();
QColor rowAlternate();
QColor saving();
QColor failure();
// The window colour is darker than mid grey.
bool isDark();
bool isDark(const QPalette &p);

// Gives `widget` the colour `colour()` for its text now, and again whenever the
// application's palette changes: a colour set once would stay the light one under Dark.
void setTextColour(QWidget *widget, QColor (*colour)());

// Complete palettes for the program's windows and the dialogs they open.
QPalette lightPalette();
QPalette darkPalette();

} // namespace palette
