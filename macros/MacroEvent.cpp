#include "MacroEvent.h"

#include <QtGlobal>

#include <algorithm>
#include <climits>

namespace {

struct ButtonMenuEntry
{
    quint8 code;
    const char* text;
};

const ButtonMenuEntry kButtonMenu[kMouseButtonMenuCount] = {
    {LeftClickCode, QT_TRANSLATE_NOOP("QObject", "LEFT CLICK")},
    {MiddleClickCode, QT_TRANSLATE_NOOP("QObject", "MIDDLE CLICK")},
    {RightClickCode, QT_TRANSLATE_NOOP("QObject", "RIGHT CLICK")},
    {ForwardCode, QT_TRANSLATE_NOOP("QObject", "FORWARD")},
    {BackwardCode, QT_TRANSLATE_NOOP("QObject", "BACKWARD")},
};

const char* const kDirectionTexts[kMoveDirectionCount] = {
    QT_TRANSLATE_NOOP("QObject", "MOVE LEFT"),
    QT_TRANSLATE_NOOP("QObject", "MOVE RIGHT"),
    QT_TRANSLATE_NOOP("QObject", "MOVE UP"),
    QT_TRANSLATE_NOOP("QObject", "MOVE DOWN"),
};

// A positive step byte is the distance; a negative one is 256 - distance.
quint8 PositiveStep(int distance) { return quint8(std::clamp(distance, 0, kMaxStepDistance)); }

quint8 NegativeStep(int distance)
{
    const int d = std::clamp(distance, 0, kMaxNegativeStepDistance);
    return d == 0 ? quint8(0) : quint8(256 - d);
}

} // namespace

MacroEvent MacroEvent::keyEvent(quint8 usage, bool press)
{
    return MacroEvent{quint8(press ? KeyPress : KeyRelease), 0, usage};
}

MacroEvent MacroEvent::buttonEvent(int code, bool press)
{
    if (!IsMouseButtonCode(code))
        return MacroEvent{};
    return MacroEvent{quint8(press ? ButtonPress : ButtonRelease), 0, quint8(code)};
}

MacroEvent MacroEvent::moveEvent(MoveDirection direction, int distance)
{
    const StepBytes step = EncodeStep(direction, distance);
    return MacroEvent{PointerMove, step.DataH, step.DataL};
}

MacroEvent MacroEvent::delayEvent(int count)
{
    const int c = std::clamp(count, 0, kMaxDelayCount);
    return MacroEvent{DelayEvent, quint8((c >> 8) & 0xFF), quint8(c & 0xFF)};
}

bool IsMouseButtonCode(int code)
{
    for (const ButtonMenuEntry& entry : kButtonMenu) {
        if (entry.code == code)
            return true;
    }
    return false;
}

quint8 MouseButtonCodeAt(int position)
{
    if (position < 0 || position >= kMouseButtonMenuCount)
        return 0;
    return kButtonMenu[position].code;
}

int MouseButtonMenuPosition(int code)
{
    for (int position = 1; position < kMouseButtonMenuCount; ++position) {
        if (kButtonMenu[position].code == code)
            return position;
    }
    return 0;
}

const char* MouseButtonMenuText(int position)
{
    if (position < 0 || position >= kMouseButtonMenuCount)
        return "";
    return kButtonMenu[position].text;
}

const char* MouseButtonText(int code)
{
    for (const ButtonMenuEntry& entry : kButtonMenu) {
        if (entry.code == code)
            return entry.text;
    }
    return "";
}

bool MoveDirectionFromIndex(int index, MoveDirection& direction)
{
    if (index < 0 || index >= kMoveDirectionCount)
        return false;
    direction = MoveDirection(index);
    return true;
}

const char* MoveDirectionText(MoveDirection direction)
{
    const int index = int(direction);
    if (index < 0 || index >= kMoveDirectionCount)
        return "";
    return kDirectionTexts[index];
}

StepBytes EncodeStep(MoveDirection direction, int distance)
{
    switch (direction) {
    case MoveDirection::Left:
        return StepBytes{0, NegativeStep(distance)};
    case MoveDirection::Right:
        return StepBytes{0, PositiveStep(distance)};
    case MoveDirection::Up:
        return StepBytes{NegativeStep(distance), 0};
    case MoveDirection::Down:
        return StepBytes{PositiveStep(distance), 0};
    }
    return StepBytes{};
}

MoveStep DecodeStep(quint8 dataH, quint8 dataL)
{
    if (dataH == 0) {
        if (dataL <= kMaxStepDistance)
            return MoveStep{MoveDirection::Right, dataL};
        return MoveStep{MoveDirection::Left, 256 - dataL};
    }
    if (dataL == 0) {
        if (dataH <= kMaxStepDistance)
            return MoveStep{MoveDirection::Down, dataH};
        return MoveStep{MoveDirection::Up, 256 - dataH};
    }
    return MoveStep{MoveDirection::Left, 0};
}

int DelayCount(const MacroEvent& event) { return event.DataH * 256 + event.DataL; }

int DelayCountFromMs(int ms, int unit)
{
    const int u = std::max(unit, 1);
    return std::clamp(ms / u, 0, kMaxDelayCount);
}

MacroEvent DelayEventFromMs(int ms, int unit)
{
    return MacroEvent::delayEvent(DelayCountFromMs(ms, unit));
}

int DelayMs(const MacroEvent& event, int unit)
{
    const qint64 ms = qint64(DelayCount(event)) * std::max(unit, 1);
    return int(std::min<qint64>(ms, INT_MAX));
}
