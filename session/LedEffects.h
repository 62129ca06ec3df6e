#pragma once

#include "SettingsRecord.h"

// The fourteen lighting effects: caption and the controls the lighting page offers for
// each. An effect takes no value it offers no control for.
struct LedEffectInfo
{
    const char* name;       // translatable, context "QObject"
    bool brightness;
    bool speed;
    bool color;
    bool inMenu;
};

// nullptr for an index outside 0..13 (an unknown stored effect).
const LedEffectInfo* LedEffect(int index);

constexpr int kLedBrightnessMin = 1, kLedBrightnessMax = 3;
constexpr int kLedSpeedMin = 1, kLedSpeedMax = 5;
// LedMoveOFF: 0 is the checked "MOVE TO LIGHT OFF" box.
constexpr quint8 kMoveOffOn = 0, kMoveOffOff = 255;
