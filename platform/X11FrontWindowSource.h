#pragma once

#include "FrontWindowSource.h"

#include <memory>

class QSocketNotifier;
struct xcb_connection_t;

// The window in front on an X11 desktop: the window manager's _NET_ACTIVE_WINDOW on the
// root window, followed through property-change events on a connection of its own.
// Not available without a display or in a Wayland session, whose own windows X11 does not see.
class X11FrontWindowSource : public FrontWindowSource
{
    Q_OBJECT
public:
    // display: as in DISPLAY; empty takes the environment's.
    explicit X11FrontWindowSource(const QString& display = QString(), QObject* parent = nullptr);
    ~X11FrontWindowSource() override;

    bool available() const override { return m_connection != nullptr; }
    QStringList runningClasses() const override;
    // The window in front now.
    FrontWindow frontWindow() const override;

private:
    void onEvents();
    bool takeEvents(bool queuedOnly);  // true when the window in front changed
    quint32 intern(const char* name) const;
    QStringList windowClass(quint32 window) const;
    QString executableOf(quint32 window, qint64& pidOut) const;

    xcb_connection_t* m_connection = nullptr;
    quint32 m_root = 0;
    quint32 m_activeAtom = 0;
    quint32 m_pidAtom = 0;
    quint32 m_clientListAtom = 0;
    QSocketNotifier* m_notifier = nullptr;
};
