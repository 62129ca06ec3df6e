#include "CtlTestSupport.h"
#include "SettingsCommands.h"

#include "AppPaths.h"
#include "ConfigFiles.h"
#include "Descriptor.h"
#include "DpiEncoding.h"
#include "GlobalConfig.h"
#include "DeviceLock.h"
#include "HidTransport.h"
#include "MouseLink.h"
#include "SettingsRecord.h"
#include "TarnGetBatteryThread.h"
#include "VirtualHidBackend.h"
#include "VirtualMouse.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

struct Run
{
    int code = -1;
    QString out;
    QString err;
};

// Runs one command in-process, as the tool's dispatcher would.
Run Command(int (*command)(const QStringList&, QTextStream&, QTextStream&), const QStringList& args)
{
    Run r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = command(args, out, err);
    out.flush();
    err.flush();
    return r;
}

Run Show(const QStringList& args) { return Command(ShowCommand, args); }
Run Set(const QStringList& args) { return Command(SetCommand, args); }

QStringList Args(const char* text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// A value inside show --json's object by a path such as "profiles/2/levels/0/x_dpi".
QJsonValue At(const QJsonValue& root, const QString& path)
{
    QJsonValue v = root;
    for (const QString& part : path.split(QLatin1Char('/'))) {
        bool isIndex = false;
        const int index = part.toInt(&isIndex);
        v = isIndex ? v.toArray().at(index) : v.toObject().value(part);
    }
    return v;
}

const QStringList kStoredFiles = {QStringLiteral("Configs/Config.ini"), QStringLiteral("Configs/Profile/Profile 1.prof"),
                                  QStringLiteral("Configs/Profile/Profile 2.prof"),
                                  QStringLiteral("Configs/Profile/Profile 3.prof"),
                                  QStringLiteral("Configs/Profile/Profile 4.prof"),
                                  QStringLiteral("Configs/Profile/Profile 5.prof")};

} // namespace

class TestSettingsCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showJsonHasEveryKey();
    void showJsonOneProfile();
    void showText_data();
    void showText();
    void showRefusesBadUsage_data();
    void showRefusesBadUsage();

    void setRoundTrip_data();
    void setRoundTrip();
    void setStoresRawBytes_data();
    void setStoresRawBytes();
    void setRefusedChangesNothing_data();
    void setRefusedChangesNothing();
    void setOffersWhatThePagesOffer_data();
    void setOffersWhatThePagesOffer();
    void setDpiPerSensor_data();
    void setDpiPerSensor();
    void setWithoutWriteMarksDiff();
    void storedChangesAreCounted();
    void setOtherProfileKeepsItsEdit();
    void setDefaultsToActiveProfile();
    void lightingSharedWithProfileZero();
    void colourHueSaturationValueAsQColor_data();
    void colourHueSaturationValueAsQColor();

    void setWriteLandsInMouse_data();
    void setWriteLandsInMouse();
    void setWriteRefusedStoresNothing_data();
    void setWriteRefusedStoresNothing();
    void setWriteFailureKeepsDiff();

private:
    void setDescriptorKey(const QString& key, const QVariant& value);
    QString path(const QString& relative) const { return m_dir->path() + QLatin1Char('/') + relative; }
    QMap<QString, QByteArray> storedBytes() const;
    void setConfigKey(const QString& key, const QVariant& value);
    QJsonObject showJson();
    void plugVirtualMouse();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::shared_ptr<VirtualMouse> m_mouse;
    std::unique_ptr<VirtualHidBackend> m_backend;
};

void TestSettingsCommands::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    const QString source = QStringLiteral(MOUSECFG_SHIPPED_DIR);
    QVERIFY(QFile::copy(source + QStringLiteral("/DefaultProfile.bin"), path(QStringLiteral("DefaultProfile.bin"))));
    for (const QString& relative : kStoredFiles) {
        const QString target = path(relative);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QVERIFY2(QFile::copy(source + QLatin1Char('/') + relative, target), qPrintable(relative));
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    }
    qputenv("MOUSECFG_APP_DIR", m_dir->path().toLocal8Bit());
    // A known starting point, whatever a developer left in the build's Config.ini.
    setConfigKey(QStringLiteral("MouseSenSor/1"), 3389);
    setConfigKey(QStringLiteral("Config/ProfileID"), 0);
    setConfigKey(QStringLiteral("Config/Diff"), 0);
    setConfigKey(QStringLiteral("Config/CurrentProductName"), QStringLiteral("X8 Wireless"));
    // A sensor page with every option, as SyncMode 2 shows it.
    setDescriptorKey(QStringLiteral("PROFILE/SyncMode"), 2);
}

void TestSettingsCommands::setDescriptorKey(const QString& key, const QVariant& value)
{
    QSettings(path(QStringLiteral("DefaultProfile.bin")), QSettings::IniFormat).setValue(key, value);
}

void TestSettingsCommands::cleanup()
{
    ReleaseMouseLink();
    SetHidBackend(nullptr);
    m_backend.reset();
    m_mouse.reset();
    qunsetenv("MOUSECFG_APP_DIR");
    m_dir.reset();
}

