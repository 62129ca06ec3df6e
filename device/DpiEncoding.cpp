#include "DpiEncoding.h"

#include <QtGlobal>
#include <iterator>

namespace {

// Register values for steps 1, 2, 3, ... (T3333: steps 2, 3, ...).
constexpr quint8 kT3311[] = {
    0, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 27, 29, 30,
    31, 32, 33, 35, 37, 38, 39, 40, 41, 42, 44, 45, 46, 47, 48, 50, 51, 52, 53, 54, 56, 57, 58, 59,
    60, 62, 63, 64, 65, 66, 68, 69, 70, 71, 72, 74, 75, 76, 77, 78, 80, 81, 82, 83, 84, 86, 87, 88,
    89, 90, 92, 93, 94, 95, 96, 98, 99, 100, 101, 102, 104, 105, 106, 107, 108, 110, 111, 112, 113,
    114, 116, 117, 118, 119, 120, 122, 123, 124, 125, 126, 128, 129, 130, 131, 132, 134, 135, 136,
    137, 138, 140, 141, 142, 143,
};
constexpr quint8 kT3335Upper[] = {
    144, 146, 147, 148, 149, 150, 152, 153, 154, 155, 156, 158, 159, 160, 161, 162, 164, 165, 166,
    167, 168, 170, 171, 172, 173, 174, 176, 177, 178, 179, 180, 181, 182, 183, 184, 185, 186, 187,
    188, 188,
};
constexpr quint8 kT3325[] = {
    2, 4, 6, 8, 11, 13, 15, 18, 20, 22, 25, 27, 29, 32, 34, 36, 39, 41, 43, 46, 48, 50, 52, 55, 57,
    59, 62, 64, 66, 69, 71, 73, 76, 78, 80, 83, 85, 87, 90, 92, 94, 97, 99, 101, 104, 106, 108,
    111, 113, 115,
};
constexpr quint8 kT3327[] = {
    4, 6, 9, 11, 13, 15, 18, 20, 22, 24, 27, 29, 31, 33, 36, 38, 40, 43, 45, 47, 49, 52, 54, 56,
    58, 61, 63, 65, 67, 70, 72, 74, 77, 79, 81, 83, 86, 88, 90, 92, 95, 97, 99, 102, 104, 106, 108,
    111, 113, 115, 117, 120, 122, 124, 127, 129, 131, 133, 135, 138, 140,
};
constexpr quint8 kT3333[] = {
    4, 6, 9, 11, 14, 16, 18, 21, 23, 25, 27, 29, 32, 34, 36, 39, 41, 43, 46, 48, 50, 52, 55, 57,
    59, 62, 64, 66, 69, 72, 74, 77, 78, 81, 84, 85, 88, 91, 93, 95, 98, 100, 102, 105, 107, 109,
    112, 114, 116, 119, 121, 123, 126, 128, 130, 133, 135, 137, 140, 142, 145, 147, 149, 151, 154,
    156, 158, 161, 163, 165, 168, 171, 173, 175, 178, 180, 182, 185, 187,
};

constexpr int kT3311Steps = int(std::size(kT3311));
constexpr int kT3335UpperSteps = int(std::size(kT3335Upper));
static_assert(kT3311Steps == 120, "T3311 covers steps 1..120");
static_assert(kT3335UpperSteps == 40, "T3335 continues T3311 with steps 121..160");
static_assert(std::size(kT3325) == 50, "T3325 covers steps 1..50");
static_assert(std::size(kT3327) == 61, "T3327 covers steps 1..61");
static_assert(std::size(kT3333) == 79, "T3333 covers steps 2..80");

struct Bytes2
{
    quint8 lo = 0;
    quint8 hi = 0;
};

Bytes2 Pair(int lo, int hi) { return Bytes2{quint8(lo & 0xFF), quint8(hi & 0xFF)}; }

Bytes2 Le16(int value) { return Pair(value & 0xFF, (value >> 8) & 0xFF); }

// Above the plain 16-bit range the mouse takes a halved value with bit 15 set.
Bytes2 Le16Extended(int step, int limit, int offset)
{
    if (step <= limit)
        return Le16(step);
    const int v = step - offset;
    return Pair(v & 0xFF, (v >> 8) | 0x80);
}

int Clamped(quint32 step, int first, int last)
{
    if (step > quint32(last))
        return last;
    return qMax(int(step), first);
}

Bytes2 EncodeAxis(int sensor, int s)
{
    switch (sensor) {
    case Sensors::S3104:
    case Sensors::S31042:
        return s <= 106 ? Pair(s, 0) : Pair(s - 53, 1);
    case Sensors::S3212:
        if (s <= 63)
            return Pair(s, 0);
        return s <= 94 ? Pair(s - 32, 1) : Pair(s - 63, 2);
    case Sensors::S3311:
    case Sensors::S33112:
        return s <= 120 ? Pair(DpiTableValue(DpiTable::T3311, s), 0)
                        : Pair(DpiTableValue(DpiTable::T3311, s - 60), 1);
    case Sensors::S3325:
    case Sensors::S33252:
        if (s <= 50)
            return Pair(DpiTableValue(DpiTable::T3325, s), 0);
        return s <= 75 ? Pair(DpiTableValue(DpiTable::T3325, s - 25), 1)
                       : Pair(DpiTableValue(DpiTable::T3325, s - 50), 2);
    case Sensors::S3327:
        if (s <= 61)
            return Pair(DpiTableValue(DpiTable::T3327, s), 0);
        return s <= 92 ? Pair(DpiTableValue(DpiTable::T3327, s - 31), 1)
                       : Pair(DpiTableValue(DpiTable::T3327, s - 52), 4);
    case Sensors::S3333:
        return s <= 79 ? Pair(DpiTableValue(DpiTable::T3333, s), 0)
                       : Pair(DpiTableValue(DpiTable::T3333, s - 40), 1);
    case Sensors::S3335:
    case Sensors::S33352:
        // Steps 201..240 would run past the table; DpiTableValue holds them at its last entry.
        return s <= 160 ? Pair(DpiTableValue(DpiTable::T3335, s), 0)
                        : Pair(DpiTableValue(DpiTable::T3335, s - 40), 1);
    case Sensors::S3360:
        return s <= 120 ? Pair(s - 1, 0) : Pair(s - 61, 1);
    case Sensors::S3370:
        return s <= 200 ? Pair(s - 1, 0) : Pair(s - 101, 1);
    case Sensors::S3389:
        return Le16Extended(s, 320, 160);
    case Sensors::S3395:
        return Le16(s);
    default:
        return Bytes2{};
    }
}

} // namespace

