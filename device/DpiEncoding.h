#pragma once

#include <QtGlobal>
#include <array>

// How a DPI level's X/Y resolution steps travel in the DPI block, per sensor model
// (Config.ini MouseSenSor/1). A step is a sensor-specific number; the lookup tables
// turn it into the sensor's register value.

namespace Sensors {
constexpr int S3104 = 3104, S31042 = 31042, S3212 = 3212, S3311 = 3311, S33112 = 33112,
              S3325 = 3325, S33252 = 33252, S3327 = 3327, S3333 = 3333, S3335 = 3335,
              S33352 = 33352, S3360 = 3360, S3370 = 3370, S3389 = 3389, S3395 = 3395,
              S33952 = 33952;
}

// Battery-answer firmware byte with which a 3395 accepts steps only up to kLimited3395Step.
constexpr quint8 kLimited3395Firmware = 8;
constexpr int kLimited3395Step = 399;
// Sniper byte for a sensor without its own sniper encoding.
constexpr quint8 kDefaultSniperByte = 4;

enum class DpiTable { T3311, T3325, T3327, T3333, T3335 };

// Steps the table has a value for (T3333 starts at step 2).
int DpiTableFirstStep(DpiTable table);
int DpiTableLastStep(DpiTable table);
// The table's value for a step; a step outside the table takes the nearest end.
quint8 DpiTableValue(DpiTable table, int step);

// Steps the sensor's encoding is made for (the DPI page ranges of all sensors that
// share the encoding). False for a sensor without a DPI encoding.
bool DpiStepRange(int sensor, int& first, int& last);

// Report bytes 9..12 of one DPI level: X lo, X hi, Y lo, Y hi (Y first for the 3104
// family, X twice for the 3335 family). Steps are first clamped into DpiStepRange;
// an unknown sensor gives zeros.
std::array<quint8, 4> EncodeDpiLevel(int sensor, quint32 xStep, quint32 yStep, quint8 firmwareFlag);

// The byte a sniper button sends for its sniper step.
quint8 EncodeSniperStep(int sensor, int step);
