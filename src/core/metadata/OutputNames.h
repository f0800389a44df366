// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// Where each photo of one editor run writes its copy. A copy never lands on a file the
// run reads, and two different sources never share an output; either gets the next free
// " (2)", " (3)"… name instead. The choice depends only on the run's sources, so a later
// run over the same photos replaces its own earlier copies rather than piling up more.
class OutputNames
{
public:
    explicit OutputNames(const QStringList &sourcePaths);

    // The output for `sourcePath`, given the name the command wants for it.
    QString claim(const QString &wanted, const QString &sourcePath);

private:
    QSet<QString> m_sources;
    QHash<QString, QString> m_claimed; // output -> the source that writes it
};
