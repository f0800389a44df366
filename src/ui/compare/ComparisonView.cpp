// SPDX-License-Identifier: GPL-3.0-or-later
#include "ComparisonView.h"

#include "app/Palette.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kGap = 4;        // between the two panes
constexpr double kGrabWidth = 6;  // how near the slider a press takes it
constexpr double kMinZoom = 0.05;
constexpr double kMaxZoom = 8;

} // namespace

ComparisonView::ComparisonView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("comparisonView"));
    setMinimumSize(320, 200);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ComparisonView::setImages(const QImage &original, const QImage &result)
{
    m_original = original;
    m_result = result;
    m_originalFitted = QImage();
    m_resultFitted = QImage();
    m_centre = QPointF(original.width() / 2.0, original.height() / 2.0);
    update();
}

void ComparisonView::setArrangement(Arrangement arrangement)
{
    m_arrangement = arrangement;
    keepCentreInside();
    update();
}

void ComparisonView::setZoom(double zoom)
{
    m_zoom = zoom <= 0 ? 0 : std::clamp(zoom, kMinZoom, kMaxZoom);
    keepCentreInside();
    update();
    Q_EMIT zoomChanged(m_zoom);
}

void ComparisonView::setSplit(double fraction)
{
    m_split = std::clamp(fraction, 0.0, 1.0);
    update();
}

void ComparisonView::setCentre(const QPointF &photoPoint)
{
    m_centre = photoPoint;
    keepCentreInside();
    update();
}

QList<QRectF> ComparisonView::panes() const
{
    const QRectF all = rect();
    if (m_arrangement == Arrangement::Split)
        return {all};
    const double half = (all.width() - kGap) / 2;
    return {QRectF(all.left(), all.top(), half, all.height()),
            QRectF(all.left() + half + kGap, all.top(), half, all.height())};
}

double ComparisonView::shownScale() const
{
    if (m_zoom > 0 || m_original.isNull())
        return m_zoom > 0 ? m_zoom : 1;
    const QRectF pane = panes().first();
    return std::min(pane.width() / m_original.width(), pane.height() / m_original.height());
}

// The photo's whole area in widget coordinates. At 100% and more, photo pixels start on
// whole screen pixels, so every pixel shows as itself (or as a clean block of them).
QRectF ComparisonView::photoRectIn(const QRectF &pane) const
{
    const double scale = shownScale();
    QPointF topLeft = pane.center() - m_centre * scale;
    if (scale >= 1)
        topLeft = QPointF(std::round(topLeft.x()), std::round(topLeft.y()));
    return QRectF(topLeft, QSizeF(m_original.size()) * scale);
}

QPointF ComparisonView::photoPointAt(const QPointF &widgetPoint) const
{
    for (const QRectF &pane : panes()) {
        if (pane.contains(widgetPoint)) {
            const QRectF photo = photoRectIn(pane);
            return (widgetPoint - photo.topLeft()) / shownScale();
        }
    }
    return {-1, -1};
}

// A photo smaller than its pane stays in the middle; a larger one never shows past its edges.
void ComparisonView::keepCentreInside()
{
    if (m_original.isNull())
        return;
    const double scale = shownScale();
    const QRectF pane = panes().first();
    const auto clampAxis = [](double centre, double photo, double view) {
        const double half = view / 2;
        return photo <= view ? photo / 2 : std::clamp(centre, half, photo - half);
    };
    m_centre = QPointF(clampAxis(m_centre.x(), m_original.width(), pane.width() / scale),
                       clampAxis(m_centre.y(), m_original.height(), pane.height() / scale));
}

double ComparisonView::splitX() const
{
    return rect().left() + m_split * rect().width();
}

// Below 100% the photo is shown smoothly reduced, made once per scale: a 50-megapixel
// photo scaled on every paint would make panning stutter.
const QImage &ComparisonView::fitted(const QImage &image, QImage &cache, double scale) const
{
    const QSize size(std::max(1, int(std::lround(m_original.width() * scale))),
                     std::max(1, int(std::lround(m_original.height() * scale))));
    if (cache.size() != size)
        cache = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return cache;
}

