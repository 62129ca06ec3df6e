// The program as a whole: one instance per product, the second start returns 1.
#include "TestAppDir.h"

#include <QProcess>
#include <QtTest>

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void secondStartReturnsOne();
};

void StartupTest::secondStartReturnsOne()
{
    TestAppDir dir;
    dir.installShippedDescriptor();
    dir.write(QStringLiteral("Configs/Config.ini"), "[Mouse_List]\n0=X8 Wireless\n[MouseSenSor]\n1=3389\n");
    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("MOUSECFG_APP_DIR"), dir.path());
    env.insert(QStringLiteral("MOUSECFG_DEVICE"), QStringLiteral("virtual"));
    env.insert(QStringLiteral("MOUSECFG_VIRTUAL_STATE"), dir.file(QStringLiteral("vm.ini")));
    env.insert(QStringLiteral("MOUSECFG_POINTER_SPEED"), QStringLiteral("none"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(QStringLiteral(MOUSECFG_PROGRAM), QStringList());
    QVERIFY(first.waitForStarted());
    // The first instance holds the lock once its window exists.
    QTRY_VERIFY_WITH_TIMEOUT(!QDir(runtime.path()).entryList({QStringLiteral("*.lock")}, QDir::Files).isEmpty(), 10000);

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(MOUSECFG_PROGRAM), QStringList());
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitCode(), 1);
    QCOMPARE(first.state(), QProcess::Running);

    first.terminate();
    if (!first.waitForFinished(5000))
        first.kill();
    // A stopped instance never blocks the next start.
    QProcess third;
    env.insert(QStringLiteral("MOUSECFG_EXIT_WHEN_SHOWN"), QStringLiteral("1"));
    third.setProcessEnvironment(env);
    third.start(QStringLiteral(MOUSECFG_PROGRAM), QStringList());
    QVERIFY(third.waitForFinished(10000));
    QCOMPARE(third.exitCode(), 0);
    QVERIFY(third.readAllStandardOutput().contains("shown"));
}

QTEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"
