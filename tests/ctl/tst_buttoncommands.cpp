#include "CtlTestSupport.h"
#include "SettingsCommands.h"

#include "AppPaths.h"
#include "ButtonEncoding.h"
#include "ConfigFiles.h"
#include "Descriptor.h"
#include "GlobalConfig.h"
#include "HidTransport.h"
#include "MacroNameList.h"
#include "MacroUpload.h"
#include "SettingsRecord.h"
#include "VirtualHidBackend.h"
#include "VirtualMouse.h"

#include <QDir>
#include <QDirIterator>
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

QByteArray Bytes(const ButtonSlotBytes& b)
{
    return QByteArray(reinterpret_cast<const char*>(b.data()), int(b.size()));
}

const QStringList kStoredFiles = {QStringLiteral("Configs/Config.ini"), QStringLiteral("Configs/Profile/Profile 1.prof"),
                                  QStringLiteral("Configs/Profile/Profile 2.prof"),
                                  QStringLiteral("Configs/Profile/Profile 3.prof"),
                                  QStringLiteral("Configs/Profile/Profile 4.prof"),
                                  QStringLiteral("Configs/Profile/Profile 5.prof")};

ButtonRecord StoredButton(int slot, int record)
{
    SettingsRecord s;
    LoadSettings(s);
    return s.profiles[slot].BUTTON_INFO[record];
}

} // namespace

class TestButtonCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void setShowRoundTrip_data();
    void setShowRoundTrip();
    void setStoresDeviceBytes_data();
    void setStoresDeviceBytes();
    void comboKeyInfoInSlotOrder_data();
    void comboKeyInfoInSlotOrder();
    void refusedChangesNothing_data();
    void refusedChangesNothing();
    void secondLeftFreesTheFirst();
    void showTextListsButtons();
    void setWriteLandsInButtonBlock();

private:
    QString path(const QString& relative) const { return m_dir->path() + QLatin1Char('/') + relative; }
    QMap<QString, QByteArray> storedBytes() const;
    void setConfigKey(const QString& key, const QVariant& value);
    QJsonObject showJson();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::shared_ptr<VirtualMouse> m_mouse;
    std::unique_ptr<VirtualHidBackend> m_backend;
};

void TestButtonCommands::init()
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
    setConfigKey(QStringLiteral("MouseSenSor/1"), 3389);
    setConfigKey(QStringLiteral("Config/ProfileID"), 0);
    setConfigKey(QStringLiteral("Config/Diff"), 0);
    setConfigKey(QStringLiteral("Config/CurrentProductName"), QStringLiteral("X8 Wireless"));
    QVERIFY(AddMacroName(QStringLiteral("Burst")) >= 0);
    // Record 0 is the only Left of the shipped profiles; the guard tests rely on it.
    QCOMPARE(StoredButton(0, 0).Fun, 1);
}

void TestButtonCommands::cleanup()
{
    HidTransport::instance().CloseDevice();
    SetHidBackend(nullptr);
    m_backend.reset();
    m_mouse.reset();
    qunsetenv("MOUSECFG_APP_DIR");
    m_dir.reset();
}

QMap<QString, QByteArray> TestButtonCommands::storedBytes() const
{
    return StoredConfigBytes(path(QStringLiteral("Configs")));
}

void TestButtonCommands::setConfigKey(const QString& key, const QVariant& value)
{
    SetConfigIniKey(key, value);
}

QJsonObject TestButtonCommands::showJson()
{
    const Run r = Show({QStringLiteral("--json")});
    return ParseShowJson(r.code, r.out, r.err);
}

void TestButtonCommands::setShowRoundTrip_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("profile");
    QTest::addColumn<int>("button");
    QTest::addColumn<QJsonObject>("expected");
    const auto obj = [](std::initializer_list<QPair<QString, QJsonValue>> pairs) {
        QJsonObject o;
        for (const auto& p : pairs)
            o.insert(p.first, p.second);
        return o;
    };
    QTest::newRow("catalogue name in any case") << Args("button 3 volume UP") << 0 << 3
        << obj({{"function", "Volume Up"}, {"code", 43}});
    QTest::newRow("catalogue name with a sign") << Args("button 3 DPI +") << 0 << 3
        << obj({{"function", "DPI +"}, {"code", 48}});
    QTest::newRow("single key") << Args("button 4 key f5") << 0 << 4
        << obj({{"function", "F5"}, {"code", 6}, {"key", "F5"}});
    QTest::newRow("single key with a blank in its name") << Args("button 4 key page up") << 0 << 4
        << obj({{"code", 6}, {"key", "Page Up"}});
    QTest::newRow("combo in slot order") << Args("button 3 combo c+ctrl+shift") << 0 << 3
        << obj({{"function", "COMBO KEY"}, {"code", 7}, {"keys", QJsonArray{"LShift", "LCtr", "C"}}});
    QTest::newRow("combo with the key Num +") << Args("button 3 combo alt+num +") << 0 << 3
        << obj({{"keys", QJsonArray{"LAlt", "Num +"}}});
    QTest::newRow("fire left") << Args("button 3 fire left 3 100") << 0 << 3
        << obj({{"code", 12}, {"key", "left"}, {"times", 3}, {"delay_ms", 100}});
    QTest::newRow("fire a key") << Args("button 3 fire space 10 50") << 0 << 3
        << obj({{"code", 12}, {"key", "Space"}, {"times", 10}, {"delay_ms", 50}});
    QTest::newRow("sniper") << Args("button 3 sniper 5") << 0 << 3 << obj({{"code", 55}, {"sniper_step", 5}});
    QTest::newRow("macro repeated") << Args("button 3 macro Burst loops 4") << 0 << 3
        << obj({{"function", "Burst"}, {"code", 200}, {"macro", "Burst"}, {"mode", "loops"}, {"loops", 4}});
    QTest::newRow("macro while held") << Args("button 3 macro Burst while-held") << 0 << 3
        << obj({{"code", 200}, {"mode", "while-held"}});
    QTest::newRow("gun file on wheel up of profile 2") << Args("--profile 2 button wheel-up gunfile Burst until-pressed")
        << 1 << 40 << obj({{"code", 510}, {"macro", "Burst"}, {"mode", "until-pressed"}});
}