void ComparisonView::drawPhoto(QPainter &painter, const QImage &image, const QRectF &pane, const QRectF &clip)
{
    if (image.isNull())
        return;
    painter.save();
    painter.setClipRect(clip);
    const QRectF target = photoRectIn(pane);
    const double scale = shownScale();
    if (scale < 1) {
        const QImage &small = fitted(image, &image == &m_original ? m_originalFitted : m_resultFitted, scale);
        painter.drawImage(target.topLeft(), small);
    } else {
        // Blocks stay blocks: no smoothing when enlarging. Only the part in view is drawn.
        const QRectF visible = target.intersected(clip);
        const QRectF source((visible.topLeft() - target.topLeft()) / scale, visible.size() / scale);
        const double sx = double(image.width()) / m_original.width();
        const double sy = double(image.height()) / m_original.height();
        painter.drawImage(visible, image, QRectF(source.x() * sx, source.y() * sy, source.width() * sx, source.height() * sy));
    }
    painter.restore();
}

void ComparisonView::drawCaption(QPainter &painter, const QRectF &pane, const QString &text, Qt::Alignment side)
{
    const QFontMetrics metrics(font());
    const QSizeF size(metrics.horizontalAdvance(text) + 12, metrics.height() + 6);
    QRectF box(QPointF(), size);
    box.moveTop(pane.top() + 6);
    if (side & Qt::AlignRight)
        box.moveRight(pane.right() - 6);
    else
        box.moveLeft(pane.left() + 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 150));
    painter.drawRoundedRect(box, 4, 4);
    painter.setPen(Qt::white);
    painter.drawText(box, Qt::AlignCenter, text);
}

void ComparisonView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette::surface().darker(115));
    const QList<QRectF> shown = panes();
    const QString before = tr("Original");
    const QString after = tr("Compressed");
    if (m_arrangement == Arrangement::SideBySide) {
        drawPhoto(painter, m_original, shown.at(0), shown.at(0));
        drawPhoto(painter, m_result, shown.at(1), shown.at(1));
        drawCaption(painter, shown.at(0), before, Qt::AlignLeft);
        drawCaption(painter, shown.at(1), after, Qt::AlignLeft);
        return;
    }
    const QRectF pane = shown.first();
    const double x = splitX();
    drawPhoto(painter, m_original, pane, QRectF(pane.topLeft(), QPointF(x, pane.bottom())));
    drawPhoto(painter, m_result, pane, QRectF(QPointF(x, pane.top()), pane.bottomRight()));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(QPointF(x, pane.top()), QPointF(x, pane.bottom()));
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(0, 0, 0, 120), 1));
    painter.drawEllipse(QPointF(x, pane.center().y()), 8, 8);
    drawCaption(painter, pane, before, Qt::AlignLeft);
    drawCaption(painter, pane, after, Qt::AlignRight);
}

void ComparisonView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_arrangement == Arrangement::Split && std::abs(event->position().x() - splitX()) <= kGrabWidth) {
        m_movingSplit = true;
        return;
    }
    m_panFrom = event->position();
    setCursor(Qt::ClosedHandCursor);
}

void ComparisonView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_movingSplit) {
        setSplit((event->position().x() - rect().left()) / std::max(1, width()));
    } else if (m_panFrom) {
        setCentre(m_centre - (event->position() - *m_panFrom) / shownScale());
        m_panFrom = event->position();
    } else {
        const bool overSlider = m_arrangement == Arrangement::Split && std::abs(event->position().x() - splitX()) <= kGrabWidth;
        setCursor(overSlider ? Qt::SplitHCursor : Qt::OpenHandCursor);
    }
}

void ComparisonView::mouseReleaseEvent(QMouseEvent *)
{
    m_movingSplit = false;
    m_panFrom.reset();
    unsetCursor();
}

void ComparisonView::wheelEvent(QWheelEvent *event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0 || m_original.isNull())
        return;
    // The photo point under the pointer stays under it.
    const QPointF under = photoPointAt(event->position());
    const double from = shownScale();
    setZoom(from * std::pow(1.25, steps));
    if (under.x() >= 0) {
        const double to = shownScale();
        setCentre(m_centre + (under - m_centre) * (1 - from / to));
    }
    event->accept();
}
