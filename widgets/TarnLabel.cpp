#include "TarnLabel.h"

#include <QMouseEvent>

TarnLabel::TarnLabel(QWidget* parent)
    : QLabel(parent)
{
}

TarnLabel::TarnLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
}

TarnLabel::~TarnLabel() = default;

void TarnLabel::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit EnterSignal(this);
}
