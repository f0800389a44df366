#pragma once

#include <QStyledItemDelegate>

// Draws a cell of the editor's photo list: the picture fitted into its square with a
// soft shadow, the title under it, and a tinted cell when selected.
class BrowserCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // `edge`: the picture's square; `cellWidth`: the whole cell, room for the name.
    BrowserCellDelegate(int edge, int cellWidth, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int m_edge;
    int m_cellWidth;
};
