#pragma once

#include "HidDeviceMonitor.h"

#include <QSet>
#include <QTimer>

// Re-enumerates on a timer and reports the difference; with no enumerator it only
// passes on what is injected (tests, the virtual mouse).
class PollingHidDeviceMonitor : public HidDeviceMonitor
{
    Q_OBJECT

public:
    using IdResolver = std::function<HidUsbId(const QString& path)>;

    static constexpr int kDefaultIntervalMs = 2000;

    // Takes the current devices as the baseline (not reported). intervalMs <= 0: no
    // timer, poll() only.
    explicit PollingHidDeviceMonitor(PathEnumerator enumerate, int intervalMs = kDefaultIntervalMs,
                                     QObject* parent = nullptr, IdResolver resolveId = IdResolver());
    ~PollingHidDeviceMonitor() override;

    QString source() const override;
    int intervalMs() const;

public slots:
    // Enumerate now and report what arrived and left since the last enumeration.
    void poll();

private:
    Q_DISABLE_COPY(PollingHidDeviceMonitor)

    QSet<QString> currentPaths() const;
    HidUsbId resolve(const QString& path) const;

    PathEnumerator m_enumerate;
    IdResolver m_resolveId;
    QSet<QString> m_present;
    QTimer m_timer;
    bool m_polling = false;
};
