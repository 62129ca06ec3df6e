#include "DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFileInfo>
#include <QVariantMap>

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");

// A session bus to talk to; without one, asking for it would start a bus of our own.
bool SessionBusExists()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}
} // namespace

bool SendDesktopNotification(const QString& title, const QString& body, const QString& iconPath)
{
    if (!SessionBusExists())
        return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    QDBusConnectionInterface* daemon = bus.interface();
    if (!daemon->isServiceRegistered(kService).value() && !daemon->activatableServiceNames().value().contains(kService))
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, QStringLiteral("/org/freedesktop/Notifications"),
                                                       kService, QStringLiteral("Notify"));
    call << QStringLiteral("mousecfg") << quint32(0) << iconPath << title << body << QStringList() << QVariantMap()
         << qint32(-1);
    // The service answers with an id we do not need; the window does not wait for it.
    return bus.send(call);
}

NotificationShown ShowNotification(const QString& title, const QString& body, const std::function<bool()>& fallback)
{
    if (SendDesktopNotification(title, body))
        return NotificationShown::Desktop;
    if (fallback && fallback())
        return NotificationShown::Fallback;
    return NotificationShown::None;
}
