#pragma once

#include <QTextStream>
#include <QtGlobal>

// How the command-line tool reaches the mouse: opened as the configurator does at start,
// and asked once for its battery, which also tells whether it sleeps.

struct BatteryReading
{
    bool answered = false;
    quint8 value[11] = {};
    // All-zero battery bytes: the mouse is off or asleep.
    bool asleep() const { return answered && !value[4] && !value[5] && !value[6]; }
};

// Finds the mouse and opens its collections; false when no control collection opened
// (with a message of its own only when the HID library itself fails).
bool OpenMouse(QTextStream& err);
// One battery query and its answer, read past the mouse's own reports.
BatteryReading QueryBattery();
