#include "ui/CRotateLabel.h"

#include <QPainter>
#include <QTimer>

namespace {
    constexpr int stepInterval = 50; // ms: 20 frames a second
    constexpr double stepAngle = 30; // degrees: one turn every twelve steps
} // namespace

CRotateLabel::CRotateLabel(QWidget* parent)
    : QLabel(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(stepInterval);
    connect(m_timer, &QTimer::timeout, this, &CRotateLabel::rotateStep);
}

void CRotateLabel::showRotating()
{
    show();
    m_running = true;
}

void CRotateLabel::hideRotating()
{
    m_running = false;
    hide();
}

bool CRotateLabel::isTimerActive() const { return m_timer->isActive(); }

void CRotateLabel::rotateStep()
{
    m_angle += stepAngle;
    update();
    if (m_angle >= 360) {
        m_angle = 0;
    }
}

void CRotateLabel::paintEvent(QPaintEvent*)
{
    const QPixmap picture = pixmap(Qt::ReturnByValue);
    if (!m_running || picture.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.translate(width() / 2, height() / 2);
    painter.rotate(m_angle);
    painter.drawImage(QRectF(-width() / 2.0, -height() / 2.0, width(), height()), picture.toImage());
}

// The timer only runs while the indicator can be seen, so a hidden row costs nothing.
void CRotateLabel::showEvent(QShowEvent* event)
{
    if (!m_timer->isActive()) {
        m_timer->start();
    }
    QLabel::showEvent(event);
}

void CRotateLabel::hideEvent(QHideEvent* event)
{
    if (m_timer->isActive()) {
        m_timer->stop();
    }
    QLabel::hideEvent(event);
}
