#include "TarnSlider.h"

#include "UiContext.h"

TarnSlider::TarnSlider(QWidget* parent)
    : TarnSlider(Qt::Horizontal, parent)
{
}

TarnSlider::TarnSlider(Qt::Orientation orientation, QWidget* parent)
    : QSlider(orientation, parent)
{
    setStyleSheet(DefaultStyleSheet(orientation));
}

TarnSlider::~TarnSlider() = default;

QString TarnSlider::DefaultStyleSheet(Qt::Orientation orientation)
{
    const QString accent = AccentCss();
    const int groove = qMax(2, Scaled(4));
    const int handle = qMax(8, Scaled(14));
    const int overhang = (handle - groove) / 2;
    if (orientation == Qt::Horizontal) {
        return QStringLiteral("QSlider::groove:horizontal{height:%1px;background:rgb(150,150,150);border-radius:%2px;}"
                              "QSlider::sub-page:horizontal{background:%3;border-radius:%2px;}"
                              "QSlider::handle:horizontal{background:%3;width:%4px;margin:-%5px 0;"
                              "border-radius:%6px;}")
            .arg(groove).arg(groove / 2).arg(accent).arg(handle).arg(overhang).arg(handle / 2);
    }
    return QStringLiteral("QSlider::groove:vertical{width:%1px;background:rgb(150,150,150);border-radius:%2px;}"
                          "QSlider::add-page:vertical{background:%3;border-radius:%2px;}"
                          "QSlider::handle:vertical{background:%3;height:%4px;margin:0 -%5px;"
                          "border-radius:%6px;}")
        .arg(groove).arg(groove / 2).arg(accent).arg(handle).arg(overhang).arg(handle / 2);
}

void TarnSlider::mousePressEvent(QMouseEvent* event)
{
    QSlider::mousePressEvent(event);
    emit SliderMouseChangeSignal();
}

void TarnSlider::mouseMoveEvent(QMouseEvent* event)
{
    QSlider::mouseMoveEvent(event);
    emit SliderMouseChangeSignal();
}

void TarnSlider::mouseReleaseEvent(QMouseEvent* event)
{
    QSlider::mouseReleaseEvent(event);
    emit SliderMouseChangeSignal();
}
