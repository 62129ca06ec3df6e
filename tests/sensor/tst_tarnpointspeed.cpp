#include "SensorTestUtil.h"
#include "TarnMessageBox.h"
#include "TarnPointSpeed.h"
#include "TarnPushButton.h"
#include "TarnSlider.h"
#include "TestAppDir.h"
#include "UiContext.h"

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>
#include <QtTest>
#include <memory>

namespace {

// Stored values that differ from every row's, so each row is seen to set its box.
SettingsRecord BaseSettings()
{
    SettingsRecord settings;
    settings.ProfileID = 1;
    settings.Sync = 0;
    settings.LiftHigh = 2;
    settings.AngleValue = 1;
    settings.Jitter = 1;
    settings.Debounce = 8;
    settings.Wake = 1;
    settings.SensorMode = 1;
    settings.active().scrollspeed = 3;
    settings.active().mousespeed = 10;
    return settings;
}

quint8& Field(SettingsRecord& settings, const QString& name)
{
    if (name == QLatin1String("Sync"))
        return settings.Sync;
    if (name == QLatin1String("LiftHigh"))
        return settings.LiftHigh;
    if (name == QLatin1String("AngleValue"))
        return settings.AngleValue;
    if (name == QLatin1String("Jitter"))
        return settings.Jitter;
    if (name == QLatin1String("Wake"))
        return settings.Wake;
    if (name == QLatin1String("SensorMode"))
        return settings.SensorMode;
    return settings.Debounce;
}

const QStringList kAllControls{
    "keyResponseLabel", "keyResponseSlider", "keyResponseValue", "mouseSettingButton", "syncBox", "liftLabel",
    "lift1Box", "lift2Box", "angleBox", "jitterBox", "wakeBox", "sensorModeLabel", "ecoBox", "standardBox",
    "competitiveBox"};

// The window refreshes its pages from the record being edited; the page edits it.
void Show(TarnPointSpeed& page, const SettingsRecord& settings)
{
    CurrentSettings() = settings;
    page.refreshFrom(CurrentSettings());
}

} // namespace

class TestTarnPointSpeed : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void boxShowsStoredValue_data();
    void boxShowsStoredValue();
    void clickStoresValue_data();
    void clickStoresValue();
    void arrangementShowsControls_data();
    void arrangementShowsControls();
    void controlsDoNotOverlap_data();
    void controlsDoNotOverlap();
    void keyResponseSlider_data();
    void keyResponseSlider();
    void keyResponseOutOfRangeKeptUntilEdited();
    void sensorModeOutOfRangeLeavesBoxes();
    void refreshDiscardsUnappliedChange();
    void collectWritesGlobalsAndActiveProfile();
    void wheelLinesBox_data();
    void wheelLinesBox();
    void mouseSettingButtonStartsProgram();
    void mouseSettingButtonWarnsWhenNoneFound();
    void grab_data();
    void grab();

private:
    std::unique_ptr<TestAppDir> m_app;
};

void TestTarnPointSpeed::init()
{
    m_app = std::make_unique<TestAppDir>();
    CopySkin(*m_app);
    WriteSyncMode(*m_app, 2);
    SetUiScale(1.0);
}

void TestTarnPointSpeed::cleanup()
{
    TarnMessageBox::SetAnswerHook(nullptr);
    m_app.reset();
}