void TestButtonCommands::setShowRoundTrip()
{
    QFETCH(QStringList, args);
    QFETCH(int, profile);
    QFETCH(int, button);
    QFETCH(QJsonObject, expected);
    const Run r = Set(args);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QVERIFY(r.out.contains(QLatin1String("Stored")));
    const QJsonObject root = showJson();
    // The list holds the product's buttons only: find the record by its number.
    QJsonObject b;
    for (const QJsonValue& v : root.value(QStringLiteral("profiles")).toArray().at(profile).toObject()
                                   .value(QStringLiteral("buttons")).toArray())
        if (v.toObject().value(QStringLiteral("button")).toInt() == button)
            b = v.toObject();
    QCOMPARE(b.value(QStringLiteral("button")).toInt(), button);
    for (auto it = expected.begin(); it != expected.end(); ++it)
        QCOMPARE(b.value(it.key()), it.value());
}

void TestButtonCommands::setStoresDeviceBytes_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("slot");
    QTest::newRow("ctrl+c") << Args("button 3 combo ctrl+c") << QByteArray::fromHex("8f010600");
    QTest::newRow("fire left 3 times 100 ms") << Args("button 3 fire left 3 100") << QByteArray::fromHex("9981030a");
    QTest::newRow("fire middle") << Args("button 3 fire middle 2 30") << QByteArray::fromHex("99840203");
    QTest::newRow("macro 4 loops") << Args("button 3 macro Burst loops 4") << QByteArray::fromHex("91000400");
    QTest::newRow("macro while held") << Args("button 3 macro Burst while-held") << QByteArray::fromHex("9180ffff");
    QTest::newRow("macro until pressed") << Args("button 3 macro Burst until-pressed") << QByteArray::fromHex("9140ffff");
    QTest::newRow("gun file while held") << Args("button 3 gunfile Burst while-held") << QByteArray::fromHex("9d80ffff");
}

void TestButtonCommands::setStoresDeviceBytes()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, slot);
    const Run r = Set(args);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    ButtonRecord button = StoredButton(0, 3);
    MacroSlotMap map;
    QCOMPARE(Bytes(EncodeButton(button, 3389, map)).toHex(' '), slot.toHex(' '));
}

void TestButtonCommands::comboKeyInfoInSlotOrder_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("keyInfo");
    QTest::newRow("ctrl+c") << Args("button 5 combo ctrl+c") << QByteArray::fromHex("e00580 060580 060500 e00500");
    QTest::newRow("c+ctrl typed backwards") << Args("button 5 combo C+Ctrl") << QByteArray::fromHex("e00580 060580 060500 e00500");
    QTest::newRow("ctrl+shift+c: shift first") << Args("button 5 combo ctrl+shift+c")
        << QByteArray::fromHex("e10580 e00580 060580 060500 e00500 e10500");
    QTest::newRow("right ctrl stored as ctrl") << Args("button 5 combo rctrl+c") << QByteArray::fromHex("e00580 060580 060500 e00500");
}

void TestButtonCommands::comboKeyInfoInSlotOrder()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, keyInfo);
    // A fire key's delay left in KeyNumber must not survive as a key event count.
    QCOMPARE(Set(Args("button 5 fire left 3 100")).code, 0);
    const Run r = Set(args);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const ButtonRecord button = StoredButton(0, 5);
    QByteArray stored;
    for (const KeyInfo& k : button.KeyInfo) {
        if (k.map == 0 && k.key == 0 && k.H == 0)
            break;
        stored.append(char(k.map)).append(char(k.key)).append(char(k.H));
    }
    QCOMPARE(stored.toHex(' '), keyInfo.toHex(' '));
    QCOMPARE(button.KeyNumber, keyInfo.size() / 3);
}

