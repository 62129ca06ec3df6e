#pragma once

#include <QWidget>

class TarnSlider;

// The resolution slider of one DPI level: an X and a Y slider, or one linked slider
// that moves both. Reports every change as (X step, Y step).
class TarnTwoBarSlider : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnTwoBarSlider)

public:
    explicit TarnTwoBarSlider(QWidget* parent = nullptr);
    ~TarnTwoBarSlider() override;

    void setStepRange(int minStep, int maxStep);
    int minStep() const;
    int maxStep() const;

    // Shows the steps without reporting them; the linked slider takes the X step.
    void setSteps(int x, int y);
    int xValue() const;
    int yValue() const;
    int linkedValue() const;

    void setLinked(bool linked);
    bool isLinked() const { return m_linked; }

    // Re-reads the accent colour and the scale factor.
    void applyStyle();

    TarnSlider* xSlider() const { return m_xSlider; }
    TarnSlider* ySlider() const { return m_ySlider; }
    TarnSlider* linkedSlider() const { return m_linkedSlider; }

signals:
    void SliderChangedSignal(int iX, int iY);

protected:
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void onXChanged(int iValue);
    void onYChanged(int iValue);
    void onLinkedChanged(int iValue);

private:
    void placeSliders();

    TarnSlider* m_xSlider;
    TarnSlider* m_ySlider;
    TarnSlider* m_linkedSlider;
    bool m_linked = false;
};