void TestTarnPointSpeed::boxShowsStoredValue_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("checked");
    QTest::newRow("sync 1 checks Enable sync") << "Sync" << 1 << "syncBox" << true;
    QTest::newRow("sync 0 unchecks Enable sync") << "Sync" << 0 << "syncBox" << false;
    QTest::newRow("lift 1 checks 1mm") << "LiftHigh" << 1 << "lift1Box" << true;
    QTest::newRow("lift 1 unchecks 2mm") << "LiftHigh" << 1 << "lift2Box" << false;
    QTest::newRow("lift 2 checks 2mm") << "LiftHigh" << 2 << "lift2Box" << true;
    QTest::newRow("lift 2 unchecks 1mm") << "LiftHigh" << 2 << "lift1Box" << false;
    QTest::newRow("lift 0 checks 2mm") << "LiftHigh" << 0 << "lift2Box" << true;
    QTest::newRow("lift 0 unchecks 1mm") << "LiftHigh" << 0 << "lift1Box" << false;
    QTest::newRow("angle 0 checks Angle Snapping") << "AngleValue" << 0 << "angleBox" << true;
    QTest::newRow("angle 1 unchecks Angle Snapping") << "AngleValue" << 1 << "angleBox" << false;
    QTest::newRow("jitter 0 checks Jitter") << "Jitter" << 0 << "jitterBox" << true;
    QTest::newRow("jitter 1 unchecks Jitter") << "Jitter" << 1 << "jitterBox" << false;
    QTest::newRow("wake 0 checks Motion Wake") << "Wake" << 0 << "wakeBox" << true;
    QTest::newRow("wake 1 unchecks Motion Wake") << "Wake" << 1 << "wakeBox" << false;
    QTest::newRow("mode 0 checks Eco") << "SensorMode" << 0 << "ecoBox" << true;
    QTest::newRow("mode 0 unchecks Standard") << "SensorMode" << 0 << "standardBox" << false;
    QTest::newRow("mode 1 checks Standard") << "SensorMode" << 1 << "standardBox" << true;
    QTest::newRow("mode 2 checks Competitive") << "SensorMode" << 2 << "competitiveBox" << true;
    QTest::newRow("mode 2 unchecks Eco") << "SensorMode" << 2 << "ecoBox" << false;
}

void TestTarnPointSpeed::boxShowsStoredValue()
{
    QFETCH(QString, field);
    QFETCH(int, value);
    QFETCH(QString, box);
    QFETCH(bool, checked);

    TarnPointSpeed page;
    // First the opposite state, so the row's refresh must change the box.
    SettingsRecord settings = BaseSettings();
    Show(page, settings);
    Field(settings, field) = quint8(value);
    Show(page, settings);
    auto* target = page.findChild<QCheckBox*>(box);
    QVERIFY(target);
    QCOMPARE(target->isChecked(), checked);
}

void TestTarnPointSpeed::clickStoresValue_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("after");
    QTest::addColumn<QStringList>("checkedAfter");
    QTest::addColumn<QStringList>("uncheckedAfter");
    QTest::newRow("checking Enable sync stores 1") << "Sync" << 0 << "syncBox" << 1 << QStringList{"syncBox"}
                                                  << QStringList{};
    QTest::newRow("unchecking Enable sync stores 0") << "Sync" << 1 << "syncBox" << 0 << QStringList{}
                                                    << QStringList{"syncBox"};
    QTest::newRow("1mm stores 1, unchecks 2mm") << "LiftHigh" << 2 << "lift1Box" << 1 << QStringList{"lift1Box"}
                                               << QStringList{"lift2Box"};
    QTest::newRow("2mm stores 2, unchecks 1mm") << "LiftHigh" << 1 << "lift2Box" << 2 << QStringList{"lift2Box"}
                                               << QStringList{"lift1Box"};
    QTest::newRow("clicking the checked 1mm keeps it") << "LiftHigh" << 1 << "lift1Box" << 1
                                                      << QStringList{"lift1Box"} << QStringList{"lift2Box"};
    QTest::newRow("unchecking Angle Snapping stores 1") << "AngleValue" << 0 << "angleBox" << 1 << QStringList{}
                                                       << QStringList{"angleBox"};
    QTest::newRow("checking Angle Snapping stores 0") << "AngleValue" << 1 << "angleBox" << 0
                                                     << QStringList{"angleBox"} << QStringList{};
    QTest::newRow("unchecking Jitter stores 1") << "Jitter" << 0 << "jitterBox" << 1 << QStringList{}
                                               << QStringList{"jitterBox"};
    QTest::newRow("checking Jitter stores 0") << "Jitter" << 1 << "jitterBox" << 0 << QStringList{"jitterBox"}
                                             << QStringList{};
    QTest::newRow("unchecking Motion Wake stores 1") << "Wake" << 0 << "wakeBox" << 1 << QStringList{}
                                                    << QStringList{"wakeBox"};
    QTest::newRow("checking Motion Wake stores 0") << "Wake" << 1 << "wakeBox" << 0 << QStringList{"wakeBox"}
                                                  << QStringList{};
    QTest::newRow("Eco stores 0") << "SensorMode" << 2 << "ecoBox" << 0 << QStringList{"ecoBox"}
                                  << QStringList{"standardBox", "competitiveBox"};
    QTest::newRow("Competitive stores 2") << "SensorMode" << 0 << "competitiveBox" << 2
                                          << QStringList{"competitiveBox"} << QStringList{"ecoBox", "standardBox"};
    QTest::newRow("clicking the checked Standard keeps it")
        << "SensorMode" << 1 << "standardBox" << 1 << QStringList{"standardBox"}
        << QStringList{"ecoBox", "competitiveBox"};
    QTest::newRow("a mode click after an unknown mode") << "SensorMode" << 9 << "standardBox" << 1
                                                        << QStringList{"standardBox"}
                                                        << QStringList{"ecoBox", "competitiveBox"};
}

