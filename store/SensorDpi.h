#pragma once

#include <QString>

// What a sensor's DPI steps mean: the step range the DPI sliders offer and the DPI a
// step stands for. Shared by the DPI page, the on-screen display, the sniper dialog,
// the command-line tool and the virtual mouse's dump.

struct SensorRange
{
    bool known = false;      // false: a sensor this program has no table for
    int minStep = 0;
    int maxStep = 0;
    int minDpi = 0;
    int maxDpi = 0;
    bool linkXY = false;     // whether X and Y can be set apart ("Link XY" offered)
};

// `extendedRange` is the descriptor's 33254 switch; `productName` picks the short
// 3327 range of some products.
SensorRange SensorStepRange(int sensor, bool extendedRange, const QString& productName);

// DPI of a step; 0 for a sensor without a table.
int StepToDpi(int sensor, int step);

// The step whose DPI is nearest to `dpi` within the range (ties go to the lower step);
// -1 when the sensor is unknown or dpi lies outside the range's DPI.
int DpiToStep(int sensor, int dpi, const SensorRange& range);
