// SPDX-License-Identifier: GPL-3.0-or-later
#include "Palette.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

namespace palette {

namespace {

// Lives as the widget's child, so it goes with it.
class TextColourKeeper : public QObject
{
public:
    TextColourKeeper(QWidget *widget, QColor (*colour)())
        : QObject(widget)
        , m_colour(colour)
    {
        widget->installEventFilter(this);
        apply(widget);
    }

    void setColour(QColor (*colour)()) { m_colour = colour; }
    void apply(QWidget *widget) const
    {
        const QColor colour = m_colour();
        QPalette p = widget->palette();
        // Setting the same colours again would only announce another change.
        if (p.color(QPalette::WindowText) == colour && p.color(QPalette::Text) == colour)
            return;
        p.setColor(QPalette::WindowText, colour);
        p.setColor(QPalette::Text, colour);
        widget->setPalette(p);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The new palette reaches a widget either from the application or through its
        // parent window, depending on how it was set.
        if (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::PaletteChange)
            apply(static_cast<QWidget *>(watched));
        return QObject::eventFilter(watched, event);
    }

private:
    QColor (*m_colour)();
};

} // namespace

void setTextColour(QWidget *widget, QColor (*colour)())
{
    for (QObject *child : widget->children()) {
        if (auto *keeper = dynamic_cast<TextColourKeeper *>(child)) {
            keeper->setColour(colour);
            keeper->apply(widget);
            return;
        }
    }
    new TextColourKeeper(widget, colour);
}

static QPalette current()
{
    return QGuiApplication::palette();
}

static QColor blend(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

bool isDark(const QPalette &p)
{
    return p.color(QPalette::Window).lightness() < 128;
}

bool isDark() { return isDark(current()); }

QColor accent() { return current().color(QPalette::Highlight); }
QColor accentWash() { return blend(current().color(QPalette::Base), accent(), 0.1); }
QColor text() { return current().color(QPalette::Text); }
QColor secondaryText() { return blend(current().color(QPalette::WindowText), current().color(QPalette::Window), 0.35); }
QColor surface() { return blend(current().color(QPalette::Window), text(), 0.03); }
QColor border() { return blend(current().color(QPalette::Window), text(), 0.12); }
QColor dashedBorder() { return blend(current().color(QPalette::Window), text(), 0.3); }
QColor rowAlternate() { return current().color(QPalette::AlternateBase); }
QColor saving() { return isDark() ? QColor(0x4C, 0xC7, 0x8F) : QColor(0x17, 0x8A, 0x5B); }
QColor failure() { return isDark() ? QColor(0xFF, 0x8A, 0x7A) : QColor(0xC2, 0x3B, 0x2E); }

QPalette lightPalette()
{
    const QColor ink(0x1F, 0x24, 0x30);
    const QColor accentBlue(0x3D, 0x63, 0xDD);
    QPalette p;
    p.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xFF));
    p.setColor(QPalette::WindowText, ink);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(0xF8, 0xF9, 0xFC));
    p.setColor(QPalette::Text, ink);
    p.setColor(QPalette::Button, QColor(0xF3, 0xF5, 0xF9));
    p.setColor(QPalette::ButtonText, ink);
    p.setColor(QPalette::Highlight, accentBlue);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, ink);
    p.setColor(QPalette::ToolTipText, Qt::white);
    p.setColor(QPalette::PlaceholderText, QColor(0x9A, 0xA1, 0xAE));
    p.setColor(QPalette::Link, accentBlue);
    p.setColor(QPalette::Mid, QColor(0xE2, 0xE6, 0xEE));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0xA0, 0xA6, 0xB2));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0xA0, 0xA6, 0xB2));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0xA0, 0xA6, 0xB2));
    return p;
}

QPalette darkPalette()
{
    const QColor ink(0xE6, 0xE8, 0xEE);
    const QColor accentBlue(0x6B, 0x8C, 0xF2);
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x23, 0x26, 0x2E));
    p.setColor(QPalette::WindowText, ink);
    p.setColor(QPalette::Base, QColor(0x1B, 0x1E, 0x25));
    p.setColor(QPalette::AlternateBase, QColor(0x22, 0x25, 0x2D));
    p.setColor(QPalette::Text, ink);
    p.setColor(QPalette::Button, QColor(0x31, 0x35, 0x3F));
    p.setColor(QPalette::ButtonText, ink);
    p.setColor(QPalette::Light, QColor(0x45, 0x4A, 0x56));
    p.setColor(QPalette::Midlight, QColor(0x3A, 0x3E, 0x49));
    p.setColor(QPalette::Mid, QColor(0x3A, 0x3F, 0x4B));
    p.setColor(QPalette::Dark, QColor(0x15, 0x17, 0x1C));
    p.setColor(QPalette::Shadow, QColor(0x0B, 0x0C, 0x0F));
    p.setColor(QPalette::Highlight, accentBlue);
    p.setColor(QPalette::HighlightedText, QColor(0x10, 0x12, 0x18));
    p.setColor(QPalette::ToolTipBase, QColor(0x31, 0x35, 0x3F));
    p.setColor(QPalette::ToolTipText, ink);
    p.setColor(QPalette::PlaceholderText, QColor(0x8A, 0x90, 0x9C));
    p.setColor(QPalette::Link, accentBlue);
    p.setColor(QPalette::BrightText, Qt::white);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        p.setColor(QPalette::Disabled, role, QColor(0x6E, 0x74, 0x80));
    return p;
}

} // namespace palette