QMap<QString, QByteArray> TestSettingsCommands::storedBytes() const
{
    return StoredConfigBytes(path(QStringLiteral("Configs")));
}

void TestSettingsCommands::setConfigKey(const QString& key, const QVariant& value)
{
    SetConfigIniKey(key, value);
}

QJsonObject TestSettingsCommands::showJson()
{
    const Run r = Show({QStringLiteral("--json")});
    return ParseShowJson(r.code, r.out, r.err);
}

void TestSettingsCommands::plugVirtualMouse()
{
    m_mouse = std::make_shared<VirtualMouse>(QString());
    m_backend = std::make_unique<VirtualHidBackend>(m_mouse);
    SetHidBackend(m_backend.get());
    HidTransport::instance().setTiming(HidTransport::Timing{0, 50, 0});
}

void TestSettingsCommands::showJsonHasEveryKey()
{
    const QJsonObject root = showJson();
    for (const char* key : {"product", "sensor", "active_profile", "options", "profiles"})
        QVERIFY2(root.contains(QLatin1String(key)), key);
    QCOMPARE(root.value(QStringLiteral("product")).toString(), QStringLiteral("X8 Wireless"));
    QCOMPARE(root.value(QStringLiteral("sensor")).toInt(), 3389);
    QCOMPARE(root.value(QStringLiteral("active_profile")).toInt(), 1);
    const QJsonObject options = root.value(QStringLiteral("options")).toObject();
    for (const char* key : {"debounce", "sync", "lift_mm", "angle_snapping", "jitter", "motion_wake", "sensor_mode"})
        QVERIFY2(options.contains(QLatin1String(key)), key);

    const QJsonArray profiles = root.value(QStringLiteral("profiles")).toArray();
    QCOMPARE(profiles.size(), kProfileCount);
    SettingsRecord stored;
    LoadSettings(stored);
    for (int p = 0; p < kProfileCount; ++p) {
        const QJsonObject profile = profiles.at(p).toObject();
        for (const char* key : {"slot", "name", "report_rate_hz", "active_level", "levels", "lighting"})
            QVERIFY2(profile.contains(QLatin1String(key)), key);
        QCOMPARE(profile.value(QStringLiteral("slot")).toInt(), p + 1);
        QCOMPARE(profile.value(QStringLiteral("name")).toString(), QStringLiteral("Profile %1").arg(p + 1));
        QCOMPARE(profile.value(QStringLiteral("report_rate_hz")).toInt(), ReportRateHz(stored.profiles[p].pollrate));
        QCOMPARE(profile.value(QStringLiteral("active_level")).toInt(), stored.profiles[p].dpi + 1);
        const QJsonArray levels = profile.value(QStringLiteral("levels")).toArray();
        QCOMPARE(levels.size(), EffectiveDpiLevelCount());
        for (int i = 0; i < levels.size(); ++i) {
            const QJsonObject level = levels.at(i).toObject();
            const DpiLevel& l = stored.profiles[p].DPI_INFO[i];
            QCOMPARE(level.value(QStringLiteral("level")).toInt(), i + 1);
            QCOMPARE(level.value(QStringLiteral("enabled")).toBool(), l.used == 1);
            QCOMPARE(level.value(QStringLiteral("linked")).toBool(), l.link == 1);
            QCOMPARE(level.value(QStringLiteral("x_step")).toInt(), int(l.x));
            QCOMPARE(level.value(QStringLiteral("y_step")).toInt(), int(l.y));
            // 3389 up to step 320: 50 DPI a step.
            QCOMPARE(level.value(QStringLiteral("x_dpi")).toInt(), int(l.x) * 50);
            QCOMPARE(level.value(QStringLiteral("y_dpi")).toInt(), int(l.y) * 50);
        }
        const QJsonObject lighting = profile.value(QStringLiteral("lighting")).toObject();
        for (const char* key : {"effect", "effect_index", "brightness", "speed", "color", "sleep_minutes", "move_to_light_off"})
            QVERIFY2(lighting.contains(QLatin1String(key)), key);
        QVERIFY(lighting.value(QStringLiteral("color")).toString().contains(QRegularExpression(QStringLiteral("^#[0-9a-f]{6}$"))));
    }
}

void TestSettingsCommands::showJsonOneProfile()
{
    const Run r = Show(Args("--json --profile 3"));
    QCOMPARE(r.code, 0);
    const QJsonArray profiles = QJsonDocument::fromJson(r.out.toUtf8()).object().value(QStringLiteral("profiles")).toArray();
    QCOMPARE(profiles.size(), 1);
    QCOMPARE(profiles.at(0).toObject().value(QStringLiteral("slot")).toInt(), 3);
}

