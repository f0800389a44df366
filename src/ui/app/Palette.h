#pragma once

#include <QColor>
#include <QPalette>

// The colours of the program's own surfaces, chosen together with the artwork. The
// windows keep this light scheme whatever the desktop theme, so text stays readable.
namespace palette {

inline QColor accent() { return QColor(0x3D, 0x63, 0xDD); }
inline QColor accentWash() { return QColor(0xEE, 0xF2, 0xFD); }
inline QColor text() { return QColor(0x1F, 0x24, 0x30); }
inline QColor secondaryText() { return QColor(0x5F, 0x67, 0x78); }
inline QColor surface() { return QColor(0xF7, 0xF8, 0xFB); }
inline QColor border() { return QColor(0xE2, 0xE6, 0xEE); }
inline QColor dashedBorder() { return QColor(0xB8, 0xC1, 0xD1); }
inline QColor rowAlternate() { return QColor(0xF8, 0xF9, 0xFC); }
inline QColor saving() { return QColor(0x17, 0x8A, 0x5B); }

// A complete light palette for the program's windows and the dialogs they open.
QPalette lightPalette();

} // namespace palette