void TestTarnPointSpeed::clickStoresValue()
{
    QFETCH(QString, field);
    QFETCH(int, before);
    QFETCH(QString, box);
    QFETCH(int, after);
    QFETCH(QStringList, checkedAfter);
    QFETCH(QStringList, uncheckedAfter);

    TarnPointSpeed page;
    page.resize(506, 77);
    SettingsRecord settings = BaseSettings();
    Field(settings, field) = quint8(before);
    Show(page, settings);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    auto* target = page.findChild<QCheckBox*>(box);
    QVERIFY(target && target->isVisible());
    // On the box's picture, where a user clicks.
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, QPoint(8, target->height() / 2));

    for (const QString& name : checkedAfter)
        QVERIFY2(page.findChild<QCheckBox*>(name)->isChecked(), qPrintable(name));
    for (const QString& name : uncheckedAfter)
        QVERIFY2(!page.findChild<QCheckBox*>(name)->isChecked(), qPrintable(name));

    SettingsRecord collected = BaseSettings();
    collected = CurrentSettings();
    QCOMPARE(int(Field(collected, field)), after);
    // Nothing else moved.
    SettingsRecord expected = BaseSettings();
    Field(expected, field) = quint8(after);
    QCOMPARE(int(collected.Sync), int(expected.Sync));
    QCOMPARE(int(collected.LiftHigh), int(expected.LiftHigh));
    QCOMPARE(int(collected.AngleValue), int(expected.AngleValue));
    QCOMPARE(int(collected.Jitter), int(expected.Jitter));
    QCOMPARE(int(collected.Wake), int(expected.Wake));
    QCOMPARE(int(collected.SensorMode), int(expected.SensorMode));
    QCOMPARE(int(collected.Debounce), int(expected.Debounce));
}

void TestTarnPointSpeed::arrangementShowsControls_data()
{
    QTest::addColumn<int>("syncMode");
    QTest::addColumn<QStringList>("hidden");
    QTest::newRow("SyncMode 0: lift, no sync, angle or jitter") << 0
                                                                << QStringList{"syncBox", "angleBox", "jitterBox"};
    QTest::newRow("SyncMode 1: sync, no lift, angle or jitter")
        << 1 << QStringList{"liftLabel", "lift1Box", "lift2Box", "angleBox", "jitterBox"};
    QTest::newRow("SyncMode 2: everything") << 2 << QStringList{};
    QTest::newRow("SyncMode 7 is laid out like 2") << 7 << QStringList{};
    QTest::newRow("SyncMode -1 is laid out like 2") << -1 << QStringList{};
}

