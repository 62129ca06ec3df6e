// Single instance: the lock file, a crashed holder, inherited descriptors and the
// "show" request to the running instance.
#include "InstanceLock.h"
#include "SendAsUser.h"

#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

class InstanceLockTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void productLockName();
    void safeFileName_data();
    void safeFileName();
    void similarNamesGetDifferentFiles();

    void secondLockFailsUntilFirstIsGone();
    void otherNamesDoNotConflict();
    void lockFileInRuntimeDirectory();
    void privateFallbackDirectory();
    void killedHolderDoesNotBlock();
    void startedProgramsDoNotKeepTheLock();

    void showRequestArrives();
    void nobodyToNotify();
    void strangeRequestsAreIgnored_data();
    void strangeRequestsAreIgnored();
    void requestOfAnotherUserIsIgnored_data();
    void requestOfAnotherUserIsIgnored();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_runtimeDir;
    bool m_hadRuntimeDir = false;
};

namespace {

const QString kName = QStringLiteral("X8 Wireless Gaming Mouse Mutex1");

} // namespace

void InstanceLockTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_hadRuntimeDir = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
    m_runtimeDir = qgetenv("XDG_RUNTIME_DIR");
}

void InstanceLockTest::cleanup()
{
    if (m_hadRuntimeDir)
        qputenv("XDG_RUNTIME_DIR", m_runtimeDir);
    else
        qunsetenv("XDG_RUNTIME_DIR");
    m_dir.reset();
}

void InstanceLockTest::productLockName()
{
    QCOMPARE(InstanceLock::ProductLockName(QStringLiteral("X8")), kName);
    // A missing product name still gives one shared name.
    QCOMPARE(InstanceLock::ProductLockName(QString()), QStringLiteral(" Wireless Gaming Mouse Mutex1"));
}

void InstanceLockTest::safeFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("readablePart");
    QTest::newRow("product lock") << kName << "X8_Wireless_Gaming_Mouse_Mutex1";
    QTest::newRow("no product name") << " Wireless Gaming Mouse Mutex1" << "_Wireless_Gaming_Mouse_Mutex1";
    QTest::newRow("path climbing") << "../../etc/passwd" << "______etc_passwd";
    QTest::newRow("dot names") << ".." << "__";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("non-latin") << QString::fromUtf8("Мышь") << "____";
    QTest::newRow("very long") << QString(10000, QLatin1Char('a')) << QString(48, QLatin1Char('a'));
}

void InstanceLockTest::safeFileName()
{
    QFETCH(QString, name);
    QFETCH(QString, readablePart);
    const QString safe = InstanceLock::SafeFileName(name);
    QVERIFY2(QRegularExpression(QStringLiteral("^[A-Za-z0-9_-]*-[0-9a-f]{8}$")).match(safe).hasMatch(), qPrintable(safe));
    QCOMPARE(safe.left(safe.size() - 9), readablePart);
}

void InstanceLockTest::similarNamesGetDifferentFiles()
{
    QVERIFY(InstanceLock::SafeFileName(QStringLiteral("a b")) != InstanceLock::SafeFileName(QStringLiteral("a_b")));
    const QString base(60, QLatin1Char('x'));
    QVERIFY(InstanceLock::SafeFileName(base + QLatin1Char('1')) != InstanceLock::SafeFileName(base + QLatin1Char('2')));
    QCOMPARE(InstanceLock::SafeFileName(kName), InstanceLock::SafeFileName(kName));
}

void InstanceLockTest::secondLockFailsUntilFirstIsGone()
{
    auto first = std::make_unique<InstanceLock>(kName, m_dir->path());
    InstanceLock second(kName, m_dir->path());

    QVERIFY(first->tryLock());
    QVERIFY(first->isLocked());
    QVERIFY(first->tryLock());
    QVERIFY(!second.tryLock());
    QVERIFY(!second.isLocked());
    QVERIFY(QFile::exists(first->lockFilePath()));

    first.reset();
    QVERIFY(second.tryLock());
    QVERIFY(second.isLocked());
}

void InstanceLockTest::otherNamesDoNotConflict()
{
    InstanceLock first(kName, m_dir->path());
    InstanceLock other(InstanceLock::ProductLockName(QStringLiteral("X9")), m_dir->path());
    QVERIFY(first.tryLock());
    QVERIFY(other.tryLock());
    QVERIFY(first.isLocked() && other.isLocked());
}

void InstanceLockTest::lockFileInRuntimeDirectory()
{
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir->path()));
    QCOMPARE(InstanceLock::DefaultDirectory(), m_dir->path());

    InstanceLock lock(kName);
    QCOMPARE(lock.lockFilePath(), m_dir->path() + QLatin1Char('/') + InstanceLock::SafeFileName(kName) + ".lock");
    QVERIFY(lock.tryLock());
    QVERIFY(lock.isLocked());
    QVERIFY(QFile::exists(lock.lockFilePath()));
    QVERIFY(QFile::exists(lock.serverPath()));
}

void InstanceLockTest::privateFallbackDirectory()
{
    qunsetenv("XDG_RUNTIME_DIR");
    const QString directory = InstanceLock::DefaultDirectory();
    QCOMPARE(directory, QStringLiteral("/tmp/mousecfg-%1").arg(getuid()));
    struct stat info;
    QCOMPARE(lstat(QFile::encodeName(directory).constData(), &info), 0);
    QVERIFY(S_ISDIR(info.st_mode));
    QCOMPARE(info.st_uid, getuid());
    QCOMPARE(int(info.st_mode & 0777), 0700);
}

