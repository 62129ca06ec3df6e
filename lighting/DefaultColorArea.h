#pragma once

#include <QColor>
#include <QWidget>

// A plain colour swatch: filled with its colour inside a one-pixel black frame,
// reporting a mouse press with ClickedSignal.
class DefaultColorArea : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(DefaultColorArea)

public:
    explicit DefaultColorArea(QWidget* parent = nullptr);
    DefaultColorArea(const QColor& color, QWidget* parent = nullptr);
    ~DefaultColorArea() override;

    QColor color() const { return m_color; }
    void setColor(const QColor& color);

signals:
    void ClickedSignal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor m_color = Qt::black;
};
