#include "PointerSpeed.h"

#include <QMutex>
#include <QMutexLocker>
#include <algorithm>

namespace {

// Guards the two pointers below: the chosen backend and a test's replacement.
QMutex s_mutex;
std::unique_ptr<PointerSpeed> s_chosen;
PointerSpeed* s_testing = nullptr;

} // namespace

int PointerSpeed::Clamp(int speed)
{
    return std::clamp(speed, kMinimum, kMaximum);
}

bool ApplyProfilePointerSpeed(int speed)
{
    if (speed < PointerSpeed::kMinimum || speed > PointerSpeed::kMaximum)
        return false;
    return ActivePointerSpeed().apply(speed);
}

PointerSpeed& ActivePointerSpeed()
{
    QMutexLocker locker(&s_mutex);
    if (s_testing != nullptr)
        return *s_testing;
    if (!s_chosen)
        s_chosen = CreatePointerSpeed();
    return *s_chosen;
}

void SetPointerSpeedForTesting(PointerSpeed* speed)
{
    QMutexLocker locker(&s_mutex);
    s_testing = speed;
}
