#pragma once

#include <QAbstractScrollArea>
#include <QHash>
#include <QList>
#include <QMap>
#include <QPoint>

#include <functional>

class ResultTableDataSource;

// A one-column table of fixed-height rows, each a real widget. Only the rows in view
// have widgets, and those are reused as the table scrolls, so a table of thousands of
// rows costs a screenful of widgets. Rows come from the data source on demand.
// Rows are selected with the mouse and the keyboard as in any list; the table's own
// actions (addAction) make up its context menu and carry its key shortcuts.
class ResultTableView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit ResultTableView(QWidget *parent = nullptr);

    void setDataSource(ResultTableDataSource *dataSource);
    void setRowHeight(int height);
    int rowHeight() const { return m_rowHeight; }
    void setColumnIdentifier(const QString &identifier) { m_column = identifier; }
    QString columnIdentifier() const { return m_column; }

    // How row views of an identifier are made when none is free for reuse.
    void registerViewFactory(const QString &identifier, std::function<QWidget *()> factory);
    // A free view of that kind, for the data source to fill; null for an unknown identifier.
    QWidget *makeViewWithIdentifier(const QString &identifier);

    // Asks the data source again for everything.
    void reloadData();
    // The data source has more rows at the end; only new rows in view are asked for.
    // With `follow`, the table scrolls to the end if it was showing the end.
    void noteNumberOfRowsChanged(bool follow = true);

    int numberOfRows() const { return m_rowCount; }
    // The view showing `row`, or null when the row is out of view.
    QWidget *viewAtRow(int row) const;
    QList<int> visibleRows() const;
    int createdViewCount() const { return m_created; }
    void scrollToRow(int row);
    // The row under a point of the viewport, -1 below the last row.
    int rowAt(const QPoint &viewportPos) const;

    // Selected rows, ascending. Reloading keeps the selection only where rows remain.
    QList<int> selectedRows() const;
    void selectRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void selectAll();
    void clearSelection();
    int currentRow() const { return m_current; }

Q_SIGNALS:
    void selectionChanged();
    // A double click or Return on a row.
    void rowActivated(int row);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void updateScrollBar();
    void layoutRows(bool refill);

    ResultTableDataSource *m_dataSource = nullptr;
    int m_rowHeight = 56;
    int m_rowCount = 0;
    int m_created = 0;
    QString m_column = QStringLiteral("Name");
    QHash<QString, std::function<QWidget *()>> m_factories;
    QHash<QString, QList<QWidget *>> m_free;
    QHash<QWidget *, QString> m_kinds;
    QMap<int, QWidget *> m_visible; // row -> view
    QList<int> m_selected;         // ascending
    int m_current = -1;
    int m_anchor = -1;
};
