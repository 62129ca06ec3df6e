#pragma once

#include "PointerSpeed.h"

// A host whose pointer speed this program cannot set: profiles keep their value only.
class NullPointerSpeed : public PointerSpeed
{
public:
    NullPointerSpeed() = default;

    QString name() const override;
    bool available() override;
    int read() override;
    bool apply(int speed) override;

private:
    Q_DISABLE_COPY(NullPointerSpeed)
};
