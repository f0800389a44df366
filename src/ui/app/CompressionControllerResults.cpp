// SPDX-License-Identifier: GPL-3.0-or-later
// CompressionController: the result table's rows, their order and what the user can do with them
// (open, show in the folder, copy the path, take them off the list).
#include "CompressionController.h"

#include "FileRevealer.h"
#include "MainInterface.h"
#include "compare/CompareController.h"
#include "widgets/FramelessWindow.h"
#include "widgets/ResultNameCell.h"
#include "widgets/ResultHeaderView.h"
#include "widgets/ResultTableModel.h"
#include "widgets/ResultTableView.h"

#include <QAction>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QUrl>

// The file a row stands for: the result, or the source when there is none.
static QString rowFile(const ResultTableModel::Row &row)
{
    return row.entry.restPath().isEmpty() ? row.entry.originalPath() : row.entry.restPath();
}

void CompressionController::wireResultTable()
{
    MainInterface &ui = *m_ui;
    ResultTableView *table = ui.theTableview;
    connect(m_results, &ResultTableModel::rowsAppended, table, [table] { table->noteNumberOfRowsChanged(); });
    connect(m_results, &ResultTableModel::rowsReset, table, [table] { table->reloadData(); });
    connect(ui.resultHeader, &ResultHeaderView::sortRequested, m_results,
            [this](ResultTableModel::Column column, Qt::SortOrder order) {
                m_ui->theTableview->clearSelection();
                m_results->sort(column, order);
            });
    // A double click shows what compression did; rows with nothing to compare open.
    m_compare = new CompareController(table, m_results, ui.window, this);
    connect(table, &ResultTableView::rowActivated, this, [this](int row) {
        if (!m_compare->compareRow(row))
            openSelectedResults();
    });
    connect(ui.openResultAction, &QAction::triggered, this, &CompressionController::openSelectedResults);
    connect(ui.revealResultAction, &QAction::triggered, this, &CompressionController::revealSelectedResults);
    connect(ui.copyResultPathAction, &QAction::triggered, this, &CompressionController::copySelectedResultPaths);
    connect(ui.removeResultAction, &QAction::triggered, this, &CompressionController::removeSelectedResults);
    const auto enable = [this] {
        const bool any = !m_ui->theTableview->selectedRows().isEmpty();
        for (QAction *a : {m_ui->openResultAction, m_ui->revealResultAction, m_ui->copyResultPathAction,
                           m_ui->removeResultAction})
            a->setEnabled(any);
    };
    connect(table, &ResultTableView::selectionChanged, this, enable);
    enable();
}

QStringList CompressionController::selectedResultFiles() const
{
    QStringList files;
    for (int row : m_ui->theTableview->selectedRows()) {
        if (row < m_results->rowCount())
            files.append(rowFile(m_results->row(row)));
    }
    return files;
}

void CompressionController::openSelectedResults()
{
    for (const QString &file : selectedResultFiles())
        QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void CompressionController::revealSelectedResults()
{
    const QStringList files = selectedResultFiles();
    // One file manager window is enough: the first selected file.
    if (!files.isEmpty())
        FileRevealer::instance()->selectFile(files.constFirst(), QFileInfo(files.constFirst()).absolutePath());
}

void CompressionController::copySelectedResultPaths()
{
    const QStringList files = selectedResultFiles();
    if (!files.isEmpty())
        QGuiApplication::clipboard()->setText(files.join(QLatin1Char('\n')));
}

void CompressionController::removeSelectedResults()
{
    // The list is the job's while it runs: its rows arrive in order and make the totals.
    if (isCompressing())
        return;
    const QList<ResultTableModel::Row> removed = m_results->removeRows(m_ui->theTableview->selectedRows());
    // Taken off the list, a photo is no longer one of the results a resize works on.
    for (const ResultTableModel::Row &row : removed) {
        if (row.state == ResultTableModel::RowState::Compressed)
            m_dragPhotoArray.removeOne(row.entry);
    }
    m_ui->theTableview->clearSelection();
}

int CompressionController::numberOfRowsInTableView(ResultTableView *)
{
    return m_results->rowCount();
}

QWidget *CompressionController::tableView(ResultTableView *tableView, const QString &tableColumn, int row)
{
    if (tableColumn != QLatin1String("Name") || row < 0 || row >= m_results->rowCount())
        return nullptr;
    auto *cell = qobject_cast<ResultNameCell *>(tableView->makeViewWithIdentifier(QStringLiteral("Name")));
    if (!cell)
        return nullptr;
    const ResultTableModel::Row &item = m_results->row(row);
    const ResultRow &entry = item.entry;
    cell->fileNamelab()->setText(shownName(entry.fileName()));
    cell->fileNamelab()->setToolTip(entry.originalPath());
    cell->setCurrentfilePath(entry.restPath());
    switch (item.state) {
    case ResultTableModel::RowState::Compressed:
        cell->setProblem(QString(), QString());
        cell->originalFileSizelab()->setText(entry.originalFileSizeStr());
        cell->restFileSizelab()->setText(entry.restFileSizeStr());
        cell->percentlab()->setText(entry.percentText());
        break;
    case ResultTableModel::RowState::Skipped:
        cell->setProblem(tr("Skipped"), item.reason);
        break;
    case ResultTableModel::RowState::Failed:
        cell->setProblem(tr("Failed"), item.reason);
        break;
    }
    return cell;
}
