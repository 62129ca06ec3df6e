#pragma once

#include "TarnSkinDialog.h"

#include <functional>

struct ButtonRecord;
class QLabel;
class TarnSlider;

// Picks the DPI step the mouse switches to while the button is held.
class TarnSniperWindow : public TarnSkinDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnSniperWindow)

public:
    struct StepRange
    {
        bool known = false;     // false: a sensor without a table; the slider keeps 0..99
        int minStep = 0;
        int maxStep = 99;
    };
    // The low end of the sensor's steps a sniper button is meant for.
    static StepRange SniperStepRange(int sensor);

    // The sensor is the configured one (MouseSenSor/1); preset from the button's Res1 when
    // it already holds the sniper function, else the lowest step.
    explicit TarnSniperWindow(const ButtonRecord& button, QWidget* parent = nullptr);
    TarnSniperWindow(int sensor, const ButtonRecord& button, QWidget* parent = nullptr);
    ~TarnSniperWindow() override;

    int sensor() const { return m_sensor; }
    int step() const;
    // The DPI the step stands for; 0 for a sensor without a table.
    int dpi() const;

    // Fun = 55, Res1 = step.
    void StoreInto(ButtonRecord& button) const;

    TarnSlider* slider() const { return m_slider; }
    QLabel* dpiLabel() const { return m_dpiLabel; }

    int exec() override;
    // Tests drive the dialog through this instead of an event loop; exec() returns what its clicks decided.
    static void SetExecHook(std::function<void(TarnSniperWindow&)> hook);

public slots:
    void onSliderChanged(int step);

private:
    const int m_sensor;
    TarnSlider* m_slider = nullptr;
    QLabel* m_dpiLabel = nullptr;
};
