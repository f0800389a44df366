// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiskLayer.h"

#include <QVariantAnimation>

DiskLayer::DiskLayer(QObject *parent)
    : QObject(parent)
{
}

DiskLayer::~DiskLayer()
{
    qDeleteAll(m_animations);
}

void DiskLayer::setContents(const QPixmap &contents)
{
    m_contents = contents;
    Q_EMIT changed();
}

void DiskLayer::setFrame(const QRectF &frame)
{
    m_frame = frame;
    Q_EMIT changed();
}

void DiskLayer::setPosition(const QPointF &position)
{
    m_position = position;
    Q_EMIT changed();
}

qreal DiskLayer::presentationRotation() const
{
    for (const QVariantAnimation *animation : m_animations) {
        if (animation->state() == QAbstractAnimation::Running)
            return animation->currentValue().toReal();
    }
    return m_rotation;
}

void DiskLayer::addAnimation(QVariantAnimation *animation, const QString &key)
{
    removeAnimationForKey(key);
    m_animations.insert(key, animation);
    connect(animation, &QVariantAnimation::valueChanged, this, &DiskLayer::changed);
    animation->start();
    Q_EMIT changed();
}

void DiskLayer::removeAnimationForKey(const QString &key)
{
    QVariantAnimation *animation = m_animations.take(key);
    if (!animation)
        return;
    animation->stop();
    delete animation;
    Q_EMIT changed();
}

QVariantAnimation *DiskLayer::animationForKey(const QString &key) const
{
    return m_animations.value(key, nullptr);
}