void TestSettingsCommands::showText_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("expected");
    QTest::newRow("product") << QStringList() << QStringList() << "Product: X8 Wireless";
    QTest::newRow("sensor with its range") << QStringList() << QStringList() << "Sensor: 3389 (100 to 32000 DPI)";
    QTest::newRow("a level with steps and DPI") << QStringList() << QStringList()
                                                << "Level 2: enabled, linked, X 800 DPI (step 16), Y 800 DPI (step 16)";
    QTest::newRow("unlinked level") << Args("dpi 3 400 1600") << QStringList()
                                    << "Level 3: enabled, unlinked, X 400 DPI (step 8), Y 1600 DPI (step 32)";
    QTest::newRow("disabled level") << Args("level 4 off") << QStringList() << "Level 4: disabled, linked";
    QTest::newRow("report rate") << Args("rate 250") << QStringList() << "Report rate: 250 Hz";
    QTest::newRow("sensor mode") << Args("sensor-mode eco") << QStringList() << "Sensor mode: eco";
    QTest::newRow("lighting line") << Args("color #0a0b0c") << Args("--profile 1")
                                   << "Lighting: FULL LIGHTED, brightness 3, speed 3, colour #0a0b0c";
    QTest::newRow("only the chosen profile") << Args("--profile 4 rate 125") << Args("--profile 4")
                                             << "Profile 4: Profile 4\n  Report rate: 125 Hz";
    QTest::newRow("active profile marked") << QStringList() << QStringList() << "Profile 1: Profile 1  (active)";
    QTest::newRow("active level marked") << Args("active-level 6") << Args("--profile 1") << "(step 256) (active)";
}

void TestSettingsCommands::showText()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, args);
    QFETCH(QString, expected);
    if (!before.isEmpty())
        QCOMPARE(Set(before).code, 0);
    const Run r = Show(args);
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains(expected), qPrintable(r.out));
    if (args.contains(QLatin1String("--profile")))
        QCOMPARE(r.out.count(QRegularExpression(QStringLiteral("^Profile \\d"), QRegularExpression::MultilineOption)), 1);
}

void TestSettingsCommands::showRefusesBadUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("profile 6") << Args("--profile 6");
    QTest::newRow("profile 0") << Args("--profile 0");
    QTest::newRow("profile without number") << Args("--profile");
    QTest::newRow("profile not a number") << Args("--profile two");
    QTest::newRow("extra word") << Args("everything");
    QTest::newRow("write is for set") << Args("--write");
}

void TestSettingsCommands::showRefusesBadUsage()
{
    QFETCH(QStringList, args);
    const Run r = Show(args);
    QCOMPARE(r.code, 2);
    QVERIFY(r.out.isEmpty());
    QVERIFY(!r.err.isEmpty());
}

