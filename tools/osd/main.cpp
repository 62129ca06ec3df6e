// OSD: shows the short texts the configurator sends (DPI level, report rate) on top of
// everything, without taking focus or clicks, and leaves by itself when idle.
#include "OsdMessage.h"
#include "OsdReceiver.h"
#include "OsdWindow.h"

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QLockFile>
#include <QTextStream>
#include <QTimer>

namespace {

constexpr int kDefaultIdleMs = 10 * 60 * 1000;
constexpr int kMinIdleMs = 100;
constexpr int kMaxIdleMs = 24 * 60 * 60 * 1000;

// Tests shorten the idle time; a value out of range keeps the default.
int IdleMs()
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue("MOUSECFG_OSD_IDLE_MS", &ok);
    return ok && value >= kMinIdleMs && value <= kMaxIdleMs ? value : kDefaultIdleMs;
}

QString Escaped(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    escaped.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    escaped.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    return escaped;
}

// #rrggbb from the record's R + G*256 + B*65536.
QString ColourName(quint32 colour)
{
    const quint32 rgb = ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
    return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0'));
}

// One line per message shown, so tests can see what the window got.
void LogShown(const OsdMessage& message, const QWidget& window)
{
    const QString path = qEnvironmentVariable("MOUSECFG_OSD_LOG");
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    const QSize size = window.isVisible() ? window.size() : QSize(0, 0);
    QTextStream out(&file);
    out.setCodec("UTF-8");
    out << Escaped(message.text) << '\t' << ColourName(message.colour) << '\t'
        << message.fontSize << '\t' << message.displayMs << '\t' << Escaped(message.fontFace) << '\t'
        << size.width() << 'x' << size.height() << '\n';
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("OSD"));
    app.setQuitOnLastWindowClosed(false);

    const QString serverName = OsdServerName();
    if (serverName.isEmpty()) {
        qWarning() << "OSD: no private runtime directory for the socket";
        return 1;
    }
    // The socket file alone cannot tell a live OSD from a dead one; the lock can.
    QLockFile lock(OsdLockFilePath());
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0)) {
        if (lock.error() == QLockFile::LockFailedError)
            return 0;
        qWarning() << "OSD: cannot take the lock" << OsdLockFilePath();
        return 1;
    }

    OsdReceiver receiver;
    if (!receiver.listen(serverName)) {
        qWarning() << "OSD: cannot listen on" << serverName << receiver.errorString();
        return 1;
    }

    OsdWindow window;
    QTimer idleTimer;
    idleTimer.setSingleShot(true);
    idleTimer.setInterval(IdleMs());
    QObject::connect(&idleTimer, &QTimer::timeout, &app, [&] {
        if (window.isVisible())
            idleTimer.start();
        else
            app.quit();
    });
    QObject::connect(&receiver, &OsdReceiver::messageReceived, &window, [&](const OsdMessage& message) {
        window.showMessage(message);
        LogShown(message, window);
        idleTimer.start();
    });
    idleTimer.start();
    return app.exec();
}
