#include "DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// What a desktop's notification service receives.
class FakeNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList received;

public slots:
    uint Notify(const QString& app, uint, const QString&, const QString& summary, const QString& body,
                const QStringList&, const QVariantMap&, int)
    {
        received << app + QLatin1Char('|') + summary + QLatin1Char('|') + body;
        return uint(received.size());
    }
};

class TestDesktopNotifier : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            QSKIP("dbus-daemon is not installed");
        QVERIFY(m_dir.isValid());
        // A bus of our own that knows no services to start, whatever this machine has installed.
        QFile config(m_dir.filePath(QStringLiteral("bus.conf")));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                     " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                     "<busconfig><type>session</type><listen>unix:dir=" + m_dir.path().toUtf8() + "</listen>"
                     "<auth>EXTERNAL</auth><policy context=\"default\"><allow send_destination=\"*\"/>"
                     "<allow receive_sender=\"*\"/><allow own=\"*\"/></policy></busconfig>\n");
        config.close();
        m_daemon.start(daemon, {QStringLiteral("--nofork"), QStringLiteral("--print-address"),
                                QStringLiteral("--config-file=") + config.fileName()});
        QVERIFY(m_daemon.waitForReadyRead(5000));
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        QVERIFY(!m_address.isEmpty());
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_address.toUtf8());
        m_service = QDBusConnection::connectToBus(m_address, QStringLiteral("fake-service"));
        QVERIFY(m_service.isConnected());
        QVERIFY(m_service.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &m_fake,
                                         QDBusConnection::ExportAllSlots));
    }

    void cleanupTestCase()
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-service"));
        m_daemon.kill();
        m_daemon.waitForFinished();
    }

    void paths_data()
    {
        QTest::addColumn<bool>("bus");
        QTest::addColumn<bool>("service");
        QTest::addColumn<bool>("tray");
        QTest::addColumn<int>("shown");
        QTest::newRow("the service") << true << true << true << int(NotificationShown::Desktop);
        QTest::newRow("no service: the tray") << true << false << true << int(NotificationShown::Fallback);
        QTest::newRow("neither: nothing") << true << false << false << int(NotificationShown::None);
        QTest::newRow("no session bus: the tray") << false << false << true << int(NotificationShown::Fallback);
    }

    void paths()
    {
        QFETCH(bool, bus);
        QFETCH(bool, service);
        QFETCH(bool, tray);
        QFETCH(int, shown);
        const QString name = QStringLiteral("org.freedesktop.Notifications");
        if (service)
            QVERIFY(m_service.registerService(name));
        else
            m_service.unregisterService(name);
        QTemporaryDir runtime;  // holds no "bus"
        if (!bus) {
            qunsetenv("DBUS_SESSION_BUS_ADDRESS");
            qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        }
        m_fake.received.clear();
        int fallbackCalls = 0;
        const NotificationShown result =
            ShowNotification(QStringLiteral("Low battery"), QStringLiteral("below 15%"), [&] {
                ++fallbackCalls;
                return tray;
            });
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_address.toUtf8());
        QCOMPARE(int(result), shown);
        QCOMPARE(fallbackCalls, result == NotificationShown::Desktop ? 0 : 1);
        if (result == NotificationShown::Desktop)
            QTRY_COMPARE(m_fake.received, QStringList{QStringLiteral("mousecfg|Low battery|below 15%")});
        else
            QVERIFY(m_fake.received.isEmpty());
    }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    QDBusConnection m_service{QStringLiteral("none")};
    FakeNotifications m_fake;
};

QTEST_GUILESS_MAIN(TestDesktopNotifier)
#include "tst_desktopnotifier.moc"
