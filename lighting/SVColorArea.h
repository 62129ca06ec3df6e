#pragma once

#include <QWidget>

// The saturation/value square of the colour dialog: saturation to the right, value
// upwards, over the current hue. Its own coordinates run 0..side() pixels.
class SVColorArea : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(SVColorArea)

public:
    explicit SVColorArea(QWidget* parent = nullptr);
    ~SVColorArea() override;

    int side() const { return m_side; }
    int offset() const { return m_offset; }
    int hue() const { return m_hue; }
    QPoint markerPoint() const { return QPoint(m_x, m_side - m_y); }

    // Places the marker for saturation and value in 0..255 without emitting anything.
    void setSaturationValue(int saturation, int value);
    // Square pixels (0..side) to the 0..255 range, and back.
    int toComponent(int pixels) const;
    int toPixels(int component) const;

    QSize sizeHint() const override;

public slots:
    void hueChangedSlot(int hue);

signals:
    void svChangedSignal(int h, int s, int v);
    void mouseReleaseSignal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void pick(const QPoint& pos);

    const int m_side;
    const int m_offset;     // room around the square so the marker stays whole at the edges
    int m_hue = 0;
    int m_x = 0;            // saturation, square pixels
    int m_y = 0;            // value, square pixels (0 = bottom)
};
