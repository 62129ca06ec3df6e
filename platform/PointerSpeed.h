#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>

// The host's pointer speed on the 1..20 scale profiles store (10 is the neutral middle).
// Supported: GNOME and desktops built on its settings (gsettings
// org.gnome.desktop.peripherals.mouse speed); everywhere else nothing is set.
// MOUSECFG_POINTER_SPEED=none|gnome|fake forces the backend.
class PointerSpeed
{
public:
    static constexpr int kMinimum = 1;
    static constexpr int kMaximum = 20;

    virtual ~PointerSpeed() = default;

    // "none", "gnome" or "fake".
    virtual QString name() const = 0;
    // Whether apply() can take effect here; may ask the system once.
    virtual bool available() = 0;
    // The system's speed, 1..20; 0 when it cannot be read.
    virtual int read() = 0;
    // Sets the system's speed, clamped to 1..20; false when the system did not take it.
    virtual bool apply(int speed) = 0;

    static int Clamp(int speed);

protected:
    PointerSpeed() = default;

private:
    Q_DISABLE_COPY(PointerSpeed)
};

// The backend of this process, chosen on first use. UI thread.
PointerSpeed& ActivePointerSpeed();
// Sets a profile's stored speed on the active backend. A value outside 1..20 (a missing
// file or key) leaves the desktop's speed alone rather than set its slowest or fastest.
bool ApplyProfilePointerSpeed(int speed);
// Tests install their own (not owned); nullptr restores the chosen backend.
void SetPointerSpeedForTesting(PointerSpeed* speed);
// What MOUSECFG_POINTER_SPEED and the running desktop call for.
std::unique_ptr<PointerSpeed> CreatePointerSpeed();
