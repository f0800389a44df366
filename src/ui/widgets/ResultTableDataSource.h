// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;
class ResultTableView;

// What the result table asks of its owner. Only the column "Name" exists.
class ResultTableDataSource
{
public:
    virtual ~ResultTableDataSource() = default;
    virtual int numberOfRowsInTableView(ResultTableView *tableView) = 0;
    // A filled row view for `row`, normally from tableView->makeViewWithIdentifier(column);
    // null for a column it does not serve.
    virtual QWidget *tableView(ResultTableView *tableView, const QString &tableColumn, int row) = 0;
};
