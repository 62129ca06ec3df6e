#include "DesktopAutostart.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestDesktopAutostart : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        qputenv("XDG_CONFIG_HOME", m_dir->path().toLocal8Bit());
    }
    void cleanup() { qunsetenv("XDG_CONFIG_HOME"); }

    void execLine_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QByteArray>("exec");
        QTest::newRow("plain path") << "/usr/bin/mousecfg" << QByteArray("Exec=/usr/bin/mousecfg --minimized\n");
        QTest::newRow("blank quoted") << "/opt/my mouse/mousecfg" << QByteArray("Exec=\"/opt/my mouse/mousecfg\" --minimized\n");
        QTest::newRow("dollar and quote escaped, backslash doubled")
            << "/a$b\"c" << QByteArray("Exec=\"/a\\\\$b\\\\\"c\" --minimized\n");
        QTest::newRow("percent doubled") << "/x%y/mousecfg" << QByteArray("Exec=\"/x%%y/mousecfg\" --minimized\n");
    }
    void execLine()
    {
        QFETCH(QString, program);
        QFETCH(QByteArray, exec);
        QVERIFY2(DesktopAutostart::EntryText(program).contains(exec), DesktopAutostart::EntryText(program).constData());
    }

    void lineBreakGivesNoEntry()
    {
        QVERIFY(DesktopAutostart::EntryText(QStringLiteral("/tmp/x\nExec=evil")).isEmpty());
        QVERIFY(!DesktopAutostart::SetEnabled(true, QStringLiteral("/tmp/x\nExec=evil")));
        QVERIFY(!QFile::exists(DesktopAutostart::EntryPath()));
    }

    void enableAndDisable()
    {
        QCOMPARE(DesktopAutostart::EntryPath(), m_dir->path() + QStringLiteral("/autostart/mousecfg.desktop"));
        QVERIFY(!DesktopAutostart::IsEnabled());
        QVERIFY(DesktopAutostart::SetEnabled(true, QStringLiteral("/usr/bin/mousecfg")));
        QVERIFY(DesktopAutostart::IsEnabled());
        QVERIFY(DesktopAutostart::SetEnabled(false, QString()));
        QVERIFY(!QFile::exists(DesktopAutostart::EntryPath()));
        QVERIFY(DesktopAutostart::SetEnabled(false, QString()));
    }

    void hiddenEntryIsOff()
    {
        QVERIFY(DesktopAutostart::SetEnabled(true, QStringLiteral("/usr/bin/mousecfg")));
        QFile file(DesktopAutostart::EntryPath());
        QVERIFY(file.open(QIODevice::Append));
        file.write("Hidden=true\n");
        file.close();
        QVERIFY(!DesktopAutostart::IsEnabled());
    }

private:
    QScopedPointer<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestDesktopAutostart)
#include "tst_desktopautostart.moc"
