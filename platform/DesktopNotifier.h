#pragma once

#include <QString>

#include <functional>

// A desktop notification through the freedesktop notification service on the session bus.
// False when no such service runs or can be started; nothing is shown then.
bool SendDesktopNotification(const QString& title, const QString& body, const QString& iconPath = QString());

enum class NotificationShown { Desktop, Fallback, None };

// The notification service when there is one, else the fallback (the tray's own message),
// which returns false when it cannot show anything either.
NotificationShown ShowNotification(const QString& title, const QString& body,
                                   const std::function<bool()>& fallback);
