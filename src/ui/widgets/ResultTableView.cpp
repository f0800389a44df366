#include "ResultTableView.h"

#include "ResultTableDataSource.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QFocusEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

ResultTableView::ResultTableView(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameShape(QFrame::NoFrame);
    viewport()->setAutoFillBackground(false);
    verticalScrollBar()->setSingleStep(m_rowHeight / 2);
    setFocusPolicy(Qt::StrongFocus);
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
    const qsizetype before = m_selected.size();
    m_selected.erase(std::remove_if(m_selected.begin(), m_selected.end(), [this](int r) { return r >= m_rowCount; }),
                     m_selected.end());
    if (m_current >= m_rowCount)
        m_current = m_rowCount - 1;
    if (m_selected.size() != before)
        Q_EMIT selectionChanged();
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

int ResultTableView::rowAt(const QPoint &viewportPos) const
{
    if (viewportPos.y() < 0)
        return -1;
    const int row = (viewportPos.y() + verticalScrollBar()->value()) / m_rowHeight;
    return row < m_rowCount ? row : -1;
}

QList<int> ResultTableView::selectedRows() const
{
    return m_selected;
}

void ResultTableView::selectRow(int row, Qt::KeyboardModifiers modifiers)
{
    if (row < 0 || row >= m_rowCount)
        return;
    if ((modifiers & Qt::ShiftModifier) && m_anchor >= 0) {
        const int from = qMin(m_anchor, row);
        const int to = qMax(m_anchor, row);
        if (!(modifiers & Qt::ControlModifier))
            m_selected.clear();
        for (int r = from; r <= to; ++r) {
            if (!m_selected.contains(r))
                m_selected.append(r);
        }
    } else if (modifiers & Qt::ControlModifier) {
        if (m_selected.contains(row))
            m_selected.removeOne(row);
        else
            m_selected.append(row);
        m_anchor = row;
    } else {
        m_selected = {row};
        m_anchor = row;
    }
    std::sort(m_selected.begin(), m_selected.end());
    m_current = row;
    // Keep the current row in view.
    QScrollBar *bar = verticalScrollBar();
    const int top = row * m_rowHeight;
    if (top < bar->value())
        bar->setValue(top);
    else if (top + m_rowHeight > bar->value() + viewport()->height())
        bar->setValue(top + m_rowHeight - viewport()->height());
    viewport()->update();
    Q_EMIT selectionChanged();
}

void ResultTableView::selectAll()
{
    m_selected.clear();
    for (int r = 0; r < m_rowCount; ++r)
        m_selected.append(r);
    viewport()->update();
    Q_EMIT selectionChanged();
}

void ResultTableView::clearSelection()
{
    if (m_selected.isEmpty())
        return;
    m_selected.clear();
    viewport()->update();
    Q_EMIT selectionChanged();
}

// Mouse events arrive through the viewport (the rows' views pass them on), so their
// positions are the viewport's.
void ResultTableView::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    const int row = rowAt(event->position().toPoint());
    if (row < 0) {
        if (event->button() == Qt::LeftButton)
            clearSelection();
        return;
    }
    // A right click on a selected row keeps the selection the menu acts on.
    if (event->button() == Qt::RightButton && m_selected.contains(row))
        return;
    selectRow(row, event->button() == Qt::LeftButton ? event->modifiers() : Qt::NoModifier);
}

void ResultTableView::mouseDoubleClickEvent(QMouseEvent *event)
{
    const int row = rowAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && row >= 0)
        Q_EMIT rowActivated(row);
}

void ResultTableView::keyPressEvent(QKeyEvent *event)
{
    const int page = qMax(1, viewport()->height() / m_rowHeight);
    int target = -1;
    switch (event->key()) {
    case Qt::Key_Up:
        target = qMax(0, m_current - 1);
        break;
    case Qt::Key_Down:
        target = qMin(m_rowCount - 1, m_current + 1);
        break;
    case Qt::Key_PageUp:
        target = qMax(0, m_current - page);
        break;
    case Qt::Key_PageDown:
        target = qMin(m_rowCount - 1, m_current + page);
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = m_rowCount - 1;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_current >= 0)
            Q_EMIT rowActivated(m_current);
        return;
    default:
        if (event->matches(QKeySequence::SelectAll)) {
            selectAll();
            return;
        }
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    if (m_rowCount > 0)
        selectRow(qMax(0, target), event->modifiers() & Qt::ShiftModifier);
}

void ResultTableView::contextMenuEvent(QContextMenuEvent *event)
{
    if (event->reason() == QContextMenuEvent::Mouse) {
        const int row = rowAt(event->pos());
        if (row >= 0 && !m_selected.contains(row))
            selectRow(row);
    }
    if (m_selected.isEmpty() || actions().isEmpty())
        return;
    QMenu::exec(actions(), event->globalPos(), nullptr, this);
}

void ResultTableView::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    if (m_current < 0 && m_rowCount > 0 && event->reason() == Qt::TabFocusReason)
        selectRow(0);
    viewport()->update();
}

void ResultTableView::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void ResultTableView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    const int offset = verticalScrollBar()->value();
    const int first = offset / m_rowHeight;
    const int last = (offset + viewport()->height()) / m_rowHeight;
    for (int row = first; row <= last; ++row) {
        const QRect band(0, row * m_rowHeight - offset, viewport()->width(), m_rowHeight);
        if (row % 2 == 1)
            painter.fillRect(band, palette().color(QPalette::AlternateBase));
        if (row < m_rowCount && m_selected.contains(row)) {
            QColor wash = palette().color(QPalette::Highlight);
            wash.setAlpha(hasFocus() ? 56 : 32);
            painter.fillRect(band, wash);
        }
        if (row < m_rowCount && row == m_current && hasFocus()) {
            painter.setPen(palette().color(QPalette::Highlight));
            painter.drawRect(band.adjusted(0, 0, -1, -2));
        }
        if (row < m_rowCount) {
            painter.setPen(palette().color(QPalette::Mid));
            painter.drawLine(band.bottomLeft(), band.bottomRight());
        }
    }
}
