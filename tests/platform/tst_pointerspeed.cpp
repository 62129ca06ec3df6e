// Host pointer speed: the 1..20 <-> GNOME mapping, gsettings through a stand-in
// program (the real desktop is never touched), the fake, and the backend choice.
#include "FakePointerSpeed.h"
#include "GnomePointerSpeed.h"
#include "NullPointerSpeed.h"
#include "PointerSpeed.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <limits>

class PointerSpeedTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void toGnome_data();
    void toGnome();
    void fromGnome_data();
    void fromGnome();
    void everySpeedSurvivesTheRoundTrip();
    void parseGnomeValue_data();
    void parseGnomeValue();

    void gnomeSetsAndReadsThroughGsettings();
    void gnomeClampsBeforeSetting_data();
    void gnomeClampsBeforeSetting();
    void settingThatDoesNotStickIsAFailure();
    void missingProgram();
    void failingProgram();
    void hangingProgramTimesOut();
    void garbageOutput_data();
    void garbageOutput();

    void fakeRecordsWhatWasApplied();
    void nullSetsNothing();
    void backendChoice_data();
    void backendChoice();
    void testingOverride();

private:
    // A stand-in gsettings in a temporary folder; its value lives in a file beside it.
    QString writeScript(const QByteArray& body);
    QByteArray storedValue() const;

    QTemporaryDir m_dir;
};

void PointerSpeedTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Whatever ActivePointerSpeed() builds in here must never reach the real desktop.
    qputenv("MOUSECFG_POINTER_SPEED", "fake");
}

void PointerSpeedTest::cleanup()
{
    SetPointerSpeedForTesting(nullptr);
    qputenv("MOUSECFG_POINTER_SPEED", "fake");
    QFile::remove(m_dir.filePath(QStringLiteral("value")));
    QFile::remove(m_dir.filePath(QStringLiteral("calls")));
}

QString PointerSpeedTest::writeScript(const QByteArray& body)
{
    static int counter = 0;
    const QString path = m_dir.filePath(QStringLiteral("gsettings-%1").arg(++counter));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("#!/bin/sh\nstore=\"$(dirname \"$0\")/value\"\necho \"$@\" >> \"$(dirname \"$0\")/calls\"\n" + body);
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
}

QByteArray PointerSpeedTest::storedValue() const
{
    QFile file(m_dir.filePath(QStringLiteral("value")));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

namespace {

// Behaves like gsettings with a working settings daemon for the one key we use.
const QByteArray kWorkingGsettings = R"(
[ "$2" = org.gnome.desktop.peripherals.mouse ] && [ "$3" = speed ] || exit 1
case "$1" in
  writable) echo true ;;
  get) if [ -f "$store" ]; then cat "$store"; else echo 0.0; fi ;;
  set) [ $# -eq 4 ] || exit 1; echo "$4" > "$store" ;;
  *) exit 1 ;;
esac
)";

} // namespace

void PointerSpeedTest::toGnome_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<double>("gnome");
    QTest::newRow("slowest") << 1 << -0.9;
    QTest::newRow("middle is GNOME's default") << 10 << 0.0;
    QTest::newRow("fast") << 15 << 0.5;
    QTest::newRow("fastest") << 20 << 1.0;
    QTest::newRow("0 from an old profile clamps to slowest") << 0 << -0.9;
    QTest::newRow("255 clamps to fastest") << 255 << 1.0;
    QTest::newRow("negative clamps to slowest") << -5 << -0.9;
}

void PointerSpeedTest::toGnome()
{
    QFETCH(int, speed);
    QFETCH(double, gnome);
    QVERIFY(std::fabs(GnomePointerSpeed::ToGnome(speed) - gnome) < 1e-9);
}

void PointerSpeedTest::fromGnome_data()
{
    QTest::addColumn<double>("gnome");
    QTest::addColumn<int>("speed");
    QTest::newRow("slowest GNOME speed") << -1.0 << 1;
    QTest::newRow("-0.9") << -0.9 << 1;
    QTest::newRow("default") << 0.0 << 10;
    QTest::newRow("just above default") << 0.04 << 10;
    QTest::newRow("as gsettings prints -0.1") << -0.10000000000000001 << 9;
    QTest::newRow("half") << 0.5 << 15;
    QTest::newRow("fastest") << 1.0 << 20;
    QTest::newRow("above range") << 7.0 << 20;
    QTest::newRow("below range") << -7.0 << 1;
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << 20;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 0;
}

void PointerSpeedTest::fromGnome()
{
    QFETCH(double, gnome);
    QFETCH(int, speed);
    QCOMPARE(GnomePointerSpeed::FromGnome(gnome), speed);
}

