// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "compress/ResultRow.h"

#include <QList>
#include <QObject>
#include <QString>

// The rows the result table shows, in the order it shows them: every compressed photo
// of the job and, with a state of their own, the photos it skipped or could not
// compress. Sorting changes only the order shown; rows added while sorted go to their
// sorted place. Main thread only.
class ResultTableModel : public QObject
{
    Q_OBJECT
public:
    enum class RowState { Compressed, Skipped, Failed };
    enum class Column { None, Name, Original, Compressed, Saved };

    struct Row {
        ResultRow entry;
        RowState state = RowState::Compressed;
        // Why a skipped or failed photo has no result, in words for the user.
        QString reason;
        // Arrival order, so "unsorted" and ties keep the job's order.
        qint64 sequence = 0;
    };

    explicit ResultTableModel(QObject *parent = nullptr);

    int rowCount() const { return int(m_rows.size()); }
    const Row &row(int index) const { return m_rows.at(index); }
    const QList<Row> &rows() const { return m_rows; }

    void appendEntry(const ResultRow &entry);
    // A photo with no result: `path` is its source, `state` Skipped or Failed.
    void appendProblem(const QString &path, RowState state, const QString &reason);
    void clear();
    // Removes the rows at these positions (any order, duplicates ignored) and returns them.
    QList<Row> removeRows(QList<int> positions);

    // Orders the rows by `column`; Column::None goes back to arrival order.
    void sort(Column column, Qt::SortOrder order);
    Column sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

    // The saving of a row as a fraction of its source; problem rows count as saving nothing.
    static double savedFraction(const Row &row);

Q_SIGNALS:
    // Rows were added at the end (the table may follow the end).
    void rowsAppended();
    // The order or the set of rows changed in some other way.
    void rowsReset();

private:
    bool lessThan(const Row &a, const Row &b) const;
    void insertSorted(Row row);

    QList<Row> m_rows;
    qint64 m_nextSequence = 0;
    Column m_sortColumn = Column::None;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