void TestSettingsCommands::setRoundTrip_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("jsonPath");
    QTest::addColumn<QVariant>("expected");
    const QStringList none;
    QTest::newRow("dpi linked") << none << Args("dpi 2 1600") << "profiles/0/levels/1/y_dpi" << QVariant(1600);
    QTest::newRow("dpi 1630 takes the nearest step 33") << none << Args("dpi 1 1630") << "profiles/0/levels/0/x_step"
                                                        << QVariant(33);
    QTest::newRow("dpi tie takes the lower step") << none << Args("dpi 1 1625") << "profiles/0/levels/0/x_dpi"
                                                  << QVariant(1600);
    QTest::newRow("dpi past 16000 in 100 steps") << none << Args("dpi 1 20000") << "profiles/0/levels/0/x_step"
                                                 << QVariant(360);
    QTest::newRow("dpi sensor maximum") << none << Args("dpi 6 32000") << "profiles/0/levels/5/x_step" << QVariant(480);
    QTest::newRow("dpi X apart: X") << none << Args("dpi 3 800 1600") << "profiles/0/levels/2/x_dpi" << QVariant(800);
    QTest::newRow("dpi X apart: Y") << none << Args("dpi 3 800 1600") << "profiles/0/levels/2/y_dpi" << QVariant(1600);
    QTest::newRow("dpi X apart unlinks") << none << Args("dpi 3 800 1600") << "profiles/0/levels/2/linked"
                                         << QVariant(false);
    QTest::newRow("dpi of profile 3") << none << Args("--profile 3 dpi 1 400") << "profiles/2/levels/0/x_dpi"
                                      << QVariant(400);
    QTest::newRow("level off") << none << Args("level 4 off") << "profiles/0/levels/3/enabled" << QVariant(false);
    QTest::newRow("level on again") << Args("level 4 off") << Args("level 4 on") << "profiles/0/levels/3/enabled"
                                    << QVariant(true);
    QTest::newRow("active level") << none << Args("active-level 5") << "profiles/0/active_level" << QVariant(5);
    QTest::newRow("rate 125") << none << Args("rate 125") << "profiles/0/report_rate_hz" << QVariant(125);
    QTest::newRow("rate 250") << none << Args("rate 250") << "profiles/0/report_rate_hz" << QVariant(250);
    QTest::newRow("rate 500 of profile 5") << none << Args("--profile 5 rate 500") << "profiles/4/report_rate_hz"
                                           << QVariant(500);
    QTest::newRow("rate 1000") << Args("rate 125") << Args("rate 1000") << "profiles/0/report_rate_hz" << QVariant(1000);
    QTest::newRow("debounce") << none << Args("debounce 12") << "options/debounce" << QVariant(12);
    QTest::newRow("debounce 255") << none << Args("debounce 255") << "options/debounce" << QVariant(255);
    QTest::newRow("sync on") << none << Args("sync on") << "options/sync" << QVariant(true);
    QTest::newRow("lift 2") << none << Args("lift 2") << "options/lift_mm" << QVariant(2);
    QTest::newRow("lift 1mm") << Args("lift 2") << Args("lift 1mm") << "options/lift_mm" << QVariant(1);
    QTest::newRow("angle snapping off") << none << Args("angle-snapping off") << "options/angle_snapping"
                                        << QVariant(false);
    QTest::newRow("angle snapping on") << Args("angle-snapping off") << Args("angle-snapping on")
                                       << "options/angle_snapping" << QVariant(true);
    QTest::newRow("jitter off") << none << Args("jitter off") << "options/jitter" << QVariant(false);
    QTest::newRow("motion wake on") << none << Args("motion-wake on") << "options/motion_wake" << QVariant(true);
    QTest::newRow("sensor mode competitive") << none << Args("sensor-mode Competitive") << "options/sensor_mode"
                                             << QVariant(QStringLiteral("competitive"));
    QTest::newRow("effect by name") << none << Args("effect breathing") << "profiles/0/lighting/effect"
                                    << QVariant(QStringLiteral("BREATHING"));
    QTest::newRow("effect by number") << none << Args("effect 13") << "profiles/0/lighting/effect"
                                      << QVariant(QStringLiteral("Marbles"));
    QTest::newRow("effect of three words") << none << Args("effect go without trace")
                                           << "profiles/0/lighting/effect_index" << QVariant(10);
    QTest::newRow("effect yo_yo") << none << Args("effect YO_YO") << "profiles/0/lighting/effect"
                                  << QVariant(QStringLiteral("yo-yo"));
    QTest::newRow("effect off") << none << Args("effect off") << "profiles/0/lighting/effect_index" << QVariant(0);
    QTest::newRow("brightness") << none << Args("brightness 2") << "profiles/0/lighting/brightness" << QVariant(2);
    QTest::newRow("speed of breathing") << Args("effect breathing") << Args("speed 5") << "profiles/0/lighting/speed"
                                        << QVariant(5);
    QTest::newRow("colour") << none << Args("color #12AB34") << "profiles/0/lighting/color"
                            << QVariant(QStringLiteral("#12ab34"));
    QTest::newRow("colour without #") << none << Args("color 00ff80") << "profiles/0/lighting/color"
                                      << QVariant(QStringLiteral("#00ff80"));
    QTest::newRow("colour of profile 2") << none << Args("--profile 2 color #010203") << "profiles/1/lighting/color"
                                         << QVariant(QStringLiteral("#010203"));
    QTest::newRow("sleep") << none << Args("sleep 9") << "profiles/0/lighting/sleep_minutes" << QVariant(9);
    QTest::newRow("move to light off off") << none << Args("move-to-light-off off")
                                           << "profiles/0/lighting/move_to_light_off" << QVariant(false);
    QTest::newRow("move to light off on") << Args("move-to-light-off off") << Args("move-to-light-off on")
                                          << "profiles/0/lighting/move_to_light_off" << QVariant(true);
}

void TestSettingsCommands::setRoundTrip()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, args);
    QFETCH(QString, jsonPath);
    QFETCH(QVariant, expected);
    if (!before.isEmpty()) {
        const Run r = Set(before);
        QVERIFY2(r.code == 0, qPrintable(r.err));
    }
    const Run r = Set(args);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QVERIFY(r.err.isEmpty());
    QVERIFY(!r.out.isEmpty());
    QCOMPARE(At(showJson(), jsonPath).toVariant(), expected);
}

void TestSettingsCommands::setStoresRawBytes_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("value");
    const QString config = QStringLiteral("Configs/Config.ini");
    const QString first = QStringLiteral("Configs/Profile/Profile 1.prof");
    QTest::newRow("angle snapping on stores 0") << Args("angle-snapping on") << config << "Config/AngleValue" << 0;
    QTest::newRow("angle snapping off stores 1") << Args("angle-snapping off") << config << "Config/AngleValue" << 1;
    QTest::newRow("jitter on stores 0") << Args("jitter on") << config << "Config/Jitter" << 0;
    QTest::newRow("jitter off stores 1") << Args("jitter off") << config << "Config/Jitter" << 1;
    QTest::newRow("motion wake off stores 1") << Args("motion-wake off") << config << "Config/Wake" << 1;
    QTest::newRow("sync on stores 1") << Args("sync on") << config << "Config/Sync" << 1;
    QTest::newRow("sync off stores 0") << Args("sync off") << config << "Config/Sync" << 0;
    QTest::newRow("lift 2") << Args("lift 2") << config << "Config/LiftHigh" << 2;
    QTest::newRow("eco stores 0") << Args("sensor-mode eco") << config << "Config/SensorMode" << 0;
    QTest::newRow("standard stores 1") << Args("sensor-mode standard") << config << "Config/SensorMode" << 1;
    QTest::newRow("competitive stores 2") << Args("sensor-mode competitive") << config << "Config/SensorMode" << 2;
    QTest::newRow("debounce") << Args("debounce 7") << config << "Config/Debounce" << 7;
    QTest::newRow("rate 125 stores code 8") << Args("rate 125") << first << "PROFILE/pollrate" << 8;
    QTest::newRow("rate 250 stores code 4") << Args("rate 250") << first << "PROFILE/pollrate" << 4;
    QTest::newRow("rate 500 stores code 2") << Args("rate 500") << first << "PROFILE/pollrate" << 2;
    QTest::newRow("active level 3 stores 2") << Args("active-level 3") << first << "PROFILE/dpi" << 2;
    QTest::newRow("move to light off off stores 255") << Args("move-to-light-off off") << first << "PROFILE/LedMoveOFF"
                                                      << 255;
    QTest::newRow("dpi 1600 on 3389 stores step 32") << Args("dpi 2 1600") << first << "PROFILE/DPI_INFO_1_x" << 32;
    QTest::newRow("effect rainbow stores 4") << Args("effect rainbow") << first << "PROFILE/LedMode" << 4;
    QTest::newRow("other profile's rate in its own file") << Args("--profile 4 rate 250")
                                                          << "Configs/Profile/Profile 4.prof" << "PROFILE/pollrate" << 4;
}

