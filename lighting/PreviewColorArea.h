#pragma once

#include <QColor>
#include <QWidget>

// The dialog's preview: one field filled with the colour being edited.
class PreviewColorArea : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(PreviewColorArea)

public:
    explicit PreviewColorArea(QWidget* parent = nullptr);
    ~PreviewColorArea() override;

    QColor color() const { return m_color; }
    void setColor(const QColor& color);

public slots:
    // Hue 0..360, saturation and value 0..255.
    void svChangedSlot(int h, int s, int v);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color = Qt::black;
};
