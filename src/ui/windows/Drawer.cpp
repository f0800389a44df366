#include "Drawer.h"

#include "app/Palette.h"

#include <QEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

Drawer::Drawer(QWidget *parentWindow)
    : QWidget(parentWindow, Qt::Tool | Qt::FramelessWindowHint)
    , m_parentWindow(parentWindow)
{
    setObjectName(QStringLiteral("rightDrawer"));
    setPalette(palette::lightPalette());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 0, 1, 1);
    if (parentWindow)
        parentWindow->installEventFilter(this);
}

void Drawer::setContentView(QWidget *view)
{
    if (m_content == view)
        return;
    if (m_content)
        m_content->deleteLater();
    m_content = view;
    if (view)
        layout()->addWidget(view);
}

void Drawer::setContentSize(const QSize &size)
{
    m_contentSize = size.expandedTo(m_minContentSize).boundedTo(m_maxContentSize);
    place();
}

void Drawer::setLeadingOffset(int offset)
{
    m_leadingOffset = offset;
    place();
}

void Drawer::place()
{
    if (!m_parentWindow)
        return;
    const QRect frame = m_parentWindow->frameGeometry();
    // The panel hangs from the window's bottom edge, inset by the leading offset.
    const int width = qMax(100, frame.width() - 2 * m_leadingOffset);
    int top = frame.bottom() + 1;
    if (m_parentWindow->screen()) {
        const QRect area = m_parentWindow->screen()->availableGeometry();
        top = qMin(top, area.bottom() + 1 - m_contentSize.height());
    }
    setGeometry(frame.x() + m_leadingOffset, top, width, m_contentSize.height());
}

void Drawer::makeRoom()
{
    if (!m_parentWindow || !m_parentWindow->screen())
        return;
    // On a short screen the window moves up so the panel below it stays on screen;
    // if both still don't fit, the panel keeps to the screen's bottom edge (see place()).
    const QRect area = m_parentWindow->screen()->availableGeometry();
    const QRect frame = m_parentWindow->frameGeometry();
    const int overflow = frame.bottom() + 1 + m_contentSize.height() - (area.bottom() + 1);
    if (overflow > 0)
        m_parentWindow->move(frame.x(), qMax(area.top(), frame.y() - overflow));
}

void Drawer::open()
{
    if (m_state == OpenState || m_state == OpeningState)
        return;
    m_state = OpeningState;
    Q_EMIT stateChanged(m_state);
    makeRoom();
    place();
    show();
    raise();
    m_state = OpenState;
    Q_EMIT stateChanged(m_state);
}

void Drawer::close()
{
    if (m_state == ClosedState || m_state == ClosingState)
        return;
    m_state = ClosingState;
    Q_EMIT stateChanged(m_state);
    hide();
    m_state = ClosedState;
    Q_EMIT stateChanged(m_state);
}

bool Drawer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_parentWindow && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        if (m_state == OpenState)
            place();
    }
    if (watched == m_parentWindow && event->type() == QEvent::Hide)
        close();
    return QWidget::eventFilter(watched, event);
}

void Drawer::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette::surface());
    painter.setPen(QColor(0xC9, 0xCF, 0xD9));
    painter.drawRect(rect().adjusted(0, -1, -1, -1));
}
