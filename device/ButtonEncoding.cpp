#include "ButtonEncoding.h"

#include "DpiEncoding.h"
#include "KeyTables.h"
#include "MacroUpload.h"
#include "SettingsRecord.h"

#include <algorithm>

namespace {

struct FunctionBytes
{
    int fun;
    ButtonSlotBytes bytes;
};

// Plain functions: 0x8F keyboard chords (modifier bits, usage), 0x8E consumer usages (little-endian).
constexpr FunctionBytes kFunctionTable[] = {
    {1, {0x81, 0x00, 0x00, 0x00}}, // Left
    {2, {0x82, 0x00, 0x00, 0x00}}, // Right
    {3, {0x83, 0x00, 0x00, 0x00}}, // Middle
    {4, {0x85, 0x00, 0x00, 0x00}}, // Forward
    {5, {0x84, 0x00, 0x00, 0x00}}, // Back
    {13, {0x30, 0x00, 0x00, 0x00}}, // (no catalogue entry)
    {16, {0x00, 0x00, 0x00, 0x00}}, // Button Off
    {17, {0x8F, 0x01, 0x1B, 0x00}}, // Cut
    {18, {0x8F, 0x01, 0x06, 0x00}}, // Copy
    {19, {0x8F, 0x01, 0x19, 0x00}}, // Paste
    {20, {0x8F, 0x01, 0x04, 0x00}}, // All
    {21, {0x8F, 0x01, 0x09, 0x00}}, // Find
    {22, {0x8F, 0x01, 0x11, 0x00}}, // New
    {23, {0x8F, 0x01, 0x13, 0x00}}, // Print
    {24, {0x8F, 0x01, 0x16, 0x00}}, // Save
    {25, {0x8F, 0x04, 0x2B, 0x00}}, // Switch Window
    {26, {0x8F, 0x04, 0x3D, 0x00}}, // Close Window
    {27, {0x8F, 0x08, 0x08, 0x00}}, // My Computer
    {28, {0x8F, 0x08, 0x15, 0x00}}, // Run
    {29, {0x8F, 0x08, 0x07, 0x00}}, // Show Desktop
    {30, {0x8F, 0x08, 0x0F, 0x00}}, // Lock PC
    {31, {0x8E, 0x01, 0x23, 0x02}}, // Browser Home
    {32, {0x8E, 0x01, 0x24, 0x02}}, // Browser Backward
    {33, {0x8E, 0x01, 0x25, 0x02}}, // Browser Forward
    {34, {0x8E, 0x01, 0x26, 0x02}}, // Browser Stop
    {35, {0x8E, 0x01, 0x27, 0x02}}, // Browser Refresh
    {36, {0x8E, 0x01, 0x21, 0x02}}, // Browser Search
    {37, {0x8E, 0x01, 0x2A, 0x02}}, // Browser Favorite
    {38, {0x8E, 0x01, 0x8A, 0x01}}, // Mail
    {39, {0x8E, 0x01, 0xCD, 0x00}}, // Play/Pause
    {40, {0x8E, 0x01, 0xB7, 0x00}}, // Stop
    {41, {0x8E, 0x01, 0xB6, 0x00}}, // Previous Track
    {42, {0x8E, 0x01, 0xB5, 0x00}}, // Next Track
    {43, {0x8E, 0x01, 0xE9, 0x00}}, // Volume Up
    {44, {0x8E, 0x01, 0xEA, 0x00}}, // Volume Down
    {45, {0x8E, 0x01, 0xE2, 0x00}}, // Mute
    {46, {0x8E, 0x01, 0x83, 0x01}}, // Media Player
    {47, {0x88, 0x00, 0x00, 0x00}}, // DPI Switch
    {48, {0x8A, 0x00, 0x00, 0x00}}, // DPI +
    {49, {0x89, 0x00, 0x00, 0x00}}, // DPI -
    {50, {0x97, 0x00, 0x00, 0x00}}, // Rate +
    {51, {0x98, 0x00, 0x00, 0x00}}, // Rate -
    {52, {0x8B, 0x00, 0x00, 0x00}}, // Scroll Up
    {53, {0x8C, 0x00, 0x00, 0x00}}, // Scroll Down
    {54, {0x9B, 0x08, 0x00, 0x00}}, // Led Switch
    {57, {0x94, 0x00, 0x00, 0x00}}, // Profile +
    {58, {0x95, 0x00, 0x00, 0x00}}, // Profile -
    {59, {0x8D, 0x00, 0x00, 0x00}}, // Profile Switch
    {60, {0x9F, 0x00, 0x00, 0x00}}, // (no catalogue entry)
    {61, {0xA0, 0x00, 0x00, 0x00}}, // (no catalogue entry)
    {62, {0x8F, 0x08, 0x10, 0x00}}, // Boss Key
    {63, {0x97, 0x01, 0x00, 0x00}}, // Rate Switch
};

constexpr quint8 kSingleKeyCode = 0x90;
constexpr quint8 kComboKeyCode = 0x8F;
constexpr quint8 kFireKeyCode = 0x99;
constexpr quint8 kSniperCode = 0x9A;
constexpr quint8 kMacroCode = 0x91;
constexpr quint8 kGunFileCode = 0x9D;
constexpr quint8 kRepeatWhileHeld = 0x80;
constexpr quint8 kRepeatToggle = 0x40;
// A fire key without a shot fires the left button three times, back to back.
constexpr ButtonSlotBytes kDefaultFireKey = {kFireKeyCode, 0x81, 0x03, 0x00};

quint8 ClampByte(int value) { return quint8(qBound(0, value, 255)); }

// Modifier bit of a key code (before the halving a press and its release make up for).
int ModifierWeight(int code)
{
    switch (code) {
    case 29:
    case KeyCodes::RCtrl:
        return 1;
    case 42:
    case 54:
        return 2;
    case 56:
    case KeyCodes::RAlt:
        return 4;
    case 91:
    case 92:
        return 8;
    default:
        return 0;
    }
}

void PlaceSlot(ButtonImage& image, int slot, const ButtonSlotBytes& bytes)
{
    if (slot < 0 || slot >= kButtonSlotCount)
        return;
    std::copy(bytes.begin(), bytes.end(), image.begin() + kButtonSlotBase + 4 * slot);
}

} // namespace

