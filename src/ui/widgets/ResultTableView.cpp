#include "ResultTableView.h"

#include "ResultTableDataSource.h"
#include "app/Palette.h"

#include <QPainter>
#include <QScrollBar>

ResultTableView::ResultTableView(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameShape(QFrame::NoFrame);
    viewport()->setAutoFillBackground(false);
    verticalScrollBar()->setSingleStep(m_rowHeight / 2);
}

void ResultTableView::setDataSource(ResultTableDataSource *dataSource)
{
    m_dataSource = dataSource;
    reloadData();
}

void ResultTableView::setRowHeight(int height)
{
    m_rowHeight = qMax(1, height);
    verticalScrollBar()->setSingleStep(m_rowHeight / 2);
    reloadData();
}

void ResultTableView::registerViewFactory(const QString &identifier, std::function<QWidget *()> factory)
{
    m_factories.insert(identifier, std::move(factory));
}

QWidget *ResultTableView::makeViewWithIdentifier(const QString &identifier)
{
    QList<QWidget *> &free = m_free[identifier];
    if (!free.isEmpty())
        return free.takeLast();
    const auto factory = m_factories.value(identifier);
    if (!factory)
        return nullptr;
    QWidget *view = factory();
    view->setParent(viewport());
    m_kinds.insert(view, identifier);
    ++m_created;
    return view;
}

void ResultTableView::reloadData()
{
    m_rowCount = m_dataSource ? qMax(0, m_dataSource->numberOfRowsInTableView(this)) : 0;
    updateScrollBar();
    layoutRows(true);
    viewport()->update();
}

void ResultTableView::noteNumberOfRowsChanged(bool follow)
{
    QScrollBar *bar = verticalScrollBar();
    const bool atEnd = bar->value() >= bar->maximum();
    const int before = m_rowCount;
    m_rowCount = m_dataSource ? qMax(0, m_dataSource->numberOfRowsInTableView(this)) : 0;
    updateScrollBar();
    if (follow && atEnd && m_rowCount > before)
        bar->setValue(bar->maximum());
    layoutRows(m_rowCount < before);
    viewport()->update();
}

void ResultTableView::updateScrollBar()
{
    QScrollBar *bar = verticalScrollBar();
    const int content = m_rowCount * m_rowHeight;
    bar->setRange(0, qMax(0, content - viewport()->height()));
    bar->setPageStep(viewport()->height());
}

QWidget *ResultTableView::viewAtRow(int row) const
{
    return m_visible.value(row, nullptr);
}

QList<int> ResultTableView::visibleRows() const
{
    return m_visible.keys();
}

void ResultTableView::scrollToRow(int row)
{
    verticalScrollBar()->setValue(row * m_rowHeight);
}

void ResultTableView::layoutRows(bool refill)
{
    const int offset = verticalScrollBar()->value();
    const int first = offset / m_rowHeight;
    const int last = qMin(m_rowCount - 1, (offset + viewport()->height()) / m_rowHeight);

    // Views that left the visible range (or all of them on a refill) become free.
    for (auto it = m_visible.begin(); it != m_visible.end();) {
        if (refill || it.key() < first || it.key() > last) {
            it.value()->hide();
            m_free[m_kinds.value(it.value())].append(it.value());
            it = m_visible.erase(it);
        } else {
            ++it;
        }
    }
    if (!m_dataSource)
        return;
    for (int row = first; row <= last; ++row) {
        QWidget *view = m_visible.value(row, nullptr);
        if (!view) {
            view = m_dataSource->tableView(this, m_column, row);
            if (!view)
                continue;
            m_visible.insert(row, view);
            // A view the data source made itself joins the reuse pool too.
            if (!m_kinds.contains(view)) {
                view->setParent(viewport());
                m_kinds.insert(view, m_column);
            }
        }
        view->setGeometry(0, row * m_rowHeight - offset, viewport()->width(), m_rowHeight);
        view->show();
    }
}

void ResultTableView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBar();
    layoutRows(false);
}

void ResultTableView::scrollContentsBy(int, int)
{
    layoutRows(false);
    viewport()->update();
}

void ResultTableView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
    const int offset = verticalScrollBar()->value();
    const int first = offset / m_rowHeight;
    const int last = (offset + viewport()->height()) / m_rowHeight;
    for (int row = first; row <= last; ++row) {
        const QRect band(0, row * m_rowHeight - offset, viewport()->width(), m_rowHeight);
        if (row % 2 == 1)
            painter.fillRect(band, palette::rowAlternate());
        if (row < m_rowCount) {
            painter.setPen(palette::border());
            painter.drawLine(band.bottomLeft(), band.bottomRight());
        }
    }
}