void TestTarnPointSpeed::arrangementShowsControls()
{
    QFETCH(int, syncMode);
    QFETCH(QStringList, hidden);

    // A page built under another mode must follow the descriptor on refresh.
    WriteSyncMode(*m_app, syncMode == 0 ? 1 : 0);
    TarnPointSpeed page;
    page.resize(506, 77);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    WriteSyncMode(*m_app, syncMode);
    Show(page, BaseSettings());

    for (const QString& name : kAllControls) {
        auto* control = page.findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        const bool shown = !hidden.contains(name);
        QVERIFY2(control->isVisible() == shown, qPrintable(name));
        QVERIFY2(control->geometry().isEmpty() == !shown, qPrintable(name));
        if (shown)
            QVERIFY2(page.rect().contains(control->geometry()), qPrintable(name));
    }
    QVERIFY(!page.wheelLinesBox()->isVisible());
    QVERIFY(page.wheelLinesBox()->geometry().isEmpty());
}

void TestTarnPointSpeed::controlsDoNotOverlap_data()
{
    QTest::addColumn<int>("syncMode");
    QTest::newRow("SyncMode 0") << 0;
    QTest::newRow("SyncMode 1") << 1;
    QTest::newRow("SyncMode 2") << 2;
}

void TestTarnPointSpeed::controlsDoNotOverlap()
{
    QFETCH(int, syncMode);
    WriteSyncMode(*m_app, syncMode);
    TarnPointSpeed page;
    page.resize(506, 77);
    Show(page, BaseSettings());
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QList<QWidget*> shown;
    for (const QString& name : kAllControls) {
        auto* control = page.findChild<QWidget*>(name);
        if (control->isVisible())
            shown << control;
    }
    for (int i = 0; i < shown.size(); ++i) {
        // A box's text must fit, or it would be cut off.
        if (auto* box = qobject_cast<QCheckBox*>(shown[i]))
            QVERIFY2(box->sizeHint().width() <= box->width(), qPrintable(box->objectName()));
        for (int j = i + 1; j < shown.size(); ++j) {
            QVERIFY2(!shown[i]->geometry().intersects(shown[j]->geometry()),
                     qPrintable(shown[i]->objectName() + QLatin1Char('/') + shown[j]->objectName()));
        }
    }
}

void TestTarnPointSpeed::keyResponseSlider_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("8 up one") << 8 << int(Qt::Key_Right) << 9;
    QTest::newRow("8 down one") << 8 << int(Qt::Key_Left) << 7;
    QTest::newRow("page step is one") << 8 << int(Qt::Key_PageUp) << 9;
    QTest::newRow("1 cannot go below 1") << 1 << int(Qt::Key_Left) << 1;
    QTest::newRow("255 cannot go above 255") << 255 << int(Qt::Key_Right) << 255;
    QTest::newRow("Home goes to 1") << 100 << int(Qt::Key_Home) << 1;
    QTest::newRow("End goes to 255") << 100 << int(Qt::Key_End) << 255;
}

void TestTarnPointSpeed::keyResponseSlider()
{
    QFETCH(int, stored);
    QFETCH(int, key);
    QFETCH(int, expected);
    TarnPointSpeed page;
    SettingsRecord settings = BaseSettings();
    settings.Debounce = quint8(stored);
    Show(page, settings);
    QCOMPARE(page.keyResponseSlider()->value(), stored);
    QCOMPARE(page.keyResponseValue()->text(), QString::number(stored));

    QTest::keyClick(page.keyResponseSlider(), Qt::Key(key));
    QCOMPARE(page.keyResponseValue()->text(), QString::number(expected));
    settings = CurrentSettings();
    QCOMPARE(int(settings.Debounce), expected);
}

