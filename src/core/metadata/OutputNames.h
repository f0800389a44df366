// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// Where each photo of one editor run writes its copy. A copy never lands on a file the
// run reads, on a file already in the folder (an earlier command's copy is the user's
// work: two commands share "NewDate_", "After_" and "NewGPS_"), and two different sources
// never share an output; any of these gets the next free " (2)", " (3)"… name instead,
// as compressed results do. Names are settled before the photos run.
class OutputNames
{
public:
    explicit OutputNames(const QStringList &sourcePaths);

    // The output for a photo, given the name the command wants for it.
    QString claim(const QString &wanted);

private:
    QSet<QString> m_sources;
    QSet<QString> m_claimed;
};
