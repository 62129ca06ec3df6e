#include "LowBatteryWatch.h"

#include <utility>

constexpr int LowBatteryWatch::kThresholds[2];

LowBatteryWatch::LowBatteryWatch(Notifier notifier) : m_notifier(std::move(notifier)) {}

void LowBatteryWatch::reading(int percent, bool charging)
{
    if (percent < 0 || percent > 100)
        return;
    // A reading that recovers a little without charging is no charge; a much higher one is
    // a battery charged while nobody listened.
    for (int i = 0; i < 2; ++i)
        if (percent > kThresholds[i] && (charging || percent >= kThresholds[i] + kUnseenCharge))
            m_warned[i] = false;
    if (charging)
        return;
    // Only the lowest threshold crossed is shown; a drop straight below 5 % is one warning.
    for (int i = 1; i >= 0; --i) {
        if (percent < kThresholds[i] && !m_warned[i]) {
            for (int j = 0; j <= i; ++j)
                m_warned[j] = true;
            if (m_notifier)
                m_notifier(kThresholds[i], percent);
            return;
        }
    }
}