ButtonSlotBytes FunctionSlotBytes(int fun)
{
    for (const FunctionBytes& entry : kFunctionTable) {
        if (entry.fun == fun)
            return entry.bytes;
    }
    return {};
}

ButtonSlotBytes EncodeSingleKey(const ButtonRecord& button)
{
    // Res1 holds the program's key code; the mouse wants its keyboard usage.
    quint8 usage = 0;
    UsageFromCode(button.Res1, usage);
    return {kSingleKeyCode, 0x00, usage, 0x00};
}

ButtonSlotBytes EncodeComboKey(const ButtonRecord& button)
{
    int modifiers = 0;
    quint8 key = 0;
    for (const KeyInfo& entry : button.KeyInfo) {
        if (entry.map == 0)
            continue;
        int code = 0;
        const int weight = CodeFromUsage(entry.map, code) ? ModifierWeight(code) : 0;
        if (weight != 0)
            modifiers += weight;
        else
            key = entry.map;
    }
    // Every modifier is stored as a press and a release, so each counts twice.
    return {kComboKeyCode, quint8(modifiers >> 1), key, 0x00};
}

ButtonSlotBytes EncodeFireKey(const ButtonRecord& button)
{
    if (button.Res1 == 0)
        return kDefaultFireKey;
    // KeyNumber holds the delay in ms; the mouse counts 10 ms units.
    return {kFireKeyCode, button.Res1, ClampByte(button.LoopNumber), ClampByte(button.KeyNumber / 10)};
}

ButtonSlotBytes EncodeSniper(const ButtonRecord& button, int sensor)
{
    const quint8 v = EncodeSniperStep(sensor, button.Res1);
    return {kSniperCode, 0x01, v, v};
}

ButtonSlotBytes EncodeMacroButton(ButtonRecord& button, MacroSlotMap& map)
{
    const int slot = map.assign(button.macroname);
    button.Res4 = quint8(slot);
    const quint8 code = button.Fun == kGunFileFunction ? kGunFileCode : kMacroCode;
    switch (button.Res1) {
    case 1:
        return {code, quint8(slot | kRepeatWhileHeld), 0xFF, 0xFF};
    case 2:
        return {code, quint8(slot | kRepeatToggle), 0xFF, 0xFF};
    default: {
        // Any other mode plays the macro LoopNumber times.
        const int loops = qBound(0, button.LoopNumber, 0xFFFF);
        return {code, quint8(slot), quint8(loops & 0xFF), quint8(loops >> 8)};
    }
    }
}

ButtonSlotBytes EncodeButton(ButtonRecord& button, int sensor, MacroSlotMap& map)
{
    switch (button.Fun) {
    case ButtonFunction::SingleKey:
        return EncodeSingleKey(button);
    case ButtonFunction::ComboKey:
        return EncodeComboKey(button);
    case ButtonFunction::FireKey:
        return EncodeFireKey(button);
    case ButtonFunction::Sniper:
        return EncodeSniper(button, sensor);
    case kMacroFunction:
    case kGunFileFunction:
        return EncodeMacroButton(button, map);
    default:
        return FunctionSlotBytes(button.Fun);
    }
}

ButtonImage BuildButtonImage(SettingsRecord& image, const DeviceContext& context, MacroSlotMap& map)
{
    map.clear();
    ButtonImage bytes{};
    bytes[0] = 0x0A;
    bytes[1] = 0x00;
    std::fill(bytes.begin() + kButtonSlotBase + 4 * kButtonSlotCount, bytes.end(), quint8(0xFF));

    ProfileRecord& profile = image.active();
    const int count = qBound(0, context.buttonCount, int(context.buttonMatrix.size()));
    for (int i = 0; i < count; ++i) {
        const int slot = context.buttonMatrix[i];
        // A position without a device slot is not sent, so its macro takes no slot either.
        if (slot >= kButtonSlotCount)
            continue;
        PlaceSlot(bytes, slot, EncodeButton(profile.BUTTON_INFO[i], context.sensor, map));
    }

    const bool reversed = context.scrollRev == 1;
    PlaceSlot(bytes, reversed ? kWheelDownSlot : kWheelUpSlot,
              EncodeButton(profile.BUTTON_INFO[kWheelUpRecord], context.sensor, map));
    PlaceSlot(bytes, reversed ? kWheelUpSlot : kWheelDownSlot,
              EncodeButton(profile.BUTTON_INFO[kWheelDownRecord], context.sensor, map));
    return bytes;
}
