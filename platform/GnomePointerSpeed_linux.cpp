#include "GnomePointerSpeed.h"

#include <QDebug>
#include <QProcess>
#include <cmath>

namespace {

const QString kSchema = QStringLiteral("org.gnome.desktop.peripherals.mouse");
const QString kKey = QStringLiteral("speed");
// gsettings prints one short value; more than this is not an answer to our question.
constexpr int kMaxOutput = 64;

} // namespace

GnomePointerSpeed::GnomePointerSpeed(const QString& program, int timeoutMs)
    : m_program(program)
    , m_timeoutMs(timeoutMs > 0 ? timeoutMs : kDefaultTimeoutMs)
{
}

QString GnomePointerSpeed::name() const
{
    return QStringLiteral("gnome");
}

bool GnomePointerSpeed::available()
{
    if (m_available < 0) {
        QByteArray output;
        m_available = run({QStringLiteral("writable"), kSchema, kKey}, &output) && output.trimmed() == "true";
    }
    return m_available == 1;
}

int GnomePointerSpeed::read()
{
    QByteArray output;
    double value = 0;
    if (!run({QStringLiteral("get"), kSchema, kKey}, &output) || !ParseGnomeValue(output, &value))
        return 0;
    return FromGnome(value);
}

bool GnomePointerSpeed::apply(int speed)
{
    const int wanted = Clamp(speed);
    QByteArray output;
    if (!run({QStringLiteral("set"), kSchema, kKey, QString::number(ToGnome(wanted), 'f', 2)}, &output))
        return false;
    // Without a settings daemon gsettings "succeeds" into a memory backend; only a read-back proves it.
    const int now = read();
    if (now != wanted) {
        qDebug() << "pointer speed not taken by the desktop:" << wanted << "reads" << now;
        return false;
    }
    return true;
}

double GnomePointerSpeed::ToGnome(int speed)
{
    return (Clamp(speed) - 10) / 10.0;
}

int GnomePointerSpeed::FromGnome(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double bounded = std::fmin(1.0, std::fmax(-1.0, value));
    return Clamp(int(std::lround(bounded * 10.0 + 10.0)));
}

bool GnomePointerSpeed::ParseGnomeValue(const QByteArray& text, double* value)
{
    QByteArray trimmed = text.trimmed();
    if (trimmed.startsWith("@d "))
        trimmed = trimmed.mid(3).trimmed();
    if (trimmed.isEmpty() || trimmed.size() > kMaxOutput)
        return false;
    bool ok = false;
    const double parsed = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(parsed))
        return false;
    *value = parsed;
    return true;
}

bool GnomePointerSpeed::run(const QStringList& arguments, QByteArray* output) const
{
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(m_program, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(m_timeoutMs)) {
        qDebug() << "cannot start" << m_program << process.errorString();
        return false;
    }
    if (!process.waitForFinished(m_timeoutMs)) {
        qDebug() << m_program << "did not answer in" << m_timeoutMs << "ms";
        process.kill();
        process.waitForFinished(m_timeoutMs);
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qDebug() << m_program << arguments << "failed:" << process.readAllStandardError().left(200);
        return false;
    }
    *output = process.readAllStandardOutput().left(kMaxOutput + 1);
    return true;
}
