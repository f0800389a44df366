// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultHeaderView.h"

#include "ResultNameCell.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

using Column = ResultTableModel::Column;

static QFont titleFont(QFont f)
{
    f.setPointSizeF(f.pointSizeF() * 0.9);
    f.setWeight(QFont::DemiBold);
    return f;
}

// A small triangle in the title's text colour, so it reads on light and dark strips.
static QIcon arrowIcon(Qt::SortOrder order, const QColor &colour)
{
    QPixmap pm(QSize(16, 16) * 2);
    pm.setDevicePixelRatio(2);
    pm.fill(Qt::transparent);
    QPainter painter(&pm);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    if (order == Qt::AscendingOrder) {
        path.moveTo(4, 10.5);
        path.lineTo(12, 10.5);
        path.lineTo(8, 5.5);
    } else {
        path.moveTo(4, 5.5);
        path.lineTo(12, 5.5);
        path.lineTo(8, 10.5);
    }
    path.closeSubpath();
    painter.fillPath(path, colour);
    return QIcon(pm);
}

ResultHeaderView::ResultHeaderView(QWidget *parent)
    : ImageStrip(QStringLiteral("tablehead.png"), parent)
    , m_photoTitle(new QLabel(this))
{
    m_photoTitle->setFont(titleFont(font()));
    m_photoTitle->setForegroundRole(QPalette::PlaceholderText);
    m_photoTitle->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (Column c : {Column::Name, Column::Original, Column::Compressed, Column::Saved}) {
        auto *button = new QToolButton(this);
        button->setAutoRaise(true);
        button->setFont(titleFont(font()));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setIconSize(QSize(12, 12));
        button->setCursor(Qt::PointingHandCursor);
        button->setFocusPolicy(Qt::TabFocus);
        if (c != Column::Name)
            button->setLayoutDirection(Qt::RightToLeft); // the arrow goes before a right-aligned title
        connect(button, &QToolButton::clicked, this, [this, c] {
            const Qt::SortOrder order = (m_column == c && m_order == Qt::AscendingOrder) ? Qt::DescendingOrder
                                                                                          : Qt::AscendingOrder;
            setSortIndicator(c, order);
            Q_EMIT sortRequested(c, order);
        });
        m_buttons.insert(c, button);
    }
    retranslate();
}

void ResultHeaderView::retranslate()
{
    m_photoTitle->setText(tr("Photo"));
    const QMap<Column, QString> titles{{Column::Name, tr("Name")},
                                       {Column::Original, tr("Original")},
                                       {Column::Compressed, tr("Compressed")},
                                       {Column::Saved, tr("Saved")}};
    for (auto it = m_buttons.begin(); it != m_buttons.end(); ++it) {
        it.value()->setText(titles.value(it.key()));
        it.value()->setToolTip(tr("Sort by %1; click again to reverse").arg(titles.value(it.key())));
        it.value()->setAccessibleName(tr("Sort by %1").arg(titles.value(it.key())));
    }
    layoutTitles();
}

void ResultHeaderView::alignWith(QWidget *rowsViewport)
{
    if (m_rows)
        m_rows->removeEventFilter(this);
    m_rows = rowsViewport;
    if (m_rows)
        m_rows->installEventFilter(this);
    layoutTitles();
}

void ResultHeaderView::setSortIndicator(Column column, Qt::SortOrder order)
{
    m_column = column;
    m_order = order;
    const QColor colour = palette().color(QPalette::WindowText);
    for (auto it = m_buttons.begin(); it != m_buttons.end(); ++it)
        it.value()->setIcon(it.key() == column ? arrowIcon(order, colour) : QIcon());
    layoutTitles();
}

void ResultHeaderView::layoutTitles()
{
    const int w = m_rows ? m_rows->width() : width();
    const int h = height();
    m_photoTitle->setGeometry(14, 0, 50, h);
    const auto place = [&](Column c, int x, int width) {
        QToolButton *b = m_buttons.value(c);
        const int hint = b->sizeHint().width();
        // Right-aligned titles grow to the left when the text is longer than the column.
        const int bw = qMax(hint, width);
        const int bx = (c == Column::Name) ? x : x + width - bw;
        b->setGeometry(bx, 2, bw, h - 4);
    };
    place(Column::Name, ResultNameCell::nameColumnX() - 6,
          qMin(200, ResultNameCell::originalColumnX(w) - ResultNameCell::nameColumnX()));
    place(Column::Original, ResultNameCell::originalColumnX(w), ResultNameCell::sizeColumnWidth());
    place(Column::Compressed, ResultNameCell::restColumnX(w), ResultNameCell::sizeColumnWidth());
    place(Column::Saved, ResultNameCell::percentColumnX(w), ResultNameCell::percentColumnWidth());
}

void ResultHeaderView::resizeEvent(QResizeEvent *event)
{
    ImageStrip::resizeEvent(event);
    layoutTitles();
}

bool ResultHeaderView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_rows && event->type() == QEvent::Resize)
        layoutTitles();
    return ImageStrip::eventFilter(watched, event);
}

void ResultHeaderView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    else if (event->type() == QEvent::PaletteChange)
        setSortIndicator(m_column, m_order);
    ImageStrip::changeEvent(event);
}
