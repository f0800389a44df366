// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompareController.h"

#include "CompareWindow.h"
#include "widgets/ResultTableModel.h"
#include "widgets/ResultTableView.h"

#include <QAction>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

CompareController::CompareController(ResultTableView *table, const ResultTableModel *results, QWidget *mainWindow,
                                     QObject *parent)
    : QObject(parent)
    , m_table(table)
    , m_results(results)
    , m_mainWindow(mainWindow)
    , m_action(new QAction(tr("Co&mpare"), table))
{
    m_action->setObjectName(QStringLiteral("compareResultAction"));
    m_action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    // First in the row's menu: it is what a double click does.
    const QList<QAction *> existing = table->actions();
    table->insertAction(existing.isEmpty() ? nullptr : existing.first(), m_action);
    connect(m_action, &QAction::triggered, this, [this] {
        const QList<int> rows = m_table->selectedRows();
        if (!rows.isEmpty())
            compareRow(rows.first());
    });
    const auto enable = [this] {
        const QList<int> rows = m_table->selectedRows();
        m_action->setEnabled(rows.size() == 1 && canCompare(rows.first()));
    };
    connect(table, &ResultTableView::selectionChanged, this, enable);
    enable();
}

CompareWindow *CompareController::window() const
{
    return m_window;
}

bool CompareController::canCompare(int row) const
{
    if (row < 0 || row >= m_results->rowCount())
        return false;
    const ResultTableModel::Row &item = m_results->row(row);
    const QString original = item.entry.originalPath();
    const QString result = item.entry.restPath();
    // Replaced in place, the original is in the Trash and its path holds the result.
    return item.state == ResultTableModel::RowState::Compressed && !result.isEmpty()
        && QFileInfo(original).absoluteFilePath() != QFileInfo(result).absoluteFilePath() && QFileInfo::exists(original)
        && QFileInfo::exists(result);
}

bool CompareController::compareRow(int row)
{
    if (!canCompare(row))
        return false;
    const ResultTableModel::Row &item = m_results->row(row);
    const bool first = !m_window;
    if (first)
        m_window = new CompareWindow(m_mainWindow);
    m_window->compare(item.entry.originalPath(), item.entry.restPath());
    if (first) {
        // Most of the screen: the point is to look closely.
        QScreen *screen = m_mainWindow && m_mainWindow->screen() ? m_mainWindow->screen() : QGuiApplication::primaryScreen();
        if (screen) {
            const QRect area = screen->availableGeometry();
            const QSize size = QSize(960, 640).boundedTo(area.size() * 0.9);
            m_window->resize(size);
            m_window->move(area.center() - QPoint(size.width() / 2, size.height() / 2 + 15));
        }
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return true;
}
