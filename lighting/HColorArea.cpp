#include "HColorArea.h"

#include "UiContext.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

#include <cmath>

HColorArea::HColorArea(QWidget* parent)
    : QWidget(parent)
    , m_stripWidth(qMax(1, Scaled(26)))
    , m_stripHeight(qMax(1, Scaled(128)))
    , m_margin(Scaled(7))
{
    m_strip = QPixmap(m_stripWidth, m_stripHeight);
    QPainter painter(&m_strip);
    // Bottom to top: hue 0 ... 360, with red at both ends.
    QLinearGradient gradient(0, m_stripHeight, 0, 0);
    for (int k = 0; k < 16; ++k)
        gradient.setColorAt(k / 16.0, QColor::fromHsvF(k / 16.0, 1.0, 1.0));
    gradient.setColorAt(1.0, QColor::fromHsvF(0.0, 1.0, 1.0));
    painter.fillRect(m_strip.rect(), gradient);
    setCursor(Qt::CrossCursor);
}

HColorArea::~HColorArea() = default;

QSize HColorArea::sizeHint() const
{
    return QSize(m_stripWidth + Scaled(12), m_stripHeight + 2 * m_margin);
}

void HColorArea::setHue(int hue)
{
    m_hue = qBound(0, hue, 360);
    update();
}

int HColorArea::hueAt(int y) const
{
    const double f = qBound(0.0, 1.0 - double(y - m_margin) / m_stripHeight, 1.0);
    return int(f * 360.0);
}

void HColorArea::pick(int y)
{
    m_hue = hueAt(y);
    update();
    emit hueChangedSignal(m_hue);
}

void HColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(0, m_margin, m_strip);
    painter.setPen(QPen(QColor(70, 70, 70), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, m_margin + 0.5, m_stripWidth - 1, m_stripHeight - 1));

    const int y = m_margin + int(std::lround((1.0 - m_hue / 360.0) * m_stripHeight));
    const int size = qMax(3, Scaled(6));
    const int x = m_stripWidth + Scaled(2);
    QPolygon marker;
    marker << QPoint(x, y) << QPoint(x + size + Scaled(3), y - size) << QPoint(x + size + Scaled(3), y + size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(235, 235, 235));
    painter.drawPolygon(marker);
}

void HColorArea::mousePressEvent(QMouseEvent* event)
{
    pick(event->pos().y());
}

void HColorArea::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() != Qt::NoButton)
        pick(event->pos().y());
}

void HColorArea::mouseReleaseEvent(QMouseEvent*)
{
    emit mouseReleaseSignal();
}
