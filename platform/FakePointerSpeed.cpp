#include "FakePointerSpeed.h"

FakePointerSpeed::FakePointerSpeed(int initial, bool available)
    : m_value(Clamp(initial))
    , m_available(available)
{
}

QString FakePointerSpeed::name() const
{
    return QStringLiteral("fake");
}

bool FakePointerSpeed::available()
{
    return m_available;
}

int FakePointerSpeed::read()
{
    return m_available ? m_value : 0;
}

bool FakePointerSpeed::apply(int speed)
{
    ++m_applyCount;
    m_lastApplied = Clamp(speed);
    if (!m_available)
        return false;
    m_value = m_lastApplied;
    return true;
}

int FakePointerSpeed::lastApplied() const
{
    return m_lastApplied;
}

int FakePointerSpeed::applyCount() const
{
    return m_applyCount;
}

void FakePointerSpeed::setAvailable(bool available)
{
    m_available = available;
}

void FakePointerSpeed::setValue(int speed)
{
    m_value = Clamp(speed);
}