int DpiTableFirstStep(DpiTable table) { return table == DpiTable::T3333 ? 2 : 1; }

int DpiTableLastStep(DpiTable table)
{
    switch (table) {
    case DpiTable::T3311:
        return kT3311Steps;
    case DpiTable::T3325:
        return int(std::size(kT3325));
    case DpiTable::T3327:
        return int(std::size(kT3327));
    case DpiTable::T3333:
        return int(std::size(kT3333)) + 1;
    case DpiTable::T3335:
        return kT3311Steps + kT3335UpperSteps;
    }
    return 0;
}

quint8 DpiTableValue(DpiTable table, int step)
{
    const int s = qBound(DpiTableFirstStep(table), step, DpiTableLastStep(table));
    switch (table) {
    case DpiTable::T3311:
        return kT3311[s - 1];
    case DpiTable::T3325:
        return kT3325[s - 1];
    case DpiTable::T3327:
        return kT3327[s - 1];
    case DpiTable::T3333:
        return kT3333[s - 2];
    case DpiTable::T3335:
        return s <= kT3311Steps ? kT3311[s - 1] : kT3335Upper[s - kT3311Steps - 1];
    }
    return 0;
}

bool DpiStepRange(int sensor, int& first, int& last)
{
    switch (sensor) {
    case Sensors::S3104:
    case Sensors::S31042:
        first = 14, last = 158;
        return true;
    case Sensors::S3212:
        first = 16, last = 111;
        return true;
    case Sensors::S3311:
    case Sensors::S33112:
    case Sensors::S3360:
        first = 1, last = 180;
        return true;
    case Sensors::S3325:
    case Sensors::S33252:
        first = 1, last = 90;
        return true;
    case Sensors::S3327:
        first = 1, last = 106;
        return true;
    case Sensors::S3333:
        first = 2, last = 120;
        return true;
    case Sensors::S3335:
    case Sensors::S33352:
        first = 1, last = 240;
        return true;
    case Sensors::S3370:
        first = 1, last = 290;
        return true;
    case Sensors::S3389:
        first = 2, last = 480;
        return true;
    case Sensors::S3395:
        first = 0, last = 519;
        return true;
    case Sensors::S33952:
        first = 0, last = 779;
        return true;
    default:
        return false;
    }
}

std::array<quint8, 4> EncodeDpiLevel(int sensor, quint32 xStep, quint32 yStep, quint8 firmwareFlag)
{
    int first = 0;
    int last = 0;
    if (!DpiStepRange(sensor, first, last))
        return {};
    if (sensor == Sensors::S3395 && firmwareFlag == kLimited3395Firmware)
        last = qMin(last, kLimited3395Step);
    const int x = Clamped(xStep, first, last);
    const int y = Clamped(yStep, first, last);

    Bytes2 bx;
    Bytes2 by;
    switch (sensor) {
    case Sensors::S3104:
    case Sensors::S31042:
        // This sensor family takes the Y resolution first.
        bx = EncodeAxis(sensor, y);
        by = EncodeAxis(sensor, x);
        break;
    case Sensors::S3335:
    case Sensors::S33352:
        // One resolution for both axes: the X step.
        bx = by = EncodeAxis(sensor, x);
        break;
    case Sensors::S33952:
        bx = Le16Extended(x, 519, 260);
        by = Le16Extended(y, 520, 260);
        break;
    default:
        bx = EncodeAxis(sensor, x);
        by = EncodeAxis(sensor, y);
        break;
    }
    return {bx.lo, bx.hi, by.lo, by.hi};
}

quint8 EncodeSniperStep(int sensor, int step)
{
    switch (sensor) {
    case Sensors::S3104:
    case Sensors::S3212:
    case Sensors::S3389:
        return quint8(qBound(0, step, 255));
    case Sensors::S3325:
        return DpiTableValue(DpiTable::T3325, step);
    case Sensors::S3327:
        return DpiTableValue(DpiTable::T3327, step);
    case Sensors::S3335:
        return DpiTableValue(DpiTable::T3335, step);
    case Sensors::S3360:
        return quint8(qBound(1, step, 256) - 1);
    default:
        return kDefaultSniperByte;
    }
}
