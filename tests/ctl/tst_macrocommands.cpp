#include "MacroCommands.h"

#include "AppPaths.h"
#include "ButtonEncoding.h"
#include "MacroFile.h"
#include "MacroNameList.h"
#include "MouseSession.h"
#include "ProfileManager.h"
#include "TestAppDir.h"

#include <QDirIterator>
#include <QMap>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {

struct Run
{
    int code = -1;
    QString out;
    QString err;
};

Run Macro(const QStringList& args)
{
    Run r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = MacroCommand(args, out, err);
    out.flush();
    err.flush();
    return r;
}

QMap<QString, QByteArray> Snapshot(const QString& root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files.insert(QDir(root).relativeFilePath(path), file.readAll());
    }
    return files;
}

// A macro file as the macro page writes it, events given as "Map/DataH/DataL".
QByteArray MacroText(const QStringList& events, int delayType = 0, int loopType = 0, int loopTime = 1)
{
    QByteArray text = "[Setting]\nDefaultDelay=10\nDelayType=" + QByteArray::number(delayType)
                      + "\nLoopType=" + QByteArray::number(loopType) + "\nLoopTime=" + QByteArray::number(loopTime)
                      + "\nCount=" + QByteArray::number(events.size()) + "\n";
    for (int i = 0; i < events.size(); ++i) {
        const QStringList b = events[i].split(QLatin1Char('/'));
        text += "Map_" + QByteArray::number(i) + '=' + b[0].toUtf8() + "\nDataH_" + QByteArray::number(i) + '='
                + b[1].toUtf8() + "\nDataL_" + QByteArray::number(i) + '=' + b[2].toUtf8() + '\n';
    }
    return text + "WriteSign=1\n";
}

QByteArray ListIni(const QStringList& names)
{
    QByteArray text = "[MACRO_LIST]\n";
    for (int i = 0; i < names.size(); ++i)
        text += QByteArray::number(i) + '=' + names[i].toUtf8() + '\n';
    return text;
}

QString EventsText(const QVector<MacroEvent>& events)
{
    QStringList parts;
    for (const MacroEvent& e : events)
        parts << QStringLiteral("%1/%2/%3").arg(e.Map).arg(e.DataH).arg(e.DataL);
    return parts.join(QLatin1Char(' '));
}

QStringList Args(const QString& text)
{
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

class TestMacroCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listInKeyOrder();
    void listEmpty();
    void showDecodesEvents_data();
    void showDecodesEvents();
    void showSettings_data();
    void showSettings();
    void showDelayUnitFromDescriptor();
    void importCopiesAndLists();
    void importNamesCollisions_data();
    void importNamesCollisions();
    void exportToFileAndFolder();
    void deleteRemovesNameAndFile();
    void renameKeepsPlace();
    void boundMacroFollowsRenameAndDeleteAsks();
    void exportAddsSuffix();
    void renameToTakenName_data();
    void renameToTakenName();
    void renameToSameNameChangesNothing();
    void gunCreatesMacro_data();
    void gunCreatesMacro();
    void gunTakenNameGetsSuffix();
    void refusalsChangeNothing_data();
    void refusalsChangeNothing();

private:
    void seed();
    std::unique_ptr<TestAppDir> m_app;
    std::unique_ptr<QTemporaryDir> m_outside;
};

void TestMacroCommands::init()
{
    m_app = std::make_unique<TestAppDir>();
    m_app->installShippedDescriptor();
    m_outside = std::make_unique<QTemporaryDir>();
}

void TestMacroCommands::cleanup()
{
    m_app.reset();
    m_outside.reset();
}

// Three macros with a free key between them, and files outside the app dir to import.
void TestMacroCommands::seed()
{
    m_app->write(QStringLiteral("Configs/Config.ini"), "[MACRO_LIST]\n0=alpha\n1=\n2=beta\n3=gamma\n");
    m_app->write(QStringLiteral("Configs/MacroDB/alpha.MSMACRO"), MacroText({"132/0/4", "4/0/4"}));
    m_app->write(QStringLiteral("Configs/MacroDB/beta.MSMACRO"), MacroText({"129/0/2", "6/0/5", "1/0/2"}, 1));
    m_app->write(QStringLiteral("Configs/MacroDB/gamma.MSMACRO"), MacroText({"2/0/200"}));
    const QString outside = m_outside->path();
    QFile f(outside + QStringLiteral("/delta.MSMACRO"));
    f.open(QIODevice::WriteOnly);
    f.write(MacroText({"2/7/0", "6/0/3"}, 2, 1, 4));
    f.close();
    QFile g(outside + QStringLiteral("/alpha.MSMACRO"));
    g.open(QIODevice::WriteOnly);
    g.write(MacroText({"129/0/16"}));
    g.close();
    QFile n(outside + QStringLiteral("/notes.txt"));
    n.open(QIODevice::WriteOnly);
    n.write("[Setting]\nCount=1\n");
    n.close();
    QFile e(outside + QStringLiteral("/empty.MSMACRO"));
    e.open(QIODevice::WriteOnly);
    e.write("just some text\n");
    e.close();
}

