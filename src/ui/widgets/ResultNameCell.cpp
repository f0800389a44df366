// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultNameCell.h"

#include "app/Artwork.h"
#include "app/FileRevealer.h"
#include "app/Palette.h"
#include "sources/Thumbnailer.h"

#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

static QPixmap framedThumbnail(const QImage &image, int edge, qreal dpr)
{
    QPixmap out(QSize(edge, edge) * dpr);
    out.setDevicePixelRatio(dpr);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(0.5, 0.5, edge - 1, edge - 1), 6, 6);
    painter.fillPath(clip, palette::surface());
    if (!image.isNull() && image.width() > 1) {
        painter.setClipPath(clip);
        // Fill the square, cropping the long side, as photo grids do.
        QSizeF target = QSizeF(image.size()).scaled(QSizeF(edge, edge), Qt::KeepAspectRatioByExpanding);
        QRectF r(QPointF(0, 0), target);
        r.moveCenter(QPointF(edge / 2.0, edge / 2.0));
        painter.drawImage(r, image);
        painter.setClipping(false);
    } else {
        const QPixmap glyph = artwork::pixmap(QStringLiteral("rowplaceholder.png"));
        const QSizeF g = glyph.deviceIndependentSize();
        painter.drawPixmap(QRectF(QPointF((edge - g.width()) / 2, (edge - g.height()) / 2), g), glyph,
                           QRectF(glyph.rect()));
    }
    painter.setPen(QPen(palette::border(), 1));
    painter.drawPath(clip);
    return out;
}

ResultNameCell::ResultNameCell(Thumbnailer *thumbnails, QWidget *parent)
    : QWidget(parent)
    , m_thumbnails(thumbnails)
    , m_imageView(new QLabel(this))
    , m_fileNamelab(new QLabel(this))
    , m_originalFileSizelab(new QLabel(this))
    , m_restFileSizelab(new QLabel(this))
    , m_percentlab(new QLabel(this))
    , m_reasonlab(new QLabel(this))
    , m_revealButton(new QToolButton(this))
{
    m_imageView->setObjectName(QStringLiteral("imageView"));
    m_fileNamelab->setObjectName(QStringLiteral("fileNamelab"));
    m_originalFileSizelab->setObjectName(QStringLiteral("originalFileSizelab"));
    m_restFileSizelab->setObjectName(QStringLiteral("restFileSizelab"));
    m_percentlab->setObjectName(QStringLiteral("percentlab"));
    m_revealButton->setObjectName(QStringLiteral("revealButton"));
    m_reasonlab->setObjectName(QStringLiteral("reasonlab"));
    m_reasonlab->setTextFormat(Qt::PlainText);
    m_reasonlab->setForegroundRole(QPalette::PlaceholderText);
    m_reasonlab->hide();

    QFont nameFont = font();
    nameFont.setWeight(QFont::DemiBold);
    m_fileNamelab->setFont(nameFont);
    m_fileNamelab->setTextFormat(Qt::PlainText);
    for (QLabel *label : {m_originalFileSizelab, m_restFileSizelab}) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        palette::setTextColour(label, palette::secondaryText);
    }
    QFont percentFont = font();
    percentFont.setBold(true);
    m_percentlab->setFont(percentFont);
    m_percentlab->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    palette::setTextColour(m_percentlab, palette::saving);

    artwork::setIcon(m_revealButton, QStringLiteral("revealnom.png"));
    m_revealButton->setIconSize(QSize(22, 22));
    m_revealButton->setAutoRaise(true);
    m_revealButton->setCursor(Qt::PointingHandCursor);
    m_revealButton->setToolTip(tr("Show in the file manager"));
    m_revealButton->setAccessibleName(tr("Show in the file manager"));
    connect(m_revealButton, &QToolButton::clicked, this, &ResultNameCell::ClickShowInFinderAction);

    if (m_thumbnails) {
        connect(m_thumbnails, &Thumbnailer::thumbnailReady, this, [this](const QString &path) {
            if (path == m_currentfilePath)
                showThumbnail();
        });
    }
}

void ResultNameCell::setCurrentfilePath(const QString &path)
{
    m_currentfilePath = path;
    m_revealButton->setEnabled(!path.isEmpty());
    showThumbnail();
}

void ResultNameCell::setProblem(const QString &state, const QString &reason)
{
    const bool problem = !state.isEmpty();
    m_reason = reason;
    m_originalFileSizelab->setVisible(!problem);
    m_restFileSizelab->setVisible(!problem);
    m_reasonlab->setVisible(problem);
    m_reasonlab->setToolTip(reason);
    palette::setTextColour(m_percentlab, problem ? palette::failure : palette::saving);
    if (problem)
        m_percentlab->setText(state);
    layoutFigures();
}

void ResultNameCell::layoutFigures()
{
    const int w = width();
    const int h = height();
    const int right = percentColumnX(w) + percentColumnWidth();
    if (m_reasonlab->isHidden()) {
        m_percentlab->setGeometry(percentColumnX(w), 0, percentColumnWidth(), h);
    } else {
        // The state word may be longer than a percentage (translations): it takes the
        // compressed size's column too, and the reason the original size's.
        m_percentlab->setGeometry(restColumnX(w), 0, right - restColumnX(w), h);
        m_reasonlab->setGeometry(originalColumnX(w) - 40, 0, restColumnX(w) - originalColumnX(w) + 32, h);
    }
    elideReason();
}

void ResultNameCell::elideReason()
{
    m_reasonlab->setText(m_reasonlab->fontMetrics().elidedText(m_reason, Qt::ElideRight, m_reasonlab->width()));
}

void ResultNameCell::showThumbnail()
{
    const QImage image = (m_thumbnails && !m_currentfilePath.isEmpty()) ? m_thumbnails->thumbnail(m_currentfilePath)
                                                                       : QImage();
    m_imageView->setPixmap(framedThumbnail(image, ThumbnailEdge, devicePixelRatioF()));
}

void ResultNameCell::ClickShowInFinderAction()
{
    if (m_currentfilePath.isEmpty())
        return;
    FileRevealer::instance()->selectFile(m_currentfilePath, QFileInfo(m_currentfilePath).absolutePath());
}

void ResultNameCell::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int h = height();
    const int edge = ThumbnailEdge;
    m_imageView->setGeometry(14, (h - edge) / 2, edge, edge);
    const int w = width();
    const int nameX = nameColumnX();
    m_fileNamelab->setGeometry(nameX, 0, originalColumnX(w) - nameX - 8, h);
    m_originalFileSizelab->setGeometry(originalColumnX(w), 0, sizeColumnWidth(), h);
    m_restFileSizelab->setGeometry(restColumnX(w), 0, sizeColumnWidth(), h);
    layoutFigures();
    const int buttonX = percentColumnX(w) + percentColumnWidth() + 14;
    m_revealButton->setGeometry(buttonX, (h - 32) / 2, 32, 32);
}
