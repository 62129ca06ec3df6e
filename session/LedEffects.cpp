#include "LedEffects.h"

#include <QtGlobal>

namespace {

const LedEffectInfo kEffects[kLedEffectCount] = {
    {QT_TRANSLATE_NOOP("QObject", "OFF"), false, false, false, true},
    {QT_TRANSLATE_NOOP("QObject", "FULL LIGHTED"), true, false, true, true},
    {QT_TRANSLATE_NOOP("QObject", "BREATHING"), false, true, true, true},
    {QT_TRANSLATE_NOOP("QObject", "7 COLOR BREATHING"), false, true, false, true},
    {QT_TRANSLATE_NOOP("QObject", "RAINBOW"), true, true, false, true},
    {QT_TRANSLATE_NOOP("QObject", "FLASH"), true, true, false, false},
    {QT_TRANSLATE_NOOP("QObject", "Horizontal WAVE"), true, true, false, false},
    {QT_TRANSLATE_NOOP("QObject", "Horizontal GO WITHOUT TRACE"), true, true, false, false},
    {QT_TRANSLATE_NOOP("QObject", "Raindrop"), true, true, false, false},
    {QT_TRANSLATE_NOOP("QObject", "WAVE"), true, true, false, true},
    {QT_TRANSLATE_NOOP("QObject", "GO WITHOUT TRACE"), true, true, false, true},
    {QT_TRANSLATE_NOOP("QObject", "REACTIVE"), true, false, false, true},
    {QT_TRANSLATE_NOOP("QObject", "yo-yo"), true, true, false, true},
    {QT_TRANSLATE_NOOP("QObject", "Marbles"), true, true, false, true},
};

} // namespace

const LedEffectInfo* LedEffect(int index)
{
    return index >= 0 && index < kLedEffectCount ? &kEffects[index] : nullptr;
}
