// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

#include <optional>

// The original and the compressed result drawn with one zoom and one centre: side by
// side (two panes), or in one pane split by a slider (original left of it, result right).
// Dragging pans both, dragging the slider moves it, the wheel zooms. A result of another
// size than the original (a resized one) is drawn stretched over the original's area.
class ComparisonView : public QWidget
{
    Q_OBJECT
public:
    enum class Arrangement { SideBySide, Split };

    explicit ComparisonView(QWidget *parent = nullptr);

    void setImages(const QImage &original, const QImage &result);
    const QImage &original() const { return m_original; }
    const QImage &result() const { return m_result; }

    void setArrangement(Arrangement arrangement);
    Arrangement arrangement() const { return m_arrangement; }
    // 0 fits the whole photo; 1 is 100%, 2 is 200%.
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    // Screen pixels per photo pixel now.
    double shownScale() const;
    // Where the slider stands, 0 (left edge) to 1.
    void setSplit(double fraction);
    double split() const { return m_split; }

    // The panes (one when split) and the photo point drawn at a widget point.
    QList<QRectF> panes() const;
    QPointF photoPointAt(const QPointF &widgetPoint) const;
    // The photo point in the middle of every pane.
    QPointF centre() const { return m_centre; }
    void setCentre(const QPointF &photoPoint);

Q_SIGNALS:
    void zoomChanged(double zoom);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    QRectF photoRectIn(const QRectF &pane) const;
    double splitX() const;
    void keepCentreInside();
    void drawPhoto(QPainter &painter, const QImage &image, const QRectF &pane, const QRectF &clip);
    const QImage &fitted(const QImage &image, QImage &cache, double scale) const;
    void drawCaption(QPainter &painter, const QRectF &pane, const QString &text, Qt::Alignment side);

    QImage m_original;
    QImage m_result;
    mutable QImage m_originalFitted;
    mutable QImage m_resultFitted;
    Arrangement m_arrangement = Arrangement::SideBySide;
    double m_zoom = 0;
    double m_split = 0.5;
    QPointF m_centre;
    std::optional<QPointF> m_panFrom;
    bool m_movingSplit = false;
};
