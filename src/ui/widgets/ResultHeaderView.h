// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ImageStrip.h"
#include "ResultTableModel.h"

#include <QMap>
#include <QPointer>

class QLabel;
class QToolButton;

// The result table's title strip: one title per column, lined up with the rows' columns
// at any width. The titles of the name, size and saving columns sort the table: the
// first click sorts up, the next one down; the sorted column shows an arrow.
class ResultHeaderView : public ImageStrip
{
    Q_OBJECT
public:
    explicit ResultHeaderView(QWidget *parent = nullptr);

    // The widget whose width the rows take (the table's viewport); titles follow it.
    void alignWith(QWidget *rowsViewport);
    QToolButton *titleButton(ResultTableModel::Column column) const { return m_buttons.value(column); }
    // Shows the arrow without asking for a sort.
    void setSortIndicator(ResultTableModel::Column column, Qt::SortOrder order);

Q_SIGNALS:
    void sortRequested(ResultTableModel::Column column, Qt::SortOrder order);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void layoutTitles();
    void retranslate();

    QLabel *m_photoTitle;
    QMap<ResultTableModel::Column, QToolButton *> m_buttons;
    QPointer<QWidget> m_rows;
    ResultTableModel::Column m_column = ResultTableModel::Column::None;
    Qt::SortOrder m_order = Qt::AscendingOrder;
};
