// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QPointF>
#include <QRectF>

class QVariantAnimation;

// The turning disk's drawing state. Like a compositor layer it keeps a model value
// (the rotation it rests at) apart from what an attached animation shows; removing
// the animation puts the picture back at the model rotation.
class DiskLayer : public QObject
{
    Q_OBJECT
public:
    explicit DiskLayer(QObject *parent = nullptr);
    ~DiskLayer() override;

    QPixmap contents() const { return m_contents; }
    void setContents(const QPixmap &contents);
    QRectF frame() const { return m_frame; } // nominal size of the picture, at (0, 0)
    void setFrame(const QRectF &frame);
    QPointF position() const { return m_position; } // centre in the view
    void setPosition(const QPointF &position);

    qreal rotation() const { return m_rotation; } // model value, radians
    // What is drawn: the animated rotation while an animation is attached, else the model's.
    qreal presentationRotation() const;

    // Takes ownership and starts it; an animation under the same key is replaced.
    void addAnimation(QVariantAnimation *animation, const QString &key);
    void removeAnimationForKey(const QString &key);
    QVariantAnimation *animationForKey(const QString &key) const;

Q_SIGNALS:
    void changed();

private:
    QPixmap m_contents;
    QRectF m_frame;
    QPointF m_position;
    qreal m_rotation = 0;
    QHash<QString, QVariantAnimation *> m_animations;
};
