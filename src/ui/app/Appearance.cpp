// SPDX-License-Identifier: GPL-3.0-or-later
#include "Appearance.h"

#include "Palette.h"

#include "app/AppSettings.h"

#include <QApplication>
#include <QPixmapCache>
#include <QWidget>

static QPalette &systemPalette()
{
    static QPalette captured = QGuiApplication::palette();
    return captured;
}

Appearance::Appearance(AppSettings &settings, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_mode(modeFromName(settings.appearance()))
{
    systemPalette();
}

Appearance::Mode Appearance::modeFromName(const QString &name)
{
    if (name == QLatin1String("Light"))
        return Light;
    if (name == QLatin1String("Dark"))
        return Dark;
    return System;
}

QString Appearance::nameOf(Mode mode)
{
    switch (mode) {
    case Light:
        return QStringLiteral("Light");
    case Dark:
        return QStringLiteral("Dark");
    case System:
        break;
    }
    return QStringLiteral("System");
}

QPalette Appearance::paletteFor(Mode mode)
{
    switch (mode) {
    case Light:
        return palette::lightPalette();
    case Dark:
        return palette::darkPalette();
    case System:
        break;
    }
    return systemPalette();
}

void Appearance::setMode(Mode mode)
{
    m_settings.setAppearance(nameOf(mode));
    m_mode = mode;
    apply();
}

void Appearance::apply()
{
    QApplication::setPalette(paletteFor(m_mode));
    // Artwork drawn for the old colours must be drawn again.
    QPixmapCache::clear();
    for (QWidget *w : QApplication::allWidgets())
        w->update();
    Q_EMIT changed(m_mode);
}
