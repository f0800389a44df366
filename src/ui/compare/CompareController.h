// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class CompareWindow;
class QAction;
class QWidget;
class ResultTableModel;
class ResultTableView;

// The result list's way into the compare view: the "Compare" item of a row's context
// menu, and the double click on a row. Main thread only.
class CompareController : public QObject
{
    Q_OBJECT
public:
    CompareController(ResultTableView *table, const ResultTableModel *results, QWidget *mainWindow, QObject *parent);

    // Opens the compare view for the row; false when the row has nothing to compare
    // (skipped or failed, or its original was replaced by the result).
    bool compareRow(int row);
    bool canCompare(int row) const;

    QAction *compareAction() const { return m_action; }
    CompareWindow *window() const;

private:
    ResultTableView *m_table;
    const ResultTableModel *m_results;
    QWidget *m_mainWindow;
    QAction *m_action;
    QPointer<CompareWindow> m_window;
};
