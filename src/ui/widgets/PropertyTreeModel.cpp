// SPDX-License-Identifier: GPL-3.0-or-later
#include "PropertyTreeModel.h"

#include <QLocale>

namespace {

QList<QStandardItem *> row(const QString &key, const QVariant &value)
{
    auto *name = new QStandardItem(key);
    auto *text = new QStandardItem(PropertyTreeModel::valueText(value));
    for (QStandardItem *cell : {name, text}) {
        cell->setEditable(false);
        cell->setToolTip(cell->text());
    }
    if (value.typeId() == QMetaType::QVariantMap) {
        const QVariantMap map = value.toMap();
        for (auto it = map.begin(); it != map.end(); ++it)
            name->appendRow(row(it.key(), it.value()));
    } else if (value.typeId() == QMetaType::QVariantList || value.typeId() == QMetaType::QStringList) {
        const QVariantList list = value.toList();
        for (qsizetype i = 0; i < list.size(); ++i)
            name->appendRow(row(QString::number(i + 1), list.at(i)));
    }
    return {name, text};
}

} // namespace

PropertyTreeModel::PropertyTreeModel(QObject *parent)
    : QStandardItemModel(parent)
{
    setHorizontalHeaderLabels({tr("Property"), tr("Value")});
}

void PropertyTreeModel::setProperties(const QVariantMap &properties)
{
    removeRows(0, rowCount());
    for (auto it = properties.begin(); it != properties.end(); ++it)
        appendRow(row(it.key(), it.value()));
}

QString PropertyTreeModel::valueText(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QVariantMap:
        return tr("%n entries", nullptr, int(value.toMap().size()));
    case QMetaType::QVariantList:
    case QMetaType::QStringList:
        return tr("%n values", nullptr, int(value.toList().size()));
    case QMetaType::QByteArray:
        return tr("%1 bytes").arg(QLocale().toString(value.toByteArray().size()));
    case QMetaType::Double:
    case QMetaType::Float:
        return QLocale::c().toString(value.toDouble(), 'g', 10);
    default:
        return value.toString();
    }
}
