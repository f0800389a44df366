// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class AppSettings;
class QFileDialog;

// What every panel that picks photos has in common: filters for the photo formats (and
// All Files), a start in the folder of the last choice, else the user's Pictures, and
// remembering the folder of what was chosen.
namespace importpanel {

// "Photos (...)", one filter per format, then "All Files (*)".
QStringList photoFilters();
// The folder a panel starts in: the last choice's folder while it exists, else
// ~/Pictures when it exists, else the home folder.
QString startFolder(const AppSettings &settings);
void prepare(QFileDialog *panel, const AppSettings &settings);
// Stores the folder of the panel's chosen files.
void remember(const QFileDialog *panel, AppSettings &settings);

} // namespace importpanel