void InstanceLockTest::killedHolderDoesNotBlock()
{
    QProcess holder;
    holder.start(QStringLiteral(MOUSECFG_LOCK_HOLDER), {m_dir->path(), kName});
    QVERIFY(holder.waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(holder.canReadLine() || holder.state() == QProcess::NotRunning, 10000);
    QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));

    InstanceLock lock(kName, m_dir->path());
    QVERIFY(!lock.tryLock());

    holder.kill();
    QVERIFY(holder.waitForFinished(5000));
    QCOMPARE(holder.exitStatus(), QProcess::CrashExit);

    // The dead holder left its socket file behind; the new holder must still be reachable.
    QVERIFY(lock.tryLock());
    QSignalSpy shown(&lock, &InstanceLock::showRequested);
    InstanceLock later(kName, m_dir->path());
    QVERIFY(!later.tryLock());
    QVERIFY(later.notifyRunningInstance());
    QTRY_COMPARE(shown.count(), 1);
}

void InstanceLockTest::startedProgramsDoNotKeepTheLock()
{
    auto first = std::make_unique<InstanceLock>(kName, m_dir->path());
    QVERIFY(first->tryLock());

    // The configurator starts other programs (updater, on-screen display) that may outlive it.
    QProcess child;
    child.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    QVERIFY(child.waitForStarted(5000));
    first.reset();

    InstanceLock next(kName, m_dir->path());
    const bool locked = next.tryLock();
    child.kill();
    child.waitForFinished(5000);
    QVERIFY(locked);
    QVERIFY(next.isLocked());
}

void InstanceLockTest::showRequestArrives()
{
    InstanceLock running(kName, m_dir->path());
    QVERIFY(running.tryLock());
    QSignalSpy shown(&running, &InstanceLock::showRequested);

    InstanceLock second(kName, m_dir->path());
    QVERIFY(!second.tryLock());
    QVERIFY(second.notifyRunningInstance());
    QTRY_COMPARE(shown.count(), 1);
    QVERIFY(second.notifyRunningInstance());
    QTRY_COMPARE(shown.count(), 2);
    QTest::qWait(100);
    QCOMPARE(shown.count(), 2);
}

void InstanceLockTest::nobodyToNotify()
{
    InstanceLock lonely(kName, m_dir->path());
    QVERIFY(!lonely.notifyRunningInstance(500));

    // A socket file with nobody listening, as a crash leaves it.
    QFile stale(lonely.serverPath());
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();
    QVERIFY(!lonely.notifyRunningInstance(500));
}

void InstanceLockTest::strangeRequestsAreIgnored_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::newRow("unknown word") << QByteArray("quit\n");
    QTest::newRow("show without line end") << QByteArray("show");
    QTest::newRow("show inside a longer word") << QByteArray("showtime\n");
    QTest::newRow("endless line") << QByteArray(100000, 's');
    QTest::newRow("binary") << QByteArray("\0\xff\x01show\n", 8);
}

void InstanceLockTest::strangeRequestsAreIgnored()
{
    QFETCH(QByteArray, request);
    InstanceLock running(kName, m_dir->path());
    QVERIFY(running.tryLock());
    QSignalSpy shown(&running, &InstanceLock::showRequested);

    {
        QLocalSocket peer;
        peer.connectToServer(running.serverPath());
        QVERIFY(peer.waitForConnected(2000));
        peer.write(request);
        peer.waitForBytesWritten(500);
        QTest::qWait(200);
        peer.abort();
    }
    QTest::qWait(100);
    QCOMPARE(shown.count(), 0);

    // The server still answers a proper request afterwards.
    InstanceLock second(kName, m_dir->path());
    QVERIFY(second.notifyRunningInstance());
    QTRY_COMPARE(shown.count(), 1);
}

void InstanceLockTest::requestOfAnotherUserIsIgnored_data()
{
    QTest::addColumn<bool>("otherUser");
    QTest::addColumn<int>("shown");
    QTest::newRow("this user") << false << 1;
    QTest::newRow("another user, socket opened to all") << true << 0;
}

void InstanceLockTest::requestOfAnotherUserIsIgnored()
{
    QFETCH(bool, otherUser);
    if (otherUser && getuid() != 0)
        QSKIP("needs root to send as another user");
    InstanceLock running(kName, m_dir->path());
    QVERIFY(running.tryLock());
    QSignalSpy shown(&running, &InstanceLock::showRequested);
    const QByteArray path = QFile::encodeName(running.serverPath());
    // Rights a mistake could leave behind: only the peer check stands in the way.
    chmod(QFile::encodeName(m_dir->path()).constData(), 0755);
    chmod(path.constData(), 0777);

    const pid_t child = SendAsUser(otherUser ? 65534 : getuid(), path, "show\n");
    QCOMPARE(WaitForChild(child, 5000), 0);
    QTest::qWait(50);
    QTEST(int(shown.count()), "shown");
}

QTEST_GUILESS_MAIN(InstanceLockTest)
#include "tst_instancelock.moc"
