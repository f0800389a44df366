#include "Palette.h"

namespace palette {

QPalette lightPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xFF));
    p.setColor(QPalette::WindowText, text());
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, rowAlternate());
    p.setColor(QPalette::Text, text());
    p.setColor(QPalette::Button, QColor(0xF3, 0xF5, 0xF9));
    p.setColor(QPalette::ButtonText, text());
    p.setColor(QPalette::Highlight, accent());
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(0x1F, 0x24, 0x30));
    p.setColor(QPalette::ToolTipText, Qt::white);
    p.setColor(QPalette::PlaceholderText, QColor(0x9A, 0xA1, 0xAE));
    p.setColor(QPalette::Link, accent());
    p.setColor(QPalette::Mid, border());
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0xA0, 0xA6, 0xB2));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0xA0, 0xA6, 0xB2));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0xA0, 0xA6, 0xB2));
    return p;
}

} // namespace palette
