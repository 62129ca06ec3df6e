#pragma once

#include <QSlider>

// A slider that also reports every change made with the mouse (press, drag, release).
class TarnSlider : public QSlider
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnSlider)

public:
    explicit TarnSlider(QWidget* parent = nullptr);
    explicit TarnSlider(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~TarnSlider() override;

    // The program's slider look: grey groove, filled part and handle in the accent colour.
    static QString DefaultStyleSheet(Qt::Orientation orientation);

signals:
    void SliderMouseChangeSignal();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