void TestMacroCommands::listInKeyOrder()
{
    seed();
    const Run r = Macro({"list"});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QStringLiteral("alpha\nbeta\ngamma\n"));
    QCOMPARE(r.err, QString());
}

void TestMacroCommands::listEmpty()
{
    const Run r = Macro({"list"});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QString());
}

void TestMacroCommands::showDecodesEvents_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("line");
    QTest::newRow("key press by HID usage 4 is A") << "132/0/4" << "A                Press";
    QTest::newRow("key release of Enter (usage 40)") << "4/0/40" << "Enter            Release";
    QTest::newRow("key press with DataH 7 loads with 0") << "132/7/4" << "A                Press";
    QTest::newRow("left press") << "129/0/1" << "LEFT CLICK       Press";
    QTest::newRow("right release is code 2") << "1/0/2" << "RIGHT CLICK      Release";
    QTest::newRow("middle is code 4") << "129/0/4" << "MIDDLE CLICK     Press";
    QTest::newRow("forward") << "129/0/8" << "FORWARD          Press";
    QTest::newRow("backward") << "1/0/16" << "BACKWARD         Release";
    QTest::newRow("DataL 200 is left 56") << "2/0/200" << "MOVE LEFT        56";
    QTest::newRow("DataL 7 is right 7") << "2/0/7" << "MOVE RIGHT       7";
    QTest::newRow("DataH 253 is up 3") << "2/253/0" << "MOVE UP          3";
    QTest::newRow("DataH 120 is down 120") << "2/120/0" << "MOVE DOWN        120";
    QTest::newRow("diagonal loads as a step of 0") << "2/10/10" << "MOVE RIGHT       0";
    QTest::newRow("delay count 1 at unit 10 is 10 ms") << "6/0/1" << "DELAY            10 ms";
    QTest::newRow("delay count 300 is 3000 ms") << "6/1/44" << "DELAY            3000 ms";
}

void TestMacroCommands::showDecodesEvents()
{
    QFETCH(QString, event);
    QFETCH(QString, line);
    m_app->write(QStringLiteral("Configs/Config.ini"), ListIni({"m"}));
    m_app->write(QStringLiteral("Configs/MacroDB/m.MSMACRO"), MacroText({event}));
    const Run r = Macro({"show", "m"});
    QCOMPARE(r.code, 0);
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.last(), QStringLiteral("  0  ") + line);
    QVERIFY(r.out.contains(QStringLiteral("Events: 1 ")));
}

void TestMacroCommands::showSettings_data()
{
    QTest::addColumn<int>("delayType");
    QTest::addColumn<int>("loopType");
    QTest::addColumn<QString>("delays");
    QTest::addColumn<QString>("loop");
    QTest::newRow("nothing chosen") << 0 << 0 << "none" << "none";
    QTest::newRow("measured delays, loop times") << 1 << 1 << "RECORD DELAYS BETWEEN ACTION" << "LOOPS TIME(1-255)";
    QTest::newRow("default delay, repeat while down") << 2 << 2 << "INSERT DEFAULT DELAY" << "REPEAT RUN WHEN KEY DOWN";
    QTest::newRow("repeat until pressed again") << 0 << 3 << "none" << "REPEAT RUN UNTIL THE KEY DOWN";
    QTest::newRow("delay type 9 reads as none") << 9 << 0 << "none" << "none";
}

