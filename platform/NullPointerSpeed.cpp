#include "NullPointerSpeed.h"

QString NullPointerSpeed::name() const
{
    return QStringLiteral("none");
}

bool NullPointerSpeed::available()
{
    return false;
}

int NullPointerSpeed::read()
{
    return 0;
}

bool NullPointerSpeed::apply(int speed)
{
    Q_UNUSED(speed)
    return false;
}
