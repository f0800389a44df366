// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPalette>

class AppSettings;

// The program's colours: the desktop's own (System), or a light or dark palette chosen
// in the preferences and kept in the settings. Applying one sets the application's
// palette, which every window and the artwork follow. Main thread only.
class Appearance : public QObject
{
    Q_OBJECT
public:
    enum Mode { System, Light, Dark };

    explicit Appearance(AppSettings &settings, QObject *parent = nullptr);

    static Mode modeFromName(const QString &name);
    static QString nameOf(Mode mode);

    Mode mode() const { return m_mode; }
    // Stores the choice and applies it.
    void setMode(Mode mode);
    // Sets the application palette for the current mode.
    void apply();
    // The palette a mode gives. System is the palette the desktop gave the program when
    // the first Appearance was made, before any choice was applied.
    static QPalette paletteFor(Mode mode);

Q_SIGNALS:
    void changed(Appearance::Mode mode);

private:
    AppSettings &m_settings;
    Mode m_mode = System;
};
