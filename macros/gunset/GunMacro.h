#pragma once

#include "MacroEvent.h"

#include <QString>
#include <QVector>

// A gun macro: a burst of up to five left clicks, each followed by a pointer pull and a pause.
constexpr int kMaxGunShots = 5;
constexpr int kDefaultGunShots = 5;
constexpr int kMinGunDelayMs = 1;
constexpr int kMaxGunDelayMs = 999;
constexpr int kDefaultGunDelayMs = 100;
constexpr int kMaxGunPull = 100;
constexpr int kMaxGunNameLength = 100;
// Gun macros count their pauses in 10 ms, whatever unit the descriptor gives other macros.
constexpr int kGunDelayUnitMs = 10;

struct GunShot
{
    int delayMs = kDefaultGunDelayMs;
    int vertical = 0;     // positive pulls down, negative up
    int horizontal = 0;   // positive pulls right, negative left

    bool operator==(const GunShot& other) const
    {
        return delayMs == other.delayMs && vertical == other.vertical && horizontal == other.horizontal;
    }
};

// Per shot: left release, left press, the vertical and horizontal pulls (when non-zero) and
// the pause (when non-zero); then one final left release so the button is not left held.
// At most kMaxGunShots shots are taken; pulls are clamped to +-kMaxGunPull and delays to
// 0..kMaxGunDelayMs.
QVector<MacroEvent> GunMacroEvents(const QVector<GunShot>& shots);

// Writes the macro file of name: DefaultDelay 10, DelayType 1, LoopType 0, LoopTime 1, the
// events and WriteSign = 1, so a button that already names this macro sends it again.
// False for a name that is not a safe file name or a file that could not be written.
bool WriteGunMacroFile(const QString& name, const QVector<MacroEvent>& events);

// base, else base_2, base_3 ...: the first name neither in the macro list nor held by a file
// of the macro folder. Empty when base is not a safe file name or no suffix is free.
QString FreeMacroName(const QString& base);

enum class GunMacroResult {
    Created,
    EmptyName,
    NameTooLong,
    UnsafeName,       // would not stay a file name inside the macro folder
    TooManyMacros,
    WriteFailed,
};

// What the macro page does with an accepted gun set: the name trimmed and made free with
// FreeMacroName, the file written and the name added to the macro list. Nothing is left
// behind on a refusal or failure. finalName receives the name used.
GunMacroResult CreateGunMacro(const QString& gunFileName, const QVector<MacroEvent>& events,
                              QString* finalName = nullptr);
