// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStandardItemModel>
#include <QVariantMap>

// A photo's properties, nested dictionaries as readProperties() gives them ("{Exif}",
// "{GPS}", ...), as an outline of two columns, property and value: a nested map or
// list becomes the children of its row (list entries numbered from 1), so any value
// can be reached by opening its groups. Rebuilt whole on each photo.
class PropertyTreeModel : public QStandardItemModel
{
    Q_OBJECT
public:
    explicit PropertyTreeModel(QObject *parent = nullptr);

    void setProperties(const QVariantMap &properties);

    // The readable form of a single value: bytes as their count, lists and maps as
    // the number of entries they hold (their entries are the row's children).
    static QString valueText(const QVariant &value);
};
