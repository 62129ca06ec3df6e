#include "CtlTestSupport.h"
#include "ProfileCommands.h"
#include "SettingsCommands.h"

#include "ConfigFiles.h"
#include "GlobalConfig.h"
#include "HidTransport.h"
#include "MouseSession.h"
#include "ProfileList.h"
#include "ProfileWriter.h"
#include "VirtualHidBackend.h"
#include "VirtualMouse.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

struct Run
{
    int code = -1;
    QString out, err;
};

const QStringList kStoredFiles = {QStringLiteral("Configs/Config.ini"), QStringLiteral("Configs/Profile/Profile 1.prof"),
                                  QStringLiteral("Configs/Profile/Profile 2.prof"), QStringLiteral("Configs/Profile/Profile 3.prof"),
                                  QStringLiteral("Configs/Profile/Profile 4.prof"), QStringLiteral("Configs/Profile/Profile 5.prof")};
const QString kFive = QStringLiteral("Profile 1,Profile 2,Profile 3,Profile 4,Profile 5");

} // namespace

class TestProfileCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void commands_data();
    void commands();

private:
    QString path(const QString& relative) const { return m_dir->path() + QLatin1Char('/') + relative; }
    Run ctl(QString line);
    void check(const QString& expectation, const QMap<QString, QByteArray>& before, const Run& r);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::shared_ptr<VirtualMouse> m_mouse;
    std::unique_ptr<VirtualHidBackend> m_backend;
};

void TestProfileCommands::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    const QString source = QStringLiteral(MOUSECFG_SHIPPED_DIR);
    QVERIFY(QFile::copy(source + QStringLiteral("/DefaultProfile.bin"), path(QStringLiteral("DefaultProfile.bin"))));
    for (const QString& relative : kStoredFiles) {
        QDir().mkpath(QFileInfo(path(relative)).absolutePath());
        QVERIFY2(QFile::copy(source + QLatin1Char('/') + relative, path(relative)), qPrintable(relative));
        QFile::setPermissions(path(relative), QFile::ReadOwner | QFile::WriteOwner);
    }
    qputenv("MOUSECFG_APP_DIR", m_dir->path().toLocal8Bit());
    // Slot 2 active, so a command that falls back to slot 1 shows.
    SetConfigIniKey(QStringLiteral("Config/ProfileID"), 1);
    SetConfigIniKey(QStringLiteral("Config/Diff"), 0);
    SetConfigIniKey(QStringLiteral("Config/CurrentProductName"), QStringLiteral("X8 Wireless"));
    // The stored list as the window's first start leaves it.
    MouseSession::instance().load();
    MouseSession::instance().profiles().listSlotProfiles();
    // Files to import: one of this product at 500 Hz, one of another product.
    for (const QString& name : {QStringLiteral("Gaming.prof"), QStringLiteral("other.prof")})
        QVERIFY(QFile::copy(path(kStoredFiles[1]), path(name)));
    WriteMouseName(path(QStringLiteral("Gaming.prof")), QStringLiteral("X8 Wireless"));
    OpenIni(path(QStringLiteral("Gaming.prof")))->setValue(QStringLiteral("PROFILE/pollrate"), 2);
    WriteMouseName(path(QStringLiteral("other.prof")), QStringLiteral("K308-RGB"));
}

void TestProfileCommands::cleanup()
{
    HidTransport::instance().CloseDevice();
    SetHidBackend(nullptr);
    m_backend.reset();
    m_mouse.reset();
    MouseAsleep() = false;
    qunsetenv("MOUSECFG_APP_DIR");
    m_dir.reset();
}