void PointerSpeedTest::everySpeedSurvivesTheRoundTrip()
{
    for (int speed = PointerSpeed::kMinimum; speed <= PointerSpeed::kMaximum; ++speed) {
        // Through the text gsettings is given, as apply() formats it.
        const double written = QString::number(GnomePointerSpeed::ToGnome(speed), 'f', 2).toDouble();
        QCOMPARE(GnomePointerSpeed::FromGnome(written), speed);
    }
}

void PointerSpeedTest::parseGnomeValue_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << QByteArray("0.5\n") << true << 0.5;
    QTest::newRow("long negative") << QByteArray("-0.10000000000000001\n") << true << -0.1;
    QTest::newRow("typed") << QByteArray("@d 1.0\n") << true << 1.0;
    QTest::newRow("empty") << QByteArray() << false << 0.0;
    QTest::newRow("boolean") << QByteArray("true\n") << false << 0.0;
    QTest::newRow("quoted") << QByteArray("'0.5'\n") << false << 0.0;
    QTest::newRow("nan") << QByteArray("nan\n") << false << 0.0;
    QTest::newRow("inf") << QByteArray("inf\n") << false << 0.0;
    QTest::newRow("error text") << QByteArray("No such schema\n") << false << 0.0;
    QTest::newRow("endless digits") << QByteArray("0.") + QByteArray(100000, '5') << false << 0.0;
}

void PointerSpeedTest::parseGnomeValue()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    double parsed = 123.0;
    QCOMPARE(GnomePointerSpeed::ParseGnomeValue(text, &parsed), ok);
    if (ok)
        QVERIFY(std::fabs(parsed - value) < 1e-9);
    else
        QCOMPARE(parsed, 123.0);
}

void PointerSpeedTest::gnomeSetsAndReadsThroughGsettings()
{
    GnomePointerSpeed speed(writeScript(kWorkingGsettings));
    QCOMPARE(speed.name(), QStringLiteral("gnome"));
    QVERIFY(speed.available());
    QCOMPARE(speed.read(), 10);

    QVERIFY(speed.apply(15));
    QCOMPARE(storedValue(), QByteArray("0.50"));
    QCOMPARE(speed.read(), 15);

    QVERIFY(speed.apply(3));
    QCOMPARE(storedValue(), QByteArray("-0.70"));
    QCOMPARE(speed.read(), 3);

    QFile calls(m_dir.filePath(QStringLiteral("calls")));
    QVERIFY(calls.open(QIODevice::ReadOnly));
    QVERIFY(calls.readAll().contains("set org.gnome.desktop.peripherals.mouse speed 0.50\n"));
}

void PointerSpeedTest::gnomeClampsBeforeSetting_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("0 sets the slowest") << 0 << QByteArray("-0.90");
    QTest::newRow("99 sets the fastest") << 99 << QByteArray("1.00");
}

void PointerSpeedTest::gnomeClampsBeforeSetting()
{
    QFETCH(int, speed);
    QFETCH(QByteArray, written);
    GnomePointerSpeed gnome(writeScript(kWorkingGsettings));
    QVERIFY(gnome.apply(speed));
    QCOMPARE(storedValue(), written);
}

void PointerSpeedTest::settingThatDoesNotStickIsAFailure()
{
    // gsettings without a settings daemon: "set" exits 0 into a memory backend.
    GnomePointerSpeed speed(writeScript(R"(
case "$1" in
  writable) echo true ;;
  get) echo 0.0 ;;
  set) exit 0 ;;
esac
)"));
    QVERIFY(!speed.apply(15));
    QVERIFY(speed.apply(10));
}

void PointerSpeedTest::missingProgram()
{
    GnomePointerSpeed speed(m_dir.filePath(QStringLiteral("no-such-gsettings")));
    QVERIFY(!speed.available());
    QCOMPARE(speed.read(), 0);
    QVERIFY(!speed.apply(10));
}

void PointerSpeedTest::failingProgram()
{
    GnomePointerSpeed speed(writeScript("echo 'No such schema' >&2\nexit 1\n"));
    QVERIFY(!speed.available());
    QCOMPARE(speed.read(), 0);
    QVERIFY(!speed.apply(10));
}

void PointerSpeedTest::hangingProgramTimesOut()
{
    GnomePointerSpeed speed(writeScript("exec sleep 30\n"), 200);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(speed.read(), 0);
    QVERIFY(!speed.apply(12));
    QVERIFY(!speed.available());
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
}