void TestTarnPointSpeed::keyResponseOutOfRangeKeptUntilEdited()
{
    TarnPointSpeed page;
    SettingsRecord settings = BaseSettings();
    settings.Debounce = 0;
    Show(page, settings);
    // The slider sits at its nearest end; the number and the stored value stay what they are.
    QCOMPARE(page.keyResponseSlider()->value(), 1);
    QCOMPARE(page.keyResponseValue()->text(), QStringLiteral("0"));
    SettingsRecord collected = BaseSettings();
    collected = CurrentSettings();
    QCOMPARE(int(collected.Debounce), 0);

    QTest::keyClick(page.keyResponseSlider(), Qt::Key_Right);
    collected = CurrentSettings();
    QCOMPARE(int(collected.Debounce), 2);
    QCOMPARE(page.keyResponseValue()->text(), QStringLiteral("2"));
}

void TestTarnPointSpeed::sensorModeOutOfRangeLeavesBoxes()
{
    TarnPointSpeed page;
    SettingsRecord settings = BaseSettings();
    settings.SensorMode = 2;
    Show(page, settings);
    settings.SensorMode = 9;
    Show(page, settings);
    QVERIFY(!page.findChild<QCheckBox*>("ecoBox")->isChecked());
    QVERIFY(!page.findChild<QCheckBox*>("standardBox")->isChecked());
    QVERIFY(page.findChild<QCheckBox*>("competitiveBox")->isChecked());
    SettingsRecord collected = BaseSettings();
    collected = CurrentSettings();
    QCOMPARE(int(collected.SensorMode), 9);
}

void TestTarnPointSpeed::refreshDiscardsUnappliedChange()
{
    TarnPointSpeed page;
    page.resize(506, 77);
    SettingsRecord settings = BaseSettings();
    settings.AngleValue = 0;
    Show(page, settings);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto* angle = page.findChild<QCheckBox*>("angleBox");
    QTest::mouseClick(angle, Qt::LeftButton, Qt::NoModifier, QPoint(8, angle->height() / 2));
    QTest::keyClick(page.keyResponseSlider(), Qt::Key_Right);
    QCOMPARE(int(page.angle()), 1);

    // A slot switch refreshes from the settings, which never saw the edit.
    Show(page, settings);
    QVERIFY(angle->isChecked());
    QCOMPARE(page.keyResponseValue()->text(), QStringLiteral("8"));
    SettingsRecord collected = BaseSettings();
    collected = CurrentSettings();
    QCOMPARE(int(collected.AngleValue), 0);
    QCOMPARE(int(collected.Debounce), 8);
}

void TestTarnPointSpeed::collectWritesGlobalsAndActiveProfile()
{
    TarnPointSpeed page;
    SettingsRecord settings;
    settings.ProfileID = 3;
    settings.Sync = 1;
    settings.LiftHigh = 1;
    settings.AngleValue = 0;
    settings.Jitter = 0;
    settings.Debounce = 200;
    settings.Wake = 0;
    settings.SensorMode = 2;
    for (auto& profile : settings.profiles) {
        profile.mousespeed = 1;
        profile.scrollspeed = 2;
    }
    settings.active().mousespeed = 14;
    settings.active().scrollspeed = 9;
    Show(page, settings);
    page.wheelLinesBox()->setValue(10);

    const SettingsRecord& target = CurrentSettings();
    QCOMPARE(int(target.Sync), 1);
    QCOMPARE(int(target.LiftHigh), 1);
    QCOMPARE(int(target.AngleValue), 0);
    QCOMPARE(int(target.Jitter), 0);
    QCOMPARE(int(target.Debounce), 200);
    QCOMPARE(int(target.Wake), 0);
    QCOMPARE(int(target.SensorMode), 2);
    for (int i = 0; i < kProfileCount; ++i) {
        QCOMPARE(int(target.profiles[size_t(i)].mousespeed), i == 3 ? 14 : 1);
        QCOMPARE(int(target.profiles[size_t(i)].scrollspeed), i == 3 ? 10 : 2);
    }
    // A stored lift other than 1 is shown as 2mm, and 2 is what the next gesture stores.
    settings.LiftHigh = 0;
    Show(page, settings);
    page.wheelLinesBox()->setValue(11);
    QCOMPARE(int(CurrentSettings().LiftHigh), 2);
}

