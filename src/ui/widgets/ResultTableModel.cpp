// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultTableModel.h"

#include <QCollator>
#include <QLocale>
#include <QFileInfo>

#include <algorithm>
#include <functional>

ResultTableModel::ResultTableModel(QObject *parent)
    : QObject(parent)
{
}

double ResultTableModel::savedFraction(const Row &row)
{
    const quint64 before = row.entry.originalFileSize();
    const quint64 after = row.entry.restFileSize();
    if (row.state != RowState::Compressed || before == 0 || after >= before)
        return 0.0;
    return double(before - after) / double(before);
}

bool ResultTableModel::lessThan(const Row &a, const Row &b) const
{
    // Descending compares the other way round but keeps ties in arrival order.
    const Row &x = m_sortOrder == Qt::AscendingOrder ? a : b;
    const Row &y = m_sortOrder == Qt::AscendingOrder ? b : a;
    int c = 0;
    switch (m_sortColumn) {
    case Column::None:
        break;
    case Column::Name: {
        static thread_local QCollator collator = [] {
            // Without a language (the C locale) there are no collation rules, numbers included.
            QCollator made(QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale());
            made.setNumericMode(true);
            made.setCaseSensitivity(Qt::CaseInsensitive);
            return made;
        }();
        c = collator.compare(x.entry.fileName(), y.entry.fileName());
        break;
    }
    case Column::Original:
        c = x.entry.originalFileSize() < y.entry.originalFileSize() ? -1
            : x.entry.originalFileSize() > y.entry.originalFileSize() ? 1 : 0;
        break;
    case Column::Compressed:
        c = x.entry.restFileSize() < y.entry.restFileSize() ? -1 : x.entry.restFileSize() > y.entry.restFileSize() ? 1 : 0;
        break;
    case Column::Saved: {
        const double fx = savedFraction(x);
        const double fy = savedFraction(y);
        c = fx < fy ? -1 : fx > fy ? 1 : 0;
        break;
    }
    }
    if (c != 0)
        return c < 0;
    return a.sequence < b.sequence;
}

void ResultTableModel::insertSorted(Row row)
{
    row.sequence = m_nextSequence++;
    if (m_sortColumn == Column::None) {
        m_rows.append(std::move(row));
        Q_EMIT rowsAppended();
        return;
    }
    const auto at = std::upper_bound(m_rows.begin(), m_rows.end(), row,
                                     [this](const Row &a, const Row &b) { return lessThan(a, b); });
    const bool atEnd = at == m_rows.end();
    m_rows.insert(at, std::move(row));
    if (atEnd)
        Q_EMIT rowsAppended();
    else
        Q_EMIT rowsReset();
}

void ResultTableModel::appendEntry(const ResultRow &entry)
{
    Row row;
    row.entry = entry;
    insertSorted(std::move(row));
}

void ResultTableModel::appendProblem(const QString &path, RowState state, const QString &reason)
{
    Row row;
    row.entry.setFileName(QFileInfo(path).fileName());
    row.entry.setOriginalPath(path);
    row.state = state;
    row.reason = reason;
    insertSorted(std::move(row));
}

void ResultTableModel::clear()
{
    m_rows.clear();
    Q_EMIT rowsReset();
}

QList<ResultTableModel::Row> ResultTableModel::removeRows(QList<int> positions)
{
    std::sort(positions.begin(), positions.end(), std::greater<int>());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    QList<Row> removed;
    for (int p : positions) {
        if (p >= 0 && p < m_rows.size())
            removed.prepend(m_rows.takeAt(p));
    }
    if (!removed.isEmpty())
        Q_EMIT rowsReset();
    return removed;
}

void ResultTableModel::sort(Column column, Qt::SortOrder order)
{
    m_sortColumn = column;
    m_sortOrder = order;
    std::stable_sort(m_rows.begin(), m_rows.end(), [this](const Row &a, const Row &b) { return lessThan(a, b); });
    Q_EMIT rowsReset();
}
