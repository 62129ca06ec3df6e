#pragma once

#include "CommandSet.h"

#include <QtGlobal>
#include <array>

struct ButtonRecord;
struct SettingsRecord;
class MacroSlotMap;

// The four bytes a button function takes in the button block.
using ButtonSlotBytes = std::array<quint8, 4>;

constexpr int kButtonSlotCount = 24;
constexpr int kButtonSlotBase = 2;
// Button records of wheel up and wheel down, and their device slots.
constexpr int kWheelUpRecord = 40;
constexpr int kWheelDownRecord = 41;
constexpr int kWheelUpSlot = 22;
constexpr int kWheelDownSlot = 23;

// Functions with their own encoders; every other code comes from the fixed table.
namespace ButtonFunction {
constexpr int SingleKey = 6;
constexpr int ComboKey = 7;
constexpr int FireKey = 12;
constexpr int Sniper = 55;
}

// The fixed bytes of a plain function; zeros for a code the table does not hold.
ButtonSlotBytes FunctionSlotBytes(int fun);

ButtonSlotBytes EncodeSingleKey(const ButtonRecord& button);
ButtonSlotBytes EncodeComboKey(const ButtonRecord& button);
ButtonSlotBytes EncodeFireKey(const ButtonRecord& button);
ButtonSlotBytes EncodeSniper(const ButtonRecord& button, int sensor);
// Gives the macro a slot in the map and notes it in the record's Res4.
ButtonSlotBytes EncodeMacroButton(ButtonRecord& button, MacroSlotMap& map);
// Any function; macro buttons as EncodeMacroButton.
ButtonSlotBytes EncodeButton(ButtonRecord& button, int sensor, MacroSlotMap& map);

// The button block image of the active profile. Empties the map and fills it with the macros of
// the encoded buttons, in the order they are met.
ButtonImage BuildButtonImage(SettingsRecord& image, const DeviceContext& context, MacroSlotMap& map);
