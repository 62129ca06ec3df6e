#pragma once

#include <QTextStream>
#include <QtGlobal>

// How the command-line tool reaches the mouse: opened as the configurator does at start,
// one program at a time, and asked once for its battery, which also tells whether it sleeps.

struct BatteryReading
{
    bool answered = false;
    quint8 value[11] = {};
    // All-zero battery bytes: the mouse is off or asleep.
    bool asleep() const { return answered && !value[4] && !value[5] && !value[6]; }
};

// Exit codes of the commands that talk to the mouse, beside 0 done, 1 not taken, 2 usage.
namespace LinkExit {
constexpr int NoMouse = 3;    // no mouse found (or the HID library failed)
constexpr int NoAccess = 4;   // found, but this user may not open it
constexpr int InUse = 5;      // another program talks to it
} // namespace LinkExit

// Finds the mouse, takes the lock that keeps other programs off it (waiting briefly for
// another command, not for the configurator, which holds it while it runs) and opens its
// collections. 0 when open; otherwise the exit code, with the reason printed to err.
int LinkMouse(QTextStream& err);
// LinkMouse, then one battery query: 0 when the mouse is awake; a sleeping one is closed
// again with "Mouse is sleeping or not connected." and 1.
int LinkAwakeMouse(QTextStream& err);
// Closes the mouse and lets other programs have it (the tool's exit does the same).
void ReleaseMouseLink();
// How long LinkMouse waits for another command to let go of the mouse (default 5 s).
void SetMouseLinkWait(int milliseconds);
// One battery query and its answer, read past the mouse's own reports.
BatteryReading QueryBattery();
