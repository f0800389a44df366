// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <optional>

class QPainter;

// A bar-shaped progress view: a grey rounded bezel and, for values in (0, 1], a light
// rounded bar whose width follows the value. Values of 0 or above 1 show the bezel only.
class ProgressBarView : public QWidget
{
    Q_OBJECT
public:
    explicit ProgressBarView(QWidget *parent = nullptr);

    float value() const { return m_value; }
    void setProgressValue(float value);

    // The bar for `value` in a view of the given size, in widget coordinates (y down);
    // none when only the bezel is drawn.
    static std::optional<QRectF> barRect(float value, const QSizeF &frame);

    void drawRect(QPainter &painter);
    void drawBezel(QPainter &painter);

    QSize sizeHint() const override { return {200, 12}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    float m_value = 0;
};