void TestSettingsCommands::setStoresRawBytes()
{
    QFETCH(QStringList, args);
    QFETCH(QString, file);
    QFETCH(QString, key);
    QFETCH(int, value);
    const Run r = Set(args);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QSettings ini(path(file), QSettings::IniFormat);
    QCOMPARE(ini.value(key).toInt(), value);
}

void TestSettingsCommands::setRefusedChangesNothing_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("dpi above the sensor") << Args("dpi 1 32001");
    QTest::newRow("dpi below the sensor") << Args("dpi 1 99");
    QTest::newRow("dpi negative") << Args("dpi 1 -800");
    QTest::newRow("dpi not a number") << Args("dpi 1 fast");
    QTest::newRow("dpi Y outside") << Args("dpi 1 800 40000");
    QTest::newRow("dpi without value") << Args("dpi 1");
    QTest::newRow("dpi too many values") << Args("dpi 1 800 800 800");
    QTest::newRow("dpi level 9") << Args("dpi 9 800");
    QTest::newRow("dpi level past the product's 6") << Args("dpi 7 800");
    QTest::newRow("level 9") << Args("level 9 on");
    QTest::newRow("level 0") << Args("level 0 off");
    QTest::newRow("level maybe") << Args("level 2 maybe");
    QTest::newRow("active level 9") << Args("active-level 9");
    QTest::newRow("rate 300") << Args("rate 300");
    QTest::newRow("rate 1000hz") << Args("rate 1000hz");
    QTest::newRow("debounce 0") << Args("debounce 0");
    QTest::newRow("debounce 256") << Args("debounce 256");
    QTest::newRow("sync 1") << Args("sync 1");
    QTest::newRow("lift 3") << Args("lift 3");
    QTest::newRow("angle snapping 0") << Args("angle-snapping 0");
    QTest::newRow("sensor mode turbo") << Args("sensor-mode turbo");
    QTest::newRow("effect disco") << Args("effect disco");
    QTest::newRow("effect 14") << Args("effect 14");
    QTest::newRow("brightness 4") << Args("brightness 4");
    QTest::newRow("brightness 0") << Args("brightness 0");
    QTest::newRow("speed of full lighted") << Args("speed 3");
    QTest::newRow("color #12345") << Args("color #12345");
    QTest::newRow("color #1234567") << Args("color #1234567");
    QTest::newRow("color by name") << Args("color red");
    QTest::newRow("sleep 0") << Args("sleep 0");
    QTest::newRow("sleep 10") << Args("sleep 10");
    QTest::newRow("move to light off yes") << Args("move-to-light-off yes");
    QTest::newRow("profile 6") << Args("--profile 6 rate 500");
    QTest::newRow("profile 0") << Args("--profile 0 rate 500");
    QTest::newRow("unknown setting") << Args("volume 11");
    QTest::newRow("no setting") << QStringList();
    QTest::newRow("unknown option") << Args("rate 500 --force");
    QTest::newRow("bad value with --write") << Args("rate 300 --write");
}

void TestSettingsCommands::setRefusedChangesNothing()
{
    QFETCH(QStringList, args);
    const QMap<QString, QByteArray> before = storedBytes();
    const Run r = Set(args);
    QCOMPARE(r.code, 2);
    QVERIFY(r.out.isEmpty());
    QVERIFY(!r.err.isEmpty());
    const QMap<QString, QByteArray> after = storedBytes();
    QCOMPARE(after.keys(), before.keys());
    for (const QString& file : before.keys())
        QVERIFY2(after.value(file) == before.value(file), qPrintable(file));
}