void TestMacroCommands::showSettings()
{
    QFETCH(int, delayType);
    QFETCH(int, loopType);
    QFETCH(QString, delays);
    QFETCH(QString, loop);
    m_app->write(QStringLiteral("Configs/Config.ini"), ListIni({"m"}));
    m_app->write(QStringLiteral("Configs/MacroDB/m.MSMACRO"), MacroText({"129/0/1", "1/0/1"}, delayType, loopType, 7));
    const Run r = Macro({"show", "m"});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains(QStringLiteral("Macro: m\n")), qPrintable(r.out));
    QVERIFY(r.out.contains(QStringLiteral("Default delay: 10 ms\n")));
    QVERIFY2(r.out.contains(QStringLiteral("Delays: ") + delays + QLatin1Char('\n')), qPrintable(r.out));
    QVERIFY2(r.out.contains(QStringLiteral("Loop: ") + loop + QLatin1Char('\n')), qPrintable(r.out));
    QVERIFY(r.out.contains(QStringLiteral("Loop time: 7\n")));
    QVERIFY(r.out.contains(QStringLiteral("Events: 2 (delay unit 10 ms)\n")));
}

void TestMacroCommands::showDelayUnitFromDescriptor()
{
    m_app->write(QStringLiteral("DefaultProfile.bin"), "[PROFILE]\nMinDelay=20\n");
    m_app->write(QStringLiteral("Configs/Config.ini"), ListIni({"m"}));
    m_app->write(QStringLiteral("Configs/MacroDB/m.MSMACRO"), MacroText({"6/0/3"}));
    const Run r = Macro({"show", "m"});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains(QStringLiteral("(delay unit 20 ms)")), qPrintable(r.out));
    QVERIFY2(r.out.endsWith(QStringLiteral("DELAY            60 ms\n")), qPrintable(r.out));
}

void TestMacroCommands::importCopiesAndLists()
{
    seed();
    const QString source = m_outside->path() + QStringLiteral("/delta.MSMACRO");
    const Run r = Macro({"import", source});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains(QStringLiteral("as \"delta\"")), qPrintable(r.out));
    // The first free key, as the macro page fills it.
    QCOMPARE(MacroNames(), (QStringList{"alpha", "delta", "beta", "gamma"}));
    QFile in(source);
    in.open(QIODevice::ReadOnly);
    QCOMPARE(m_app->read(QStringLiteral("Configs/MacroDB/delta.MSMACRO")), in.readAll());
}

void TestMacroCommands::importNamesCollisions_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("listed name gets _2") << QStringList{"alpha.MSMACRO"} << QStringList{"alpha_2"};
    QTest::newRow("same file twice gets _2 then _3") << QStringList{"alpha.MSMACRO", "alpha.MSMACRO"}
                                                     << QStringList{"alpha_2", "alpha_3"};
    QTest::newRow("a free name and a taken one") << QStringList{"delta.MSMACRO", "alpha.MSMACRO"}
                                                 << QStringList{"delta", "alpha_2"};
}

void TestMacroCommands::importNamesCollisions()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, names);
    seed();
    const QByteArray alphaBefore = m_app->read(QStringLiteral("Configs/MacroDB/alpha.MSMACRO"));
    QStringList args{"import"};
    for (const QString& f : files)
        args << m_outside->path() + QLatin1Char('/') + f;
    const Run r = Macro(args);
    QCOMPARE(r.code, 0);
    for (const QString& name : names) {
        QVERIFY2(ContainsMacroName(name), qPrintable(name));
        QVERIFY(MacroFileExists(name));
    }
    QCOMPARE(CountMacroNames(), 3 + names.size());
    QCOMPARE(m_app->read(QStringLiteral("Configs/MacroDB/alpha.MSMACRO")), alphaBefore);
}

void TestMacroCommands::exportToFileAndFolder()
{
    seed();
    const QString target = m_outside->path() + QStringLiteral("/out.MSMACRO");
    Run r = Macro({"export", "beta", target});
    QCOMPARE(r.code, 0);
    QFile out(target);
    QVERIFY(out.open(QIODevice::ReadOnly));
    QCOMPARE(out.readAll(), m_app->read(QStringLiteral("Configs/MacroDB/beta.MSMACRO")));

    QDir(m_outside->path()).mkdir(QStringLiteral("folder"));
    r = Macro({"export", "gamma", m_outside->path() + QStringLiteral("/folder")});
    QCOMPARE(r.code, 0);
    QVERIFY(QFileInfo::exists(m_outside->path() + QStringLiteral("/folder/gamma.MSMACRO")));
}