void TestTarnPointSpeed::wheelLinesBox_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("collectedUntouched");
    QTest::newRow("7 shows 7") << 7 << 7 << 7;
    QTest::newRow("0 shows 1 but stays 0") << 0 << 1 << 0;
    QTest::newRow("50 shows 20 but stays 50") << 50 << 20 << 50;
}

void TestTarnPointSpeed::wheelLinesBox()
{
    QFETCH(int, stored);
    QFETCH(int, shown);
    QFETCH(int, collectedUntouched);
    TarnPointSpeed page;
    SettingsRecord settings = BaseSettings();
    settings.active().scrollspeed = quint8(stored);
    Show(page, settings);
    QCOMPARE(page.wheelLinesBox()->value(), shown);
    SettingsRecord collected = BaseSettings();
    collected = CurrentSettings();
    QCOMPARE(int(collected.active().scrollspeed), collectedUntouched);

    page.wheelLinesBox()->setValue(12);
    collected = CurrentSettings();
    QCOMPARE(int(collected.active().scrollspeed), 12);
}

void TestTarnPointSpeed::mouseSettingButtonStartsProgram()
{
    TarnPointSpeed page;
    page.resize(506, 77);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.launcher().setPrograms({{"first-settings", {"mouse"}, {}}, {"second-settings", {}, {}}});
    page.launcher().setFinder([](const QString& program) {
        return program == QLatin1String("second-settings") ? QStringLiteral("/usr/bin/second-settings") : QString();
    });
    QStringList started;
    page.launcher().setStarter([&](const QString& path, const QStringList& arguments) {
        started << path + QLatin1Char('|') + arguments.join(QLatin1Char(' '));
        return true;
    });
    int boxes = 0;
    TarnMessageBox::SetAnswerHook([&](TarnMessageBox&) { ++boxes; return 1; });

    QCOMPARE(page.mouseSettingButton()->text(), QStringLiteral("Mouse Setting"));
    QTest::mouseClick(page.mouseSettingButton(), Qt::LeftButton);
    QCOMPARE(started, QStringList{"/usr/bin/second-settings|"});
    QCOMPARE(boxes, 0);
}

void TestTarnPointSpeed::mouseSettingButtonWarnsWhenNoneFound()
{
    TarnPointSpeed page;
    page.resize(506, 77);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.launcher().setFinder([](const QString&) { return QString(); });
    int starts = 0;
    page.launcher().setStarter([&](const QString&, const QStringList&) { ++starts; return true; });
    QStringList seen;
    TarnMessageBox::SetAnswerHook([&](TarnMessageBox& box) {
        seen << QString::number(box.style()) << box.windowTitle() << box.text1();
        return 1;
    });
    QTest::mouseClick(page.mouseSettingButton(), Qt::LeftButton);
    QCOMPARE(starts, 0);
    QCOMPARE(seen, (QStringList{"2", "Warning", "No mouse settings program was found."}));
}

void TestTarnPointSpeed::grab_data()
{
    QTest::addColumn<int>("syncMode");
    QTest::newRow("0") << 0;
    QTest::newRow("1") << 1;
    QTest::newRow("2") << 2;
}

void TestTarnPointSpeed::grab()
{
    QFETCH(int, syncMode);
    WriteSyncMode(*m_app, syncMode);
    TarnPointSpeed page;
    page.resize(506, 77);
    SettingsRecord settings = BaseSettings();
    settings.AngleValue = 0;
    settings.Sync = 1;
    settings.Debounce = 12;
    Show(page, settings);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    SaveGrab(&page, QStringLiteral("pointspeed-%1").arg(syncMode));
}

QTEST_MAIN(TestTarnPointSpeed)
#include "tst_tarnpointspeed.moc"
