#include "PollingHidDeviceMonitor.h"

#include <QPointer>
#include <QtGlobal>
#include <algorithm>

namespace {

// Below 50 ms the enumeration itself would keep a core busy; above a minute plugging feels dead.
constexpr int kMinimumIntervalMs = 50;
constexpr int kMaximumIntervalMs = 60000;

} // namespace

PollingHidDeviceMonitor::PollingHidDeviceMonitor(PathEnumerator enumerate, int intervalMs, QObject* parent,
                                                 IdResolver resolveId)
    : HidDeviceMonitor(parent)
    , m_enumerate(std::move(enumerate))
    , m_resolveId(std::move(resolveId))
{
    m_present = currentPaths();
    for (const QString& path : qAsConst(m_present))
        notePresent(path, resolve(path));
    if (m_enumerate && intervalMs > 0) {
        m_timer.setInterval(std::clamp(intervalMs, kMinimumIntervalMs, kMaximumIntervalMs));
        connect(&m_timer, &QTimer::timeout, this, &PollingHidDeviceMonitor::poll);
        m_timer.start();
    }
}

PollingHidDeviceMonitor::~PollingHidDeviceMonitor() = default;

QString PollingHidDeviceMonitor::source() const
{
    return m_enumerate ? QStringLiteral("poll") : QStringLiteral("inject");
}

int PollingHidDeviceMonitor::intervalMs() const
{
    return m_timer.isActive() ? m_timer.interval() : 0;
}

void PollingHidDeviceMonitor::poll()
{
    // A slot connected to our signals may call poll() again; the outer call reports first.
    if (!m_enumerate || m_polling)
        return;
    m_polling = true;
    const QSet<QString> now = currentPaths();
    const QSet<QString> before = m_present;
    m_present = now;
    // A slot may also delete this monitor; stop reporting then.
    const QPointer<PollingHidDeviceMonitor> self(this);
    for (const QString& path : before) {
        if (!now.contains(path))
            noteRemoval(path);
        if (!self)
            return;
    }
    for (const QString& path : now) {
        if (!before.contains(path))
            noteArrival(path, resolve(path));
        if (!self)
            return;
    }
    m_polling = false;
}

QSet<QString> PollingHidDeviceMonitor::currentPaths() const
{
    QSet<QString> paths;
    if (!m_enumerate)
        return paths;
    const QStringList list = m_enumerate();
    for (const QString& path : list) {
        if (!path.isEmpty())
            paths.insert(path);
    }
    return paths;
}

HidUsbId PollingHidDeviceMonitor::resolve(const QString& path) const
{
    return m_resolveId ? m_resolveId(path) : HidUsbId();
}