void TestSettingsCommands::setOffersWhatThePagesOffer_data()
{
    QTest::addColumn<QString>("descriptor");   // key=value;...
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::newRow("SyncMode 0 hides sync") << "PROFILE/SyncMode=0" << Args("sync on") << 2;
    QTest::newRow("SyncMode 0 hides angle snapping") << "PROFILE/SyncMode=0" << Args("angle-snapping off") << 2;
    QTest::newRow("SyncMode 0 hides jitter") << "PROFILE/SyncMode=0" << Args("jitter off") << 2;
    QTest::newRow("SyncMode 0 shows the lift") << "PROFILE/SyncMode=0" << Args("lift 2") << 0;
    QTest::newRow("SyncMode 1 hides the lift") << "PROFILE/SyncMode=1" << Args("lift 2") << 2;
    QTest::newRow("SyncMode 1 shows sync") << "PROFILE/SyncMode=1" << Args("sync on") << 0;
    QTest::newRow("flash is not in the menu") << "" << Args("effect flash") << 2;
    QTest::newRow("effect 8 is not in the menu") << "" << Args("effect 8") << 2;
    QTest::newRow("effect 9 is") << "" << Args("effect 9") << 0;
    QTest::newRow("no lighting, sleep on the DPI page") << "PROFILE/ledDisable=1;PROFILE/ShowSleep=1"
                                                         << Args("sleep 3") << 0;
    QTest::newRow("no lighting, move-off on the DPI page") << "PROFILE/ledDisable=1;PROFILE/ShowSleep=1"
                                                            << Args("move-to-light-off off") << 0;
    QTest::newRow("no lighting, no sleep shown") << "PROFILE/ledDisable=1;PROFILE/ShowSleep=0" << Args("sleep 3") << 2;
}

void TestSettingsCommands::setOffersWhatThePagesOffer()
{
    QFETCH(QString, descriptor);
    QFETCH(QStringList, args);
    QFETCH(int, code);
    for (const QString& pair : descriptor.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        setDescriptorKey(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1).toInt());
    const QMap<QString, QByteArray> before = storedBytes();
    const Run r = Set(args);
    QVERIFY2(r.code == code, qPrintable(r.err));
    if (code != 0)
        QCOMPARE(storedBytes(), before);
}

void TestSettingsCommands::setDpiPerSensor_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("xStep");
    const QString x8 = QStringLiteral("X8 Wireless");
    QTest::newRow("3325 top of 5000") << 3325 << x8 << Args("dpi 1 5000") << 0 << 50;
    QTest::newRow("3325 refuses 5100") << 3325 << x8 << Args("dpi 1 5100") << 2 << 8;
    QTest::newRow("3325 has no separate X and Y") << 3325 << x8 << Args("dpi 1 800 1600") << 2 << 8;
    QTest::newRow("3325 takes equal X and Y") << 3325 << x8 << Args("dpi 1 900 900") << 0 << 9;
    QTest::newRow("3104 500 is step 14") << 3104 << x8 << Args("dpi 1 500") << 0 << 14;
    QTest::newRow("3212 800 is step 21") << 3212 << x8 << Args("dpi 1 800") << 0 << 21;
    QTest::newRow("3327 short range refuses 16400") << 3327 << "K308-RGB" << Args("dpi 1 16400") << 2 << 8;
    QTest::newRow("3327 full range 16400 is step 106") << 3327 << x8 << Args("dpi 1 16400") << 0 << 106;
    QTest::newRow("unknown sensor refuses") << 1234 << x8 << Args("dpi 1 800") << 2 << 8;
}

void TestSettingsCommands::setDpiPerSensor()
{
    QFETCH(int, sensor);
    QFETCH(QString, product);
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(int, xStep);
    setConfigKey(QStringLiteral("MouseSenSor/1"), sensor);
    setConfigKey(QStringLiteral("Config/CurrentProductName"), product);
    const Run r = Set(args);
    QCOMPARE(r.code, code);
    QCOMPARE(r.err.isEmpty(), code == 0);
    SettingsRecord s;
    LoadSettings(s);
    QCOMPARE(int(s.profiles[0].DPI_INFO[0].x), xStep);
}

void TestSettingsCommands::setWithoutWriteMarksDiff()
{
    QCOMPARE(ConfigDiff(), 0);
    QCOMPARE(Set(Args("rate 500")).code, 0);
    // The files now hold the change; only Diff makes the next write send it.
    QCOMPARE(ConfigDiff(), 1);
}

void TestSettingsCommands::storedChangesAreCounted()
{
    const IntConfigKey counter{"Config/ExternalEdit", 0};
    QCOMPARE(ReadConfigInt(counter), 0);
    QCOMPARE(Set(Args("rate 500")).code, 0);
    QCOMPARE(Set(Args("--profile 2 sleep 4")).code, 0);
    QCOMPARE(ReadConfigInt(counter), 2);
    QCOMPARE(Set(Args("rate 300")).code, 2);
    QCOMPARE(ReadConfigInt(counter), 2);
    plugVirtualMouse();
    QCOMPARE(Set(Args("rate 250 --write")).code, 0);
    QCOMPARE(ReadConfigInt(counter), 3);
}