void TestMacroCommands::deleteRemovesNameAndFile()
{
    seed();
    const Run r = Macro({"delete", "beta"});
    QCOMPARE(r.code, 0);
    QCOMPARE(MacroNames(), (QStringList{"alpha", "gamma"}));
    QVERIFY(!QFileInfo::exists(m_app->file(QStringLiteral("Configs/MacroDB/beta.MSMACRO"))));
    QVERIFY(QFileInfo::exists(m_app->file(QStringLiteral("Configs/MacroDB/gamma.MSMACRO"))));
}

void TestMacroCommands::boundMacroFollowsRenameAndDeleteAsks()
{
    seed();
    MouseSession& session = MouseSession::instance();
    session.load();
    for (int slot : {0, 2}) {
        ButtonRecord& b = session.current().profiles[slot].BUTTON_INFO[3];
        b.Fun = kMacroFunction;
        b.macroname = QStringLiteral("beta");
    }
    session.current().profiles[1].BUTTON_INFO[kWheelUpRecord].Fun = kGunFileFunction;
    session.current().profiles[1].BUTTON_INFO[kWheelUpRecord].macroname = QStringLiteral("beta");
    QVERIFY(session.store());
    const QVector<MacroBinding> bound{{0, 3}, {1, kWheelUpRecord}, {2, 3}};
    // A stored profile in no slot: "Profile 5" with the macro, its slot given a new profile.
    session.current().profiles[4].BUTTON_INFO[3].Fun = kMacroFunction;
    session.current().profiles[4].BUTTON_INFO[3].macroname = QStringLiteral("beta");
    QVERIFY(session.store());
    QVERIFY(session.profileOperation(4, [](ProfileManager& m) { return m.addProfile(); }).ok());

    QCOMPARE(Macro({"rename", "beta", "Burst"}).code, 0);
    session.load();
    QVERIFY(session.macroBindings(QStringLiteral("Burst")) == bound);
    QVERIFY(session.profileOperation(4, [](ProfileManager& m) { return m.pickStored(QStringLiteral("Profile 5")); })
                .ok());
    QCOMPARE(session.current().profiles[4].BUTTON_INFO[3].macroname, QStringLiteral("Burst"));
    QVERIFY(session.profileOperation(4, [](ProfileManager& m) { return m.addProfile(); }).ok());

    Run r = Macro({"delete", "Burst"});
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(QLatin1String("slot 1 button 3, slot 2 wheel-up, slot 3 button 3")), qPrintable(r.err));
    QVERIFY(MacroNames().contains(QStringLiteral("Burst")));

    r = Macro({"delete", "Burst", "--force"});
    QCOMPARE(r.code, 0);
    session.load();
    QVERIFY(session.macroBindings(QStringLiteral("Burst")).isEmpty());
    ProfileRecord defaults;
    MakeDefaultProfile(defaults);
    QCOMPARE(session.current().profiles[2].BUTTON_INFO[3].Fun, defaults.BUTTON_INFO[3].Fun);
    QCOMPARE(session.current().profiles[1].BUTTON_INFO[kWheelUpRecord].Fun, defaults.BUTTON_INFO[kWheelUpRecord].Fun);
    QVERIFY(session.profileOperation(4, [](ProfileManager& m) { return m.pickStored(QStringLiteral("Profile 5")); })
                .ok());
    QCOMPARE(session.current().profiles[4].BUTTON_INFO[3].Fun, defaults.BUTTON_INFO[3].Fun);
}

void TestMacroCommands::exportAddsSuffix()
{
    seed();
    const Run r = Macro({"export", "beta", m_outside->path() + QStringLiteral("/bare")});
    QCOMPARE(r.code, 0);
    QVERIFY(QFileInfo::exists(m_outside->path() + QStringLiteral("/bare.MSMACRO")));
    QCOMPARE(Macro({"import", m_outside->path() + QStringLiteral("/bare.MSMACRO")}).code, 0);
    QVERIFY(MacroNames().contains(QStringLiteral("bare")));
}

void TestMacroCommands::renameKeepsPlace()
{
    seed();
    const QByteArray bytes = m_app->read(QStringLiteral("Configs/MacroDB/beta.MSMACRO"));
    const Run r = Macro({"rename", "beta", "Burst"});
    QCOMPARE(r.code, 0);
    QCOMPARE(MacroNames(), (QStringList{"alpha", "Burst", "gamma"}));
    QVERIFY(!QFileInfo::exists(m_app->file(QStringLiteral("Configs/MacroDB/beta.MSMACRO"))));
    QCOMPARE(m_app->read(QStringLiteral("Configs/MacroDB/Burst.MSMACRO")), bytes);
}