void TestButtonCommands::refusedChangesNothing_data()
{
    QTest::addColumn<QStringList>("prepare");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    const QStringList none;
    QTest::newRow("unknown function") << none << Args("button 3 teleport") << "Unknown function";
    QTest::newRow("dialog function without values") << none << Args("button 3 SINGLE KEY") << "needs its values";
    QTest::newRow("unknown key") << none << Args("button 3 key florp") << "Unknown key";
    QTest::newRow("combo with an unknown key") << none << Args("button 3 combo ctrl+florp") << "Unknown key";
    QTest::newRow("combo with two plain keys") << none << Args("button 3 combo a+b") << "one key";
    QTest::newRow("fire zero times") << none << Args("button 3 fire left 0 100") << "from 1 to 255";
    QTest::newRow("fire delay too long") << none << Args("button 3 fire left 3 256") << "from 1 to 255";
    QTest::newRow("fire without numbers") << none << Args("button 3 fire left") << "fire takes";
    QTest::newRow("sniper step out of range") << none << Args("button 3 sniper 100000") << "sniper takes";
    QTest::newRow("macro not in the list") << none << Args("button 3 macro Nope") << "No macro";
    QTest::newRow("macro loops out of range") << none << Args("button 3 macro Burst loops 300") << "loops must be";
    QTest::newRow("gun file on the left button, another left kept")
        << Args("button 3 left") << Args("button 0 gunfile Burst") << "Left Button Can not be Gun Function.";
    QTest::newRow("last left button") << none << Args("button 0 right") << "AT LEAST ONE CLICK FUNCTION TO BE RETAINED.";
    QTest::newRow("last left button to a key") << none << Args("button 0 key a") << "AT LEAST ONE CLICK FUNCTION TO BE RETAINED.";
    QTest::newRow("record 42") << none << Args("button 42 right") << "from 0 to 41";
    QTest::newRow("negative record") << none << Args("button -1 right") << "from 0 to 41";
    QTest::newRow("no function") << none << Args("button 3") << "Usage";
}

void TestButtonCommands::refusedChangesNothing()
{
    QFETCH(QStringList, prepare);
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    if (!prepare.isEmpty())
        QCOMPARE(Set(prepare).code, 0);
    const QMap<QString, QByteArray> before = storedBytes();
    const Run r = Set(args);
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
    QVERIFY(storedBytes() == before);
}

void TestButtonCommands::secondLeftFreesTheFirst()
{
    QCOMPARE(Set(Args("button 3 left")).code, 0);
    const Run r = Set(Args("button 0 right"));
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(StoredButton(0, 0).Fun, 2);
    // Now record 3 is the last Left and is kept.
    QCOMPARE(Set(Args("button 3 middle")).code, 2);
    QCOMPARE(StoredButton(0, 3).Fun, 1);
}

void TestButtonCommands::showTextListsButtons()
{
    QCOMPARE(Set(Args("button 3 combo ctrl+c")).code, 0);
    QCOMPARE(Set(Args("button 4 fire right 5 20")).code, 0);
    const Run r = Show(Args("--profile 1"));
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains(QLatin1String("  Button 0: Left\n")), qPrintable(r.out));
    QVERIFY(r.out.contains(QLatin1String("  Button 3: COMBO KEY (LCtr + C)\n")));
    QVERIFY(r.out.contains(QLatin1String("  Button 4: FIRE KEY (right, 5 times, 20 ms)\n")));
    QVERIFY(r.out.contains(QLatin1String("  Button 41: ")));
    // The 8-button product lists its buttons 0-7 and the wheel's two records, nothing between.
    QCOMPARE(r.out.count(QLatin1String("  Button ")), 10);
    QVERIFY(!r.out.contains(QLatin1String("  Button 8: ")));
}

void TestButtonCommands::setWriteLandsInButtonBlock()
{
    m_mouse = std::make_shared<VirtualMouse>(QString());
    m_backend = std::make_unique<VirtualHidBackend>(m_mouse);
    SetHidBackend(m_backend.get());
    HidTransport::instance().setTiming(HidTransport::Timing{0, 50, 0});
    std::array<quint8, kDescriptorButtons> matrix{};
    ReadButtonMatrix(matrix);
    const int slot = matrix[3];
    QVERIFY(slot < kButtonSlotCount);
    const Run r = Set(Args("button 3 volume up --write"));
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QVERIFY(r.out.contains(QLatin1String("Written")));
    const VirtualMouse::Memory memory = m_mouse->memory();
    const QByteArray buttons(reinterpret_cast<const char*>(memory.buttons.data()), int(memory.buttons.size()));
    QCOMPARE(buttons.mid(kButtonSlotBase + 4 * slot, 4).toHex(' '), Bytes(FunctionSlotBytes(43)).toHex(' '));
    QCOMPARE(ConfigDiff(), 0);
    QCOMPARE(StoredButton(0, 3).Fun, 43);
}

QTEST_GUILESS_MAIN(TestButtonCommands)
#include "tst_buttoncommands.moc"
