#pragma once

#include <QPixmap>
#include <QWidget>

// The vertical hue strip of the colour dialog: hue 360 at the top, 0 at the bottom,
// a triangular marker beside the strip at the current hue.
class HColorArea : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(HColorArea)

public:
    explicit HColorArea(QWidget* parent = nullptr);
    ~HColorArea() override;

    int hue() const { return m_hue; }
    // Moves the marker without emitting anything; values outside 0..360 are clamped.
    void setHue(int hue);

    int stripHeight() const { return m_stripHeight; }
    int margin() const { return m_margin; }
    // The hue a press at height y selects.
    int hueAt(int y) const;

    QSize sizeHint() const override;

signals:
    void hueChangedSignal(int hue);
    void mouseReleaseSignal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void pick(int y);

    const int m_stripWidth;
    const int m_stripHeight;
    const int m_margin;
    QPixmap m_strip;
    int m_hue = 0;
};
