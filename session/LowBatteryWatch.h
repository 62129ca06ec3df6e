#pragma once

#include <functional>

// Warns once when the battery falls below 15 % and once more below 5 % while it is not
// charging. A warning comes again only after the battery was charged above its threshold.
class LowBatteryWatch
{
public:
    // Shows one warning; threshold is 15 or 5.
    using Notifier = std::function<void(int threshold, int percent)>;
    explicit LowBatteryWatch(Notifier notifier);

    static constexpr int kThresholds[2] = {15, 5};
    static constexpr int kUnseenCharge = 20;

    // A battery reading: percent 0..100 (out of range readings are ignored).
    void reading(int percent, bool charging);

private:
    Notifier m_notifier;
    bool m_warned[2] = {false, false};
};
