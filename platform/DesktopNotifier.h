#pragma once

#include <QString>

// A desktop notification through the freedesktop notification service on the session bus.
// False when no such service runs or can be started; nothing is shown then.
bool SendDesktopNotification(const QString& title, const QString& body, const QString& iconPath = QString());
