#pragma once

#include "PointerSpeed.h"

// An in-memory system speed for tests: remembers what was applied and how often.
class FakePointerSpeed : public PointerSpeed
{
public:
    explicit FakePointerSpeed(int initial = 10, bool available = true);

    QString name() const override;
    bool available() override;
    int read() override;
    bool apply(int speed) override;

    // The last value apply() was given after clamping; 0 before the first call.
    int lastApplied() const;
    int applyCount() const;
    // Turns the fake system on or off: off, read() gives 0 and apply() fails.
    void setAvailable(bool available);
    void setValue(int speed);

private:
    Q_DISABLE_COPY(FakePointerSpeed)

    int m_value;
    bool m_available;
    int m_lastApplied = 0;
    int m_applyCount = 0;
};