// One command line as the tool's dispatcher runs it; "quoted words" keep their blanks, @ is the app directory.
Run TestProfileCommands::ctl(QString line)
{
    QStringList words;
    static const QRegularExpression word(QStringLiteral("\"([^\"]*)\"|(\\S+)"));
    for (auto it = word.globalMatch(line.replace(QLatin1Char('@'), m_dir->path())); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words << m.captured(m.lastCapturedIndex());
    }
    const QString command = words.takeFirst();
    const auto run = command == QLatin1String("set") ? SetCommand : command == QLatin1String("show") ? ShowCommand : ProfileCommand;
    Run r;
    QTextStream out(&r.out), err(&r.err);
    r.code = run(words, out, err);
    out.flush();
    err.flush();
    return r;
}

void TestProfileCommands::commands_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("mouse");  // "": none; on, off (unplugged), asleep, fails (settings block)
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("expect");
    const QString six = kFive + QStringLiteral(",Profile 6");
    const auto row = [](const char* name, const char* before, const char* mouse, const char* command, int code, const QString& expect) {
        QTest::newRow(name) << before << mouse << command << code << expect;
    };
    row("add to the active slot", "", "", "profile add", 0, "slot2=Profile 6;active=2;diff=1;list=" + six
            + ";file=Configs/Profile/Profile 6.prof;out=Slot 2 is now \"Profile 6\" (new profile).");
    row("add to another slot keeps the active one", "", "", "profile add --slot 4", 0,
        "slot4=Profile 6;slot2=Profile 2;active=2;diff=1;out=The mouse gets it when slot 4 is active.");
    row("copy", "", "", "profile copy --slot=3", 0, "slot3=Profile 3 copy;active=2;diff=0;list=" + kFive
            + ",Profile 3 copy;file=Configs/X8 Wireless/Profile/Profile 3 copy.prof");
    row("rename", "profile add --slot 3", "", "profile rename --slot 3 Aim", 0,
        "slot3=Aim;active=2;list=" + kFive + ",Aim;file=Configs/Profile/Aim.prof;nofile=Configs/Profile/Profile 6.prof");
    row("rename of a default name", "", "", "profile rename Aim", 2, "unchanged;err=The default Profile cannot be deleted or renamed.");
    row("delete takes a free entry", "profile add --slot 3", "", "profile delete --slot 3", 0,
        "slot3=Profile 3;active=2;list=" + kFive + ";nofile=Configs/X8 Wireless/Profile/Profile 6.prof");
    row("pick held by another slot", "", "", "profile pick --slot 3 \"Profile 4\"", 2, "unchanged;err=Profile is Already Used!");
    row("pick of no stored profile", "", "", "profile pick --slot 3 Nope", 2, "unchanged;err=There is no stored profile of that name.");
    row("pick a free profile", "profile add --slot 3", "", "profile pick --slot 4 \"Profile 3\"", 0, "slot4=Profile 3;slot3=Profile 6;active=2");
    row("import", "", "", "profile import @/Gaming.prof --slot 5", 0, "slot5=Gaming;active=2;diff=1;list=" + kFive
            + ",Gaming;file=Configs/X8 Wireless/Profile/Gaming.prof;ini:Configs/Profile/Gaming.prof:PROFILE/pollrate=2");
    row("import of another mouse's file", "", "", "profile import @/other.prof", 2, "unchanged;err=The file is not match current mouse!");
    row("import of no file", "", "", "profile import @/missing.prof", 2, "unchanged");
    row("export the applied record", "set --profile 3 rate 125", "", "profile export --slot 3 @/out.prof", 0,
        "unchanged;ini:out.prof:MouseName/Name=X8 Wireless;ini:out.prof:PROFILE/pollrate=8;ini:out.prof:PROFILE/ProfileName=Profile 3");
    row("export keeps an existing target", "profile export --slot 3 @/out.prof", "", "profile export @/out.prof", 2,
        "unchanged;err=--force;ini:out.prof:PROFILE/ProfileName=Profile 3");
    row("export --force replaces it", "profile export --slot 3 @/out.prof", "", "profile export @/out.prof --force", 0,
        "ini:out.prof:PROFILE/ProfileName=Profile 2");
    row("reset keeps the name and the other slots", "profile add --slot 3;set --profile 3 rate 125;set rate 250", "",
        "profile reset --slot 3", 0,
        "slot3=Profile 6;active=2;ini:Configs/Profile/Profile 6.prof:PROFILE/pollrate=1;ini:Configs/Profile/Profile 2.prof:PROFILE/pollrate=4");
    row("reset-all: five default names and files", "set --profile 3 rate 125;profile add --slot 3;profile rename --slot 3 Aim", "",
        "profile reset-all", 0, "slot1=Profile 1;slot2=Profile 2;slot3=Profile 3;slot4=Profile 4;slot5=Profile 5;active=1;diff=1;"
        "ini:Configs/Profile/Profile 3.prof:PROFILE/pollrate=1;ini:Configs/Profile/Profile 3.prof:PROFILE/ProfileName=Profile 3");
    row("list", "profile add --slot 4", "", "profile list", 0,
        "unchanged;out=Slot 2: Profile 2  (active)\nSlot 3: Profile 3\nSlot 4: Profile 6\n;out=Stored profiles:\n  Profile 1\n  "
        "Profile 2\n  Profile 3\n  Profile 4\n  Profile 5\n  Profile 6\n");
    row("show --json", "profile add --slot 4", "", "show --json", 0, "json=" + six);
    row("show --json without a current product", "profile add --slot 4;no-product", "", "show --json", 0, "json=" + six);
    row("show", "profile add --slot 4", "", "show", 0, "out=Stored profiles: Profile 1, Profile 2, Profile 3, Profile 4, Profile 5, Profile 6\n");
    for (const char* usage : {"profile frobnicate", "profile add --slot 6", "profile add --slot", "profile copy --write", "profile export",
                              "profile pick a b", "profile reset-all --slot 2", "profile list --slot 2"})
        row(usage, "", "", usage, 2, "unchanged");

    // The mouse got 125 Hz first, so the byte shows the command's write.
    row("add --write", "set rate 125 --write", "on", "profile add --write", 0, "mouse=12:01;diff=0;synced;slot2=Profile 6;out=Written");
    row("pick --write", "set --profile 3 rate 125 --write;profile add --slot 3", "on", "profile pick \"Profile 3\" --write", 0,
        "mouse=12:08;diff=0;synced;slot2=Profile 3");
    row("import --write", "", "on", "profile import @/Gaming.prof --write", 0, "mouse=12:02;diff=0;synced;slot2=Gaming");
    row("reset --write of another slot", "set --profile 4 rate 125 --write", "on", "profile reset --slot 4 --write", 0,
        "mouse=14:01;diff=0;synced;active=2");
    row("reset-all --write", "set rate 125 --write", "on", "profile reset-all --write", 0, "mouse=12:01;diff=0;synced;active=1");
    row("--write without a mouse", "", "off", "profile add --write", 3, "unchanged;err=Mouse is sleeping or not connected.");
    row("--write to a sleeping mouse", "", "asleep", "profile add --write", 1, "unchanged;err=Mouse is sleeping or not connected.");
    row("--write that fails stays stored", "set rate 125 --write", "fails", "profile add --write", 1,
        "slot2=Profile 6;diff=1;err=Send data failed, please try again.");
}

