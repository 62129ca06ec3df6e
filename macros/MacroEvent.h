#pragma once

#include <QtGlobal>

// Values of Map: bit 7 marks the press half of a press/release pair, the low bits the kind.
enum MacroEventType : quint8 {
    KeyPress = 0x84,
    KeyRelease = 0x04,
    ButtonPress = 0x81,
    ButtonRelease = 0x01,
    PointerMove = 0x02,
    DelayEvent = 0x06,
};

constexpr quint8 kMacroPressBit = 0x80;
constexpr quint8 kMacroKindMask = 0x7F;
constexpr quint8 kMacroButtonKind = 0x01;
constexpr quint8 kMacroMoveKind = 0x02;
constexpr quint8 kMacroKeyKind = 0x04;
constexpr quint8 kMacroDelayKind = 0x06;

// One bit per mouse button.
enum MouseButtonCode : quint8 {
    LeftClickCode = 1,
    RightClickCode = 2,
    MiddleClickCode = 4,
    ForwardCode = 8,
    BackwardCode = 16,
};

// The mouse-action menu lists the buttons as left, middle, right, forward, backward.
constexpr int kMouseButtonMenuCount = 5;

enum class MoveDirection : int { Left = 0, Right = 1, Up = 2, Down = 3 };
constexpr int kMoveDirectionCount = 4;
// Distances the editor offers; a positive step byte holds at most this.
constexpr int kMaxStepDistance = 120;
// A negative step byte 121..255 decodes to a distance of up to 135.
constexpr int kMaxNegativeStepDistance = 256 - (kMaxStepDistance + 1);

constexpr int kMaxDelayCount = 0xFFFF;

struct MoveStep
{
    MoveDirection direction = MoveDirection::Left;
    int distance = 0;
    bool operator==(const MoveStep& other) const
    {
        return direction == other.direction && distance == other.distance;
    }
};

struct StepBytes
{
    quint8 DataH = 0;
    quint8 DataL = 0;
};

// The three bytes of one macro event, as stored in macro files and in the mouse's macro memory.
struct MacroEvent
{
    quint8 Map = 0;
    quint8 DataH = 0;
    quint8 DataL = 0;

    // All zero: an empty row of the editor, not an event.
    bool isEmpty() const { return Map == 0 && DataH == 0 && DataL == 0; }
    quint8 kind() const { return Map & kMacroKindMask; }
    bool isPress() const { return (Map & kMacroPressBit) != 0; }

    bool operator==(const MacroEvent& other) const
    {
        return Map == other.Map && DataH == other.DataH && DataL == other.DataL;
    }
    bool operator!=(const MacroEvent& other) const { return !(*this == other); }

    static MacroEvent keyEvent(quint8 usage, bool press);
    // An empty event when code is not one of the five button bits.
    static MacroEvent buttonEvent(int code, bool press);
    static MacroEvent moveEvent(MoveDirection direction, int distance);
    static MacroEvent delayEvent(int count);
};

bool IsMouseButtonCode(int code);
// 0 for a position outside the menu.
quint8 MouseButtonCodeAt(int position);
// Every code other than 2, 4, 8 and 16 maps to position 0.
int MouseButtonMenuPosition(int code);
// Untranslated menu texts (context "QObject"); empty for a position outside the menu.
const char* MouseButtonMenuText(int position);
// Text of a button code as the event table shows it; empty for an invalid code.
const char* MouseButtonText(int code);

// False for an index outside 0..3; direction is then untouched.
bool MoveDirectionFromIndex(int index, MoveDirection& direction);
// Untranslated menu text (context "QObject"): "MOVE LEFT" etc.
const char* MoveDirectionText(MoveDirection direction);

// The distance is clamped to what one step byte can carry in that direction, so an
// empty or out-of-range distance never wraps into the opposite direction.
StepBytes EncodeStep(MoveDirection direction, int distance);
// Both bytes non-zero cannot be expressed and decodes as a left step of 0.
MoveStep DecodeStep(quint8 dataH, quint8 dataL);

int DelayCount(const MacroEvent& event);
// ms / unit, truncating, clamped to 0..65535; a unit below 1 counts as 1.
int DelayCountFromMs(int ms, int unit);
MacroEvent DelayEventFromMs(int ms, int unit);
// count x unit, saturating at INT_MAX; a unit below 1 counts as 1.
int DelayMs(const MacroEvent& event, int unit);