void PointerSpeedTest::garbageOutput_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::newRow("words") << QByteArray("echo hello\n");
    QTest::newRow("nothing") << QByteArray("exit 0\n");
    QTest::newRow("megabyte of digits") << QByteArray("head -c 1000000 /dev/zero | tr '\\0' '7'\n");
    QTest::newRow("binary") << QByteArray("head -c 4096 /dev/urandom\n");
}

void PointerSpeedTest::garbageOutput()
{
    QFETCH(QByteArray, script);
    GnomePointerSpeed speed(writeScript(script));
    QVERIFY(!speed.available());
    QCOMPARE(speed.read(), 0);
}

void PointerSpeedTest::fakeRecordsWhatWasApplied()
{
    FakePointerSpeed fake;
    QCOMPARE(fake.read(), 10);
    QCOMPARE(fake.lastApplied(), 0);
    QVERIFY(fake.apply(17));
    QCOMPARE(fake.read(), 17);
    QVERIFY(fake.apply(40));
    QCOMPARE(fake.lastApplied(), 20);
    QCOMPARE(fake.applyCount(), 2);

    fake.setAvailable(false);
    QVERIFY(!fake.apply(5));
    QCOMPARE(fake.lastApplied(), 5);
    QCOMPARE(fake.read(), 0);
    fake.setAvailable(true);
    QCOMPARE(fake.read(), 20);
}

void PointerSpeedTest::nullSetsNothing()
{
    NullPointerSpeed none;
    QCOMPARE(none.name(), QStringLiteral("none"));
    QVERIFY(!none.available());
    QCOMPARE(none.read(), 0);
    QVERIFY(!none.apply(10));
}

void PointerSpeedTest::backendChoice_data()
{
    QTest::addColumn<QByteArray>("forced");
    QTest::addColumn<QByteArray>("desktop");
    QTest::addColumn<QString>("name");
    QTest::newRow("forced none on GNOME") << QByteArray("none") << QByteArray("GNOME") << "none";
    QTest::newRow("forced gnome elsewhere") << QByteArray("gnome") << QByteArray("KDE") << "gnome";
    QTest::newRow("forced fake") << QByteArray("fake") << QByteArray("GNOME") << "fake";
    QTest::newRow("GNOME desktop") << QByteArray() << QByteArray("GNOME") << "gnome";
    QTest::newRow("Ubuntu's GNOME") << QByteArray() << QByteArray("ubuntu:GNOME") << "gnome";
    QTest::newRow("KDE") << QByteArray() << QByteArray("KDE") << "none";
    QTest::newRow("no desktop") << QByteArray() << QByteArray() << "none";
    QTest::newRow("unknown value chooses by desktop") << QByteArray("windows") << QByteArray("KDE") << "none";
}

void PointerSpeedTest::backendChoice()
{
    QFETCH(QByteArray, forced);
    QFETCH(QByteArray, desktop);
    QFETCH(QString, name);

    const QByteArray oldDesktop = qgetenv("XDG_CURRENT_DESKTOP");
    const bool hadDesktop = qEnvironmentVariableIsSet("XDG_CURRENT_DESKTOP");
    qputenv("MOUSECFG_POINTER_SPEED", forced);
    qputenv("XDG_CURRENT_DESKTOP", desktop);
    const std::unique_ptr<PointerSpeed> chosen = CreatePointerSpeed();
    if (hadDesktop)
        qputenv("XDG_CURRENT_DESKTOP", oldDesktop);
    else
        qunsetenv("XDG_CURRENT_DESKTOP");
    QVERIFY(chosen);
    QCOMPARE(chosen->name(), name);
}

void PointerSpeedTest::testingOverride()
{
    FakePointerSpeed fake(4);
    SetPointerSpeedForTesting(&fake);
    QCOMPARE(&ActivePointerSpeed(), static_cast<PointerSpeed*>(&fake));
    QVERIFY(ActivePointerSpeed().apply(12));
    QCOMPARE(fake.lastApplied(), 12);
    // A profile's speed outside 1..20 (a missing key reads 0) leaves the desktop alone.
    for (int stored : {0, 21, 255})
        QVERIFY(!ApplyProfilePointerSpeed(stored));
    QCOMPARE(fake.applyCount(), 1);
    QVERIFY(ApplyProfilePointerSpeed(20));
    QCOMPARE(fake.lastApplied(), 20);

    SetPointerSpeedForTesting(nullptr);
    PointerSpeed& chosen = ActivePointerSpeed();
    QVERIFY(&chosen != &fake);
    QCOMPARE(chosen.name(), QStringLiteral("fake"));
    QCOMPARE(&ActivePointerSpeed(), &chosen);
}

QTEST_GUILESS_MAIN(PointerSpeedTest)
#include "tst_pointerspeed.moc"