void TestProfileCommands::commands()
{
    QFETCH(QString, before);
    QFETCH(QString, mouse);
    QFETCH(QString, command);
    QFETCH(int, code);
    QFETCH(QString, expect);
    if (!mouse.isEmpty()) {
        m_mouse = std::make_shared<VirtualMouse>(QString());
        m_backend = std::make_unique<VirtualHidBackend>(m_mouse);
        SetHidBackend(m_backend.get());
        HidTransport::instance().setTiming(HidTransport::Timing{0, 50, 0});
    }
    for (const QString& line : before.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        // As the window leaves it while no mouse is connected.
        if (line == QLatin1String("no-product")) {
            SetConfigIniKey(QStringLiteral("Config/CurrentProductName"), QString());
            continue;
        }
        const Run r = ctl(line);
        QVERIFY2(r.code == 0, qPrintable(line + QLatin1String(": ") + r.err));
    }
    if (mouse == QLatin1String("off")) {
        m_mouse->unplug(VirtualMouse::Identity::Dongle);
        m_mouse->unplug(VirtualMouse::Identity::Cable);
    }
    if (mouse == QLatin1String("asleep"))
        m_mouse->setAsleep(true);
    if (mouse == QLatin1String("fails"))
        m_mouse->injectFault(VirtualMouse::Fault::WriteFails, 1000, VirtualMouse::CmdSettings);
    const QMap<QString, QByteArray> stored = StoredConfigBytes(path(QStringLiteral("Configs")));
    const Run r = ctl(command);
    QVERIFY2(r.code == code, qPrintable(r.out + r.err));
    QCOMPARE(r.err.isEmpty(), code == 0);
    for (const QString& expectation : expect.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        check(expectation, stored, r);
        if (QTest::currentTestFailed())
            return;
    }
}