void TestMacroCommands::renameToTakenName_data()
{
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("expected");
    QTest::newRow("taken name a gives a_2") << "alpha" << "alpha_2";
    QTest::newRow("a_2 taken too gives a_3") << "gamma" << "gamma_3";
    QTest::newRow("file without list entry counts as taken") << "orphan" << "orphan_2";
}

void TestMacroCommands::renameToTakenName()
{
    QFETCH(QString, wanted);
    QFETCH(QString, expected);
    seed();
    m_app->write(QStringLiteral("Configs/MacroDB/gamma_2.MSMACRO"), MacroText({}));
    m_app->write(QStringLiteral("Configs/MacroDB/orphan.MSMACRO"), MacroText({}));
    const auto before = Snapshot(m_app->path());
    const Run r = Macro({"rename", "beta", wanted});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains(QLatin1Char('"') + expected + QLatin1Char('"')), qPrintable(r.out));
    QCOMPARE(MacroNames().at(1), expected);
    const auto after = Snapshot(m_app->path());
    // Macros that held the wanted names keep their files untouched.
    for (const QString& kept : {QStringLiteral("alpha"), QStringLiteral("gamma_2"), QStringLiteral("orphan")}) {
        const QString rel = QStringLiteral("Configs/MacroDB/") + kept + QStringLiteral(".MSMACRO");
        QCOMPARE(after.value(rel), before.value(rel));
    }
}

void TestMacroCommands::renameToSameNameChangesNothing()
{
    seed();
    const auto before = Snapshot(m_app->path());
    const Run r = Macro({"rename", "beta", "beta"});
    QCOMPARE(r.code, 0);
    QCOMPARE(Snapshot(m_app->path()), before);
}

void TestMacroCommands::gunCreatesMacro_data()
{
    QTest::addColumn<QString>("shots");
    QTest::addColumn<QString>("events");
    QTest::newRow("one shot delay 100 down 5, then the release") << "100,5,0" << "1/0/1 129/0/1 2/5/0 6/0/10 1/0/1";
    QTest::newRow("up 3 and left 3") << "100,-3,-3" << "1/0/1 129/0/1 2/253/0 2/0/253 6/0/10 1/0/1";
    QTest::newRow("delay 5 ms gives count 0") << "5,0,0" << "1/0/1 129/0/1 6/0/0 1/0/1";
    QTest::newRow("two shots") << "100,5,0 40,0,2"
                               << "1/0/1 129/0/1 2/5/0 6/0/10 1/0/1 129/0/1 2/0/2 6/0/4 1/0/1";
}

void TestMacroCommands::gunCreatesMacro()
{
    QFETCH(QString, shots);
    QFETCH(QString, events);
    seed();
    const Run r = Macro(QStringList{"gun", "Spray"} + Args(shots));
    QCOMPARE(r.code, 0);
    QCOMPARE(MacroNames(), (QStringList{"alpha", "Spray", "beta", "gamma"}));
    QCOMPARE(EventsText(ReadMacroEventsRaw(QStringLiteral("Spray"), 63)), events);
    MacroData data;
    QVERIFY(LoadMacroFile(QStringLiteral("Spray"), data));
    QCOMPARE(int(data.settings.DelayType), 1);
    QCOMPARE(data.settings.LoopTime, 1);
    // show reads it back the way the macro page does.
    const Run shown = Macro({"show", "Spray"});
    QCOMPARE(shown.code, 0);
    QVERIFY(shown.out.contains(QStringLiteral("LEFT CLICK       Press")));
}

void TestMacroCommands::gunTakenNameGetsSuffix()
{
    seed();
    QCOMPARE(Macro({"gun", "beta", "100,1,0"}).code, 0);
    QVERIFY(ContainsMacroName(QStringLiteral("beta_2")));
    QCOMPARE(EventsText(ReadMacroEventsRaw(QStringLiteral("beta"), 63)), QStringLiteral("129/0/2 6/0/5 1/0/2"));
}

