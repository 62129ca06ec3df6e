#pragma once

#include "PointerSpeed.h"

#include <QByteArray>
#include <QStringList>

// GNOME's mouse speed, a double -1..1, set through gsettings. Mapping: gnome =
// (speed - 10) / 10, so 10 is GNOME's default 0, 20 is 1 and 1 is -0.9; reading rounds
// back and clamps (-1 reads as 1).
class GnomePointerSpeed : public PointerSpeed
{
public:
    static constexpr int kDefaultTimeoutMs = 1500;

    // program: the gsettings executable (tests pass a stand-in).
    explicit GnomePointerSpeed(const QString& program = QStringLiteral("gsettings"),
                               int timeoutMs = kDefaultTimeoutMs);

    QString name() const override;
    bool available() override;
    int read() override;
    bool apply(int speed) override;

    static double ToGnome(int speed);
    // 0 for NaN and infinities.
    static int FromGnome(double value);
    // gsettings' printed double ("0.5", "-0.10000000000000001", "@d 1.0"); false when it is none.
    static bool ParseGnomeValue(const QByteArray& text, double* value);

private:
    Q_DISABLE_COPY(GnomePointerSpeed)

    // Runs the program with a time-out; false when it is missing, hangs or fails.
    bool run(const QStringList& arguments, QByteArray* output) const;

    QString m_program;
    int m_timeoutMs;
    int m_available = -1; // -1 not asked yet, else 0 or 1
};
