#pragma once

#include <QColor>
#include <QPalette>

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

// Complete palettes for the program's windows and the dialogs they open.
QPalette lightPalette();
QPalette darkPalette();

} // namespace palette
