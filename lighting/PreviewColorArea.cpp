#include "PreviewColorArea.h"

#include <QPainter>

PreviewColorArea::PreviewColorArea(QWidget* parent)
    : QWidget(parent)
{
}

PreviewColorArea::~PreviewColorArea() = default;

void PreviewColorArea::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void PreviewColorArea::svChangedSlot(int h, int s, int v)
{
    setColor(QColor::fromHsv(qBound(0, h, 360) % 360, qBound(0, s, 255), qBound(0, v, 255)));
}

void PreviewColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