void TestSettingsCommands::setOtherProfileKeepsItsEdit()
{
    SettingsRecord before;
    LoadSettings(before);
    QCOMPARE(Set(Args("--profile 3 dpi 2 2400")).code, 0);
    QCOMPARE(Set(Args("--profile 3 level 5 off")).code, 0);
    SettingsRecord after;
    LoadSettings(after);
    QCOMPARE(after.profiles[2].DPI_INFO[1].x, 48u);
    QCOMPARE(after.profiles[2].DPI_INFO[4].used, quint8(0));
    // The active profile and the others stay as they were.
    QCOMPARE(after.profiles[0].DPI_INFO[1].x, before.profiles[0].DPI_INFO[1].x);
    QCOMPARE(after.profiles[0].DPI_INFO[4].used, before.profiles[0].DPI_INFO[4].used);
    QCOMPARE(after.profiles[1].DPI_INFO[1].x, before.profiles[1].DPI_INFO[1].x);
    QCOMPARE(after.ProfileID, before.ProfileID);
}

void TestSettingsCommands::setDefaultsToActiveProfile()
{
    setConfigKey(QStringLiteral("Config/ProfileID"), 1);
    const QJsonObject before = showJson();
    QCOMPARE(Set(Args("dpi 2 3000")).code, 0);
    const QJsonObject after = showJson();
    QCOMPARE(At(after, QStringLiteral("profiles/1/levels/1/x_dpi")).toInt(), 3000);
    QCOMPARE(At(after, QStringLiteral("profiles/0")), At(before, QStringLiteral("profiles/0")));
    QCOMPARE(At(after, QStringLiteral("active_profile")).toInt(), 2);
}

void TestSettingsCommands::lightingSharedWithProfileZero()
{
    // The mouse holds the active profile's lighting: another profile's edit stays there.
    QCOMPARE(Set(Args("--profile 3 effect breathing")).code, 0);
    QCOMPARE(Set(Args("--profile 3 color #336699")).code, 0);
    QCOMPARE(Set(Args("--profile 3 speed 4")).code, 0);
    const Run r = Set(Args("--profile 3 sleep 6"));
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains(QLatin1String("the mouse gets it when profile 3 is active")),
             qPrintable(r.out));
    QCOMPARE(Set(Args("--profile 3 move-to-light-off off")).code, 0);
    SettingsRecord s;
    LoadSettings(s);
    const int breathing = 2;
    QCOMPARE(int(s.profiles[2].LedMode), breathing);
    const LedModeRecord& e = s.profiles[2].LedModes[breathing];
    QCOMPARE(e.RGB.name(), QStringLiteral("#336699"));
    QCOMPARE(e.breath, 4);
    QCOMPARE(int(s.profiles[2].LedSleepTime), 6);
    QCOMPARE(int(s.profiles[2].LedMoveOFF), 255);
    QVERIFY(s.profiles[0].LedMode != breathing);
    QVERIFY(s.profiles[0].LedModes[breathing].RGB != e.RGB);
    QVERIFY(s.profiles[0].LedSleepTime != 6);
}

void TestSettingsCommands::colourHueSaturationValueAsQColor_data()
{
    QTest::addColumn<QString>("colour");
    QTest::newRow("red") << "#ff0000";
    QTest::newRow("green") << "#00ff00";
    QTest::newRow("blue") << "#0000ff";
    QTest::newRow("grey has no hue") << "#808080";
    QTest::newRow("black") << "#000000";
    QTest::newRow("white") << "#ffffff";
    QTest::newRow("hue just below 360") << "#ff0001";
    QTest::newRow("dark teal") << "#12ab34";
    QTest::newRow("near grey") << "#7f7f80";
    QTest::newRow("pink") << "#ff0080";
    QTest::newRow("olive") << "#808000";
}

void TestSettingsCommands::colourHueSaturationValueAsQColor()
{
    QFETCH(QString, colour);
    QCOMPARE(Set({QStringLiteral("color"), colour}).code, 0);
    SettingsRecord s;
    LoadSettings(s);
    const LedModeRecord& e = s.profiles[0].LedModes[s.profiles[0].LedMode];
    const QColor expected(colour);
    QCOMPARE(e.RGB.name(), expected.name());
    QCOMPARE(e.h, expected.hsvHue());
    QCOMPARE(e.s, expected.hsvSaturation());
    QCOMPARE(e.v, expected.value());
}