void TestMacroCommands::refusalsChangeNothing_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<int>("listed");   // extra macros m0.. added to reach a count
    QTest::addColumn<QString>("message");

    QTest::newRow("no subcommand") << "" << 0 << "Usage";
    QTest::newRow("unknown subcommand") << "frobnicate" << 0 << "Usage";
    QTest::newRow("list with an argument") << "list x" << 0 << "Usage";
    QTest::newRow("show without a name") << "show" << 0 << "Usage";
    QTest::newRow("show unknown macro") << "show nope" << 0 << "No macro named \"nope\"";
    QTest::newRow("import nothing") << "import" << 0 << "Usage";
    QTest::newRow("import missing file") << "import @/missing.MSMACRO" << 0 << "No such file";
    QTest::newRow("import a folder") << "import @" << 0 << "No such file";
    QTest::newRow("import without .MSMACRO") << "import @/notes.txt" << 0 << "not a macro file";
    QTest::newRow("import file without Count") << "import @/empty.MSMACRO" << 0 << "not a macro file";
    QTest::newRow("import one good and one bad imports neither")
        << "import @/delta.MSMACRO @/missing.MSMACRO" << 0 << "No such file";
    QTest::newRow("import past 50 macros") << "import @/delta.MSMACRO @/alpha.MSMACRO" << 46 << "Too many macros";
    QTest::newRow("export unknown macro") << "export nope @/x.MSMACRO" << 0 << "No macro named";
    QTest::newRow("export over an existing file") << "export alpha @/delta.MSMACRO" << 0 << "not overwritten";
    QTest::newRow("export without a target") << "export alpha" << 0 << "Usage";
    QTest::newRow("delete unknown macro") << "delete nope" << 0 << "No macro named";
    QTest::newRow("delete a name only on disk") << "delete orphan" << 0 << "No macro named";
    QTest::newRow("rename unknown macro") << "rename nope x" << 0 << "No macro named";
    QTest::newRow("rename into the parent folder") << "rename beta ../beta" << 0 << "macro folder";
    QTest::newRow("rename to a path") << "rename beta /tmp/beta" << 0 << "macro folder";
    QTest::newRow("rename to dot dot") << "rename beta .." << 0 << "macro folder";
    QTest::newRow("rename to 101 characters") << "rename beta " + QString(101, QLatin1Char('x')) << 0
                                              << "at most 100";
    QTest::newRow("gun without shots") << "gun g" << 0 << "Usage";
    QTest::newRow("gun with six shots") << "gun g 1,0,0 1,0,0 1,0,0 1,0,0 1,0,0 1,0,0" << 0 << "Usage";
    QTest::newRow("gun shot of two numbers") << "gun g 100,5" << 0 << "DELAY_MS,VERTICAL,HORIZONTAL";
    QTest::newRow("gun shot not a number") << "gun g 100,five,0" << 0 << "pulls";
    QTest::newRow("gun delay 0") << "gun g 0,0,0" << 0 << "delay";
    QTest::newRow("gun delay 1000") << "gun g 1000,0,0" << 0 << "delay";
    QTest::newRow("gun pull 101") << "gun g 100,101,0" << 0 << "pulls";
    QTest::newRow("gun pull -101") << "gun g 100,0,-101" << 0 << "pulls";
    QTest::newRow("gun second shot bad, first not written") << "gun g 100,1,0 100,1" << 0
                                                           << "DELAY_MS,VERTICAL,HORIZONTAL";
    QTest::newRow("gun name into the parent folder") << "gun ../g 100,0,0" << 0 << "macro folder";
    QTest::newRow("gun at 50 macros") << "gun g 100,0,0" << 47 << "Too many macros";
}

void TestMacroCommands::refusalsChangeNothing()
{
    QFETCH(QString, args);
    QFETCH(int, listed);
    QFETCH(QString, message);
    seed();
    m_app->write(QStringLiteral("Configs/MacroDB/orphan.MSMACRO"), MacroText({}));
    if (listed > 0) {
        QStringList names{"alpha", "beta", "gamma"};
        for (int i = 0; i < listed; ++i)
            names << QStringLiteral("m%1").arg(i);
        m_app->write(QStringLiteral("Configs/Config.ini"), ListIni(names));
    }
    const auto before = Snapshot(m_app->path());
    const auto outsideBefore = Snapshot(m_outside->path());
    QStringList list = Args(QString(args).replace(QLatin1Char('@'), m_outside->path()));
    const Run r = Macro(list);
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QCOMPARE(r.out, QString());
    QCOMPARE(Snapshot(m_app->path()), before);
    QCOMPARE(Snapshot(m_outside->path()), outsideBefore);
}

QTEST_GUILESS_MAIN(TestMacroCommands)
#include "tst_macrocommands.moc"
