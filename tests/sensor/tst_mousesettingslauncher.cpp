#include "MouseSettingsLauncher.h"
#include "TarnMessageBox.h"

#include <QtTest>

using Program = MouseSettingsLauncher::Program;

class TestMouseSettingsLauncher : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void startsFirstInstalled_data();
    void startsFirstInstalled();
    void noneInstalledWarnsAndStartsNothing();
    void failedStartIsNoSuccess();
    void ownDesktopFirst_data();
    void ownDesktopFirst();
};

void TestMouseSettingsLauncher::cleanup() { TarnMessageBox::SetAnswerHook(nullptr); }

void TestMouseSettingsLauncher::startsFirstInstalled_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QStringList>("failing");
    QTest::addColumn<QString>("started");
    QTest::addColumn<int>("index");
    QTest::newRow("first of three installed") << QStringList{"a", "b", "c"} << QStringList{} << "/bin/a|x y" << 0;
    QTest::newRow("only the last installed") << QStringList{"c"} << QStringList{} << "/bin/c|" << 2;
    QTest::newRow("list order wins over PATH order") << QStringList{"c", "b"} << QStringList{} << "/bin/b|mouse" << 1;
    QTest::newRow("one that will not start is skipped") << QStringList{"a", "c"} << QStringList{"a"} << "/bin/c|"
                                                        << 2;
}

void TestMouseSettingsLauncher::startsFirstInstalled()
{
    QFETCH(QStringList, installed);
    QFETCH(QStringList, failing);
    QFETCH(QString, started);
    QFETCH(int, index);

    MouseSettingsLauncher launcher;
    launcher.setPrograms({{"a", {"x", "y"}, {}}, {"b", {"mouse"}, {}}, {"c", {}, {}}});
    launcher.setFinder([&](const QString& program) {
        return installed.contains(program) ? QStringLiteral("/bin/") + program : QString();
    });
    QStringList calls;
    launcher.setStarter([&](const QString& path, const QStringList& arguments) {
        calls << path + QLatin1Char('|') + arguments.join(QLatin1Char(' '));
        return !failing.contains(QFileInfo(path).fileName());
    });
    int boxes = 0;
    TarnMessageBox::SetAnswerHook([&](TarnMessageBox&) { ++boxes; return 1; });

    QVERIFY(launcher.open(nullptr));
    QCOMPARE(calls.last(), started);
    QCOMPARE(boxes, 0);
    calls.clear();
    QCOMPARE(launcher.start(), index);
}

void TestMouseSettingsLauncher::noneInstalledWarnsAndStartsNothing()
{
    MouseSettingsLauncher launcher;
    launcher.setFinder([](const QString&) { return QString(); });
    int starts = 0;
    launcher.setStarter([&](const QString&, const QStringList&) { ++starts; return true; });
    QStringList seen;
    TarnMessageBox::SetAnswerHook([&](TarnMessageBox& box) {
        seen << QString::number(box.style()) << box.windowTitle() << box.text1() << box.text2();
        return 1;
    });
    QVERIFY(!launcher.open(nullptr));
    QCOMPARE(starts, 0);
    QCOMPARE(seen, (QStringList{"2", "Warning", "No mouse settings program was found.", QString()}));
}

void TestMouseSettingsLauncher::failedStartIsNoSuccess()
{
    MouseSettingsLauncher launcher;
    launcher.setPrograms({{"a", {}, {}}});
    launcher.setFinder([](const QString& program) { return QStringLiteral("/bin/") + program; });
    launcher.setStarter([](const QString&, const QStringList&) { return false; });
    int boxes = 0;
    TarnMessageBox::SetAnswerHook([&](TarnMessageBox&) { ++boxes; return 1; });
    QVERIFY(!launcher.open(nullptr));
    QCOMPARE(boxes, 1);
}

void TestMouseSettingsLauncher::ownDesktopFirst_data()
{
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<QString>("first");
    QTest::newRow("no desktop: GNOME's first") << QString() << "gnome-control-center";
    QTest::newRow("KDE") << "KDE" << "systemsettings";
    QTest::newRow("ubuntu:GNOME") << "ubuntu:GNOME" << "gnome-control-center";
    QTest::newRow("XFCE") << "XFCE" << "xfce4-mouse-settings";
    QTest::newRow("MATE") << "MATE" << "mate-mouse-properties";
    QTest::newRow("X-Cinnamon") << "X-Cinnamon" << "cinnamon-settings";
    QTest::newRow("LXDE") << "LXDE" << "lxinput";
    QTest::newRow("unknown desktop: GNOME's first") << "Hyprland" << "gnome-control-center";
}

void TestMouseSettingsLauncher::ownDesktopFirst()
{
    QFETCH(QString, desktop);
    QFETCH(QString, first);
    const QVector<Program> programs = MouseSettingsLauncher::DefaultPrograms(desktop);
    QCOMPARE(programs.first().program, first);
    // Reordering keeps every program once.
    QCOMPARE(programs.size(), MouseSettingsLauncher::DefaultPrograms(QString()).size());
    QStringList names;
    for (const Program& program : programs)
        names << program.program;
    QCOMPARE(names.removeDuplicates(), 0);
    QVERIFY(names.contains(QStringLiteral("kcmshell5")));
    QVERIFY(names.contains(QStringLiteral("lxinput")));
}

QTEST_MAIN(TestMouseSettingsLauncher)
#include "tst_mousesettingslauncher.moc"