void TestProfileCommands::check(const QString& expectation, const QMap<QString, QByteArray>& before, const Run& r)
{
    const QString key = expectation.section(QLatin1Char('='), 0, 0);
    const QString value = expectation.section(QLatin1Char('='), 1);
    if (key == QLatin1String("unchanged")) {
        QVERIFY(StoredConfigBytes(path(QStringLiteral("Configs"))) == before);
    } else if (key == QLatin1String("synced")) {
        // What the mouse got is what is stored: another write has nothing to send.
        HidTransport& transport = HidTransport::instance();
        transport.BuildDeviceTable();
        transport.EnumerateDevices();
        transport.OpenDevice(transport.table().entries[0].name);
        m_mouse->resetCounters();
        MouseSession::instance().load();
        QCOMPARE(MouseSession::instance().apply(), quint8(0));
        QCOMPARE(m_mouse->counters().hostWrites, 0);
    } else if (key.startsWith(QLatin1String("slot"))) {
        QCOMPARE(ConfigProfileName(key.mid(4).toInt() - 1), value);
    } else if (key == QLatin1String("active")) {
        QCOMPARE(ConfigProfileID() + 1, value.toInt());
    } else if (key == QLatin1String("diff")) {
        QCOMPARE(ConfigDiff(), value.toInt());
    } else if (key == QLatin1String("list")) {
        QCOMPARE(LoadProfileList(QStringLiteral("X8 Wireless")).join(QLatin1Char(',')), value);
    } else if (key == QLatin1String("file") || key == QLatin1String("nofile")) {
        QVERIFY2(QFileInfo::exists(path(value)) == (key == QLatin1String("file")), qPrintable(value));
    } else if (key.startsWith(QLatin1String("ini:"))) {
        QCOMPARE(OpenIni(path(key.section(QLatin1Char(':'), 1, 1)))->value(key.section(QLatin1Char(':'), 2)).toString(), value);
    } else if (key == QLatin1String("out") || key == QLatin1String("err")) {
        QVERIFY2((key == QLatin1String("out") ? r.out : r.err).contains(value), qPrintable(r.out + r.err));
    } else if (key == QLatin1String("json")) {
        const QJsonObject root = ParseShowJson(r.code, r.out, r.err);
        QCOMPARE(root.value(QStringLiteral("profile_list")).toVariant().toStringList().join(QLatin1Char(',')), value);
    } else if (key == QLatin1String("mouse")) {
        const int offset = value.section(QLatin1Char(':'), 0, 0).toInt();
        QCOMPARE(int(m_mouse->memory().settings.at(size_t(offset))), value.section(QLatin1Char(':'), 1).toInt(nullptr, 16));
    } else {
        QFAIL(qPrintable(QLatin1String("unknown expectation ") + expectation));
    }
}

QTEST_GUILESS_MAIN(TestProfileCommands)
#include "tst_profilecommands.moc"