void TestSettingsCommands::setWriteLandsInMouse_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    const auto dpi = [](quint32 x, quint32 y) {
        const auto b = EncodeDpiLevel(3389, x, y, TarnGetBatteryThread::firmwareFlag());
        return QByteArray(reinterpret_cast<const char*>(b.data()), int(b.size()));
    };
    QTest::newRow("dpi level 2 at 1600") << Args("dpi 2 1600 --write") << int(VirtualMouse::CmdDpi) << 1 + 5 * 1 + 1
                                         << dpi(32, 32);
    QTest::newRow("dpi level 3 apart") << Args("--write dpi 3 800 2400") << int(VirtualMouse::CmdDpi) << 1 + 5 * 2 + 1
                                       << dpi(16, 48);
    QTest::newRow("level 4 off") << Args("level 4 off --write") << int(VirtualMouse::CmdDpi) << 1 + 5 * 3
                                 << QByteArray(1, '\0');
    QTest::newRow("rate 125 of profile 1") << Args("rate 125 --write") << int(VirtualMouse::CmdSettings) << 11
                                           << QByteArray(1, '\x08');
    QTest::newRow("rate 250 of profile 3") << Args("--profile 3 rate 250 --write") << int(VirtualMouse::CmdSettings)
                                           << 13 << QByteArray(1, '\x04');
    QTest::newRow("debounce") << Args("debounce 9 --write") << int(VirtualMouse::CmdSettings) << 9
                              << QByteArray(1, '\x09');
    QTest::newRow("sleep of the active profile")
        << Args("sleep 7 --write") << int(VirtualMouse::CmdSettings) << 8 << QByteArray(1, '\x07');
    QTest::newRow("move to light off") << Args("move-to-light-off off --write") << int(VirtualMouse::CmdSettings) << 7
                                       << QByteArray(1, '\xff');
    QTest::newRow("active level") << Args("active-level 4 --write") << int(VirtualMouse::CmdSettings) << 17
                                  << QByteArray(1, '\x03');
}

void TestSettingsCommands::setWriteLandsInMouse()
{
    QFETCH(QStringList, args);
    QFETCH(int, block);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    plugVirtualMouse();
    const Run r = Set(args);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QVERIFY(r.out.contains(QLatin1String("Written")));
    const VirtualMouse::Memory memory = m_mouse->memory();
    const QByteArray settings(reinterpret_cast<const char*>(memory.settings.data()), int(memory.settings.size()));
    const QByteArray dpi(reinterpret_cast<const char*>(memory.dpi.data()), int(memory.dpi.size()));
    const QByteArray& image = block == VirtualMouse::CmdDpi ? dpi : settings;
    QCOMPARE(image.mid(offset, bytes.size()).toHex(' '), bytes.toHex(' '));
    QCOMPARE(ConfigDiff(), 0);
    // What the mouse got is what is stored: a second write has nothing to send.
    SettingsRecord stored;
    LoadSettings(stored);
    m_mouse->resetCounters();
    const Run again = Set(Args("--write debounce") << QString::number(stored.Debounce));
    QCOMPARE(again.code, 0);
    QCOMPARE(m_mouse->counters().writesPerCommand.value(VirtualMouse::CmdSettings), 0);
    QCOMPARE(m_mouse->counters().writesPerCommand.value(VirtualMouse::CmdWriteSession), 0);
}

void TestSettingsCommands::setWriteRefusedStoresNothing_data()
{
    QTest::addColumn<QString>("mouse");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("absent") << "absent" << 3 << "Mouse is sleeping or not connected.";
    QTest::newRow("asleep") << "asleep" << 1 << "Mouse is sleeping or not connected.";
    QTest::newRow("no permission: the rule and its command")
        << "denied" << 4 << "Install the udev rule 70-mousecfg.rules once, then plug the mouse in again:\n"
                            "  mousecfgctl udev-rule | sudo tee /etc/udev/rules.d/70-mousecfg.rules";
    QTest::newRow("in use by another program") << "taken" << 5 << "The mouse is in use by another program (PID ";
}

void TestSettingsCommands::setWriteRefusedStoresNothing()
{
    QFETCH(QString, mouse);
    QFETCH(int, code);
    QFETCH(QString, message);
    plugVirtualMouse();
    if (mouse == QLatin1String("absent"))
        m_mouse->unplug(VirtualMouse::Identity::Dongle);
    m_mouse->setAsleep(mouse == QLatin1String("asleep"));
    m_mouse->setAccessDenied(mouse == QLatin1String("denied"));
    DeviceLock other(DeviceLock::MouseLockName(QStringLiteral("X8 Wireless"), ActiveHidBackendIdentity()));
    if (mouse == QLatin1String("taken"))
        QVERIFY(other.lock());
    SetMouseLinkWait(100);
    const QMap<QString, QByteArray> before = storedBytes();
    const Run r = Set(Args("rate 500 --write"));
    ReleaseMouseLink();
    QCOMPARE(r.code, code);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(storedBytes() == before);
    QCOMPARE(m_mouse->counters().writesPerCommand.value(VirtualMouse::CmdSettings), 0);
}

void TestSettingsCommands::setWriteFailureKeepsDiff()
{
    plugVirtualMouse();
    // The settings block never gets through: the change stays stored, to be sent in full.
    m_mouse->injectFault(VirtualMouse::Fault::WriteFails, 1000, VirtualMouse::CmdSettings);
    const Run r = Set(Args("rate 250 --write"));
    QCOMPARE(r.code, 1);
    QVERIFY(r.err.contains(QLatin1String("Send data failed, please try again.")));
    QCOMPARE(ConfigDiff(), 1);
    QSettings ini(path(QStringLiteral("Configs/Profile/Profile 1.prof")), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("PROFILE/pollrate")).toInt(), 4);
}

QTEST_GUILESS_MAIN(TestSettingsCommands)
#include "tst_settingscommands.moc"
