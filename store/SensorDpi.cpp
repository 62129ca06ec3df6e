#include "SensorDpi.h"

#include <QStringList>
#include <cstdlib>

SensorRange SensorStepRange(int sensor, bool extendedRange, const QString& productName)
{
    static const QStringList shortRange3327 = {
        QStringLiteral("K308-RGB"), QStringLiteral("CASCADE"), QStringLiteral("7354"),
        QStringLiteral("BASALT3"),  QStringLiteral("LANTERN"), QStringLiteral("K430-RGB"),
        QStringLiteral("HARBOR2"),  QStringLiteral("THIMBLE2"), QStringLiteral("CANOPY")};
    switch (sensor) {
    case 3104: return {true, 14, 105, 500, 4200, true};
    case 31042: return {true, 14, 158, 500, 8400, true};
    case 3212: return {true, 16, 111, 600, 7200, false};
    case 3311: return {true, 1, 120, 100, 12000, false};
    case 33112: return {true, 1, 180, 100, 24000, false};
    case 3325:
        return extendedRange ? SensorRange{true, 1, 90, 100, 16000, false} : SensorRange{true, 1, 50, 100, 5000, false};
    case 33252:
        return extendedRange ? SensorRange{true, 1, 90, 100, 16000, false} : SensorRange{true, 1, 75, 100, 10000, false};
    case 3327:
        return shortRange3327.contains(productName) ? SensorRange{true, 1, 92, 200, 12400, false}
                                                    : SensorRange{true, 1, 106, 200, 16400, false};
    case 3333: return {true, 2, 120, 200, 16000, false};
    case 3335: return {true, 1, 160, 100, 16000, false};
    case 33352: return {true, 1, 240, 100, 32000, false};
    case 3360: return {true, 1, 180, 100, 24000, true};
    case 3370: return {true, 1, 290, 50, 19000, false};
    case 3389: return {true, 2, 480, 100, 32000, true};
    case 3395: return {true, 0, 519, 50, 26000, false};
    case 33952: return {true, 0, 779, 50, 52000, false};
    case 3399: return {true, 0, 599, 50, 40000, true};
    default: return {};
    }
}

int StepToDpi(int sensor, int s)
{
    // Steps come from files too; no sensor has more than a thousand.
    if (s < 0 || s > 100000)
        return 0;
    switch (sensor) {
    case 3104:
    case 31042:
        if (s < 107)
            return s * 40 == 560 ? 500 : s * 40;
        return 80 * s - 4240;
    case 3212: {
        if (s > 94) {
            const int dpi = (s - 63) * 152 / 10 * 10;
            return dpi == 7290 ? 7200 : dpi;
        }
        if (s < 64) {
            const int dpi = s * 38 / 10 * 10;
            switch (dpi) {
            case 790: return 800;
            case 1210: return 1200;
            case 1630: return 1600;
            case 2390: return 2400;
            default: return dpi;
            }
        }
        return (s - 32) * 76 / 10 * 10;
    }
    case 3311:
    case 3360:
    case 33112:
        return s <= 120 ? 100 * s : 200 * s - 12000;
    case 3325:
    case 33252:
        if (s <= 50)
            return 100 * s;
        return s <= 75 ? 200 * s - 5000 : 400 * s - 20000;
    case 3327:
        if (s < 62)
            return 100 * s + 100;
        if (s <= 92)
            return 200 * s - 6000;
        return s == 106 ? 16400 : 300 * s - 15300;
    case 3333: return s <= 80 ? 100 * s : 200 * s - 8000;
    case 3335:
    case 33352:
        return s <= 160 ? 100 * s : 200 * s - 16000;
    case 3370: return s <= 200 ? 50 * s : 100 * s - 10000;
    case 3389: return s <= 320 ? 50 * s : 100 * s - 16000;
    case 3395:
    case 33952:
        return s < 520 ? 50 * s + 50 : 100 * s - 25900;
    case 3399: return s < 400 ? 50 * s + 50 : 100 * s - 19900;
    default: return 0;
    }
}

int DpiToStep(int sensor, int dpi, const SensorRange& range)
{
    if (!range.known || dpi < range.minDpi || dpi > range.maxDpi)
        return -1;
    int best = -1;
    int bestDistance = 0;
    for (int s = range.minStep; s <= range.maxStep; ++s) {
        const int distance = std::abs(StepToDpi(sensor, s) - dpi);
        if (best < 0 || distance < bestDistance) {
            best = s;
            bestDistance = distance;
        }
    }
    return best;
}
