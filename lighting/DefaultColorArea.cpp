#include "DefaultColorArea.h"

#include <QMouseEvent>
#include <QPainter>

DefaultColorArea::DefaultColorArea(QWidget* parent)
    : DefaultColorArea(QColor(Qt::black), parent)
{
}

DefaultColorArea::DefaultColorArea(const QColor& color, QWidget* parent)
    : QWidget(parent)
    , m_color(color)
{
    setCursor(Qt::PointingHandCursor);
}

DefaultColorArea::~DefaultColorArea() = default;

void DefaultColorArea::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void DefaultColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // A colour that never was set (invalid) shows as black rather than as nothing.
    painter.fillRect(rect(), m_color.isValid() ? m_color : QColor(Qt::black));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void DefaultColorArea::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit ClickedSignal();
}
