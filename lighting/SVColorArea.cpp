#include "SVColorArea.h"

#include "UiContext.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

SVColorArea::SVColorArea(QWidget* parent)
    : QWidget(parent)
    , m_side(qMax(1, Scaled(128)))
    , m_offset(Scaled(6))
{
    setCursor(Qt::CrossCursor);
}

SVColorArea::~SVColorArea() = default;

QSize SVColorArea::sizeHint() const
{
    return QSize(m_side + 2 * m_offset + 1, m_side + 2 * m_offset + 1);
}

int SVColorArea::toComponent(int pixels) const
{
    return int(std::lround(qBound(0, pixels, m_side) * 255.0 / m_side));
}

int SVColorArea::toPixels(int component) const
{
    return int(std::lround(qBound(0, component, 255) * double(m_side) / 255.0));
}

void SVColorArea::setSaturationValue(int saturation, int value)
{
    m_x = toPixels(saturation);
    m_y = toPixels(value);
    update();
}

void SVColorArea::hueChangedSlot(int hue)
{
    m_hue = qBound(0, hue, 360);
    update();
}

void SVColorArea::pick(const QPoint& pos)
{
    m_x = qBound(0, pos.x() - m_offset, m_side);
    m_y = qBound(0, m_side - (pos.y() - m_offset), m_side);
    update();
    emit svChangedSignal(m_hue, m_x, m_y);
}

void SVColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect square(m_offset, m_offset, m_side, m_side);
    QLinearGradient across(square.left(), 0, square.left() + m_side, 0);
    across.setColorAt(0.0, Qt::white);
    across.setColorAt(1.0, QColor::fromHsv(m_hue % 360, 255, 255));
    painter.fillRect(square, across);
    QLinearGradient down(0, square.top(), 0, square.top() + m_side);
    down.setColorAt(0.0, QColor(0, 0, 0, 0));
    down.setColorAt(1.0, QColor(0, 0, 0, 255));
    painter.fillRect(square, down);

    painter.setRenderHint(QPainter::Antialiasing);
    // A light ring on dark colours and a dark one on light colours stays visible.
    const bool lowerHalf = toComponent(m_y) < 128;
    painter.setPen(QPen(lowerHalf ? Qt::white : Qt::black, qMax(1, Scaled(2) / 2)));
    painter.setBrush(Qt::NoBrush);
    const double radius = Scaled(12) / 2.0;
    painter.drawEllipse(QPointF(m_offset + m_x, m_offset + m_side - m_y), radius, radius);
}

void SVColorArea::mousePressEvent(QMouseEvent* event)
{
    pick(event->pos());
}

void SVColorArea::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() != Qt::NoButton)
        pick(event->pos());
}

void SVColorArea::mouseReleaseEvent(QMouseEvent*)
{
    emit mouseReleaseSignal();
}
