#include "DefaultColorArea.h"
#include "GlobalConfig.h"
#include "SettingsRecord.h"
#include "TarnColorArea.h"
#include "TarnColorWindow.h"
#include "TarnMenu.h"
#include "TarnSlider.h"
#include "TestAppDir.h"
#include "UiContext.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

class TestTarnColorWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void visibilityTable_data();
    void visibilityTable();
    void effectMenu_data();
    void effectMenu();
    void slidersStoreInShownProfile_data();
    void slidersStoreInShownProfile();
    void refreshStoresNothing();
    void menuChoiceFollowsTheActiveProfile();
    void moveOffBox_data();
    void moveOffBox();
    void everyProductShowsTheActiveProfile_data();
    void everyProductShowsTheActiveProfile();
    void unknownEffect_data();
    void unknownEffect();
    void sleepRangeFromDescriptor();
    void sleepHiddenWithoutShowSleep();
    void colourDialogAccepted();
    void colourDialogCancelled();

private:
    // Five profiles that differ in every lighting value, so a write to the wrong one shows.
    static void fillSettings(int activeProfile);
    static bool sameLighting(const ProfileRecord& a, const ProfileRecord& b);
    template <typename T> static T* child(TarnColorWindow& page, const char* name)
    {
        T* found = page.findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }

    std::unique_ptr<TestAppDir> m_app;
};

void TestTarnColorWindow::init()
{
    m_app = std::make_unique<TestAppDir>();
    SetUiScale(1.0);
    fillSettings(2);
    WrittenSettings() = CurrentSettings();
}

void TestTarnColorWindow::cleanup()
{
    TarnColorArea::SetExecHook(nullptr);
    m_app.reset();
}

void TestTarnColorWindow::fillSettings(int activeProfile)
{
    SettingsRecord& s = CurrentSettings();
    s = SettingsRecord();
    s.ProfileID = quint8(activeProfile);
    for (int p = 0; p < kProfileCount; ++p) {
        ProfileRecord& profile = s.profiles[p];
        profile.LedMode = quint8(p == 0 ? 9 : 4);
        profile.LedSleepTime = quint8(2 + p);
        profile.LedMoveOFF = 0;
        for (int e = 0; e < kLedEffectCount; ++e) {
            LedModeRecord& led = profile.LedModes[e];
            led.RGB = StoredColor::fromRgb(10 * p, e, 100);
            led.bright = 1 + (p + e) % 3;
            led.breath = 1 + (p + e) % 5;
        }
    }
}

bool TestTarnColorWindow::sameLighting(const ProfileRecord& a, const ProfileRecord& b)
{
    if (a.LedMode != b.LedMode || a.LedMoveOFF != b.LedMoveOFF || a.LedSleepTime != b.LedSleepTime)
        return false;
    for (int e = 0; e < kLedEffectCount; ++e) {
        const LedModeRecord& x = a.LedModes[e];
        const LedModeRecord& y = b.LedModes[e];
        if (x.RGB != y.RGB || x.h != y.h || x.s != y.s || x.v != y.v || x.bright != y.bright || x.breath != y.breath)
            return false;
    }
    return true;
}

void TestTarnColorWindow::visibilityTable_data()
{
    QTest::addColumn<int>("effect");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("bright");
    QTest::addColumn<bool>("speed");
    QTest::addColumn<bool>("color");
    QTest::addColumn<bool>("speedMovesUp");

    QTest::newRow("0 OFF shows nothing") << 0 << "OFF" << false << false << false << false;
    QTest::newRow("1 FULL LIGHTED: brightness and colour") << 1 << "FULL LIGHTED" << true << false << true << false;
    QTest::newRow("2 BREATHING: speed moved up, colour") << 2 << "BREATHING" << false << true << true << true;
    QTest::newRow("3 7 COLOR BREATHING: speed moved up") << 3 << "7 COLOR BREATHING" << false << true << false
                                                          << true;
    QTest::newRow("4 RAINBOW: both sliders") << 4 << "RAINBOW" << true << true << false << false;
    QTest::newRow("5 FLASH: both sliders") << 5 << "FLASH" << true << true << false << false;
    QTest::newRow("6 Horizontal WAVE: both sliders") << 6 << "Horizontal WAVE" << true << true << false << false;
    QTest::newRow("7 Horizontal GO WITHOUT TRACE: both sliders")
        << 7 << "Horizontal GO WITHOUT TRACE" << true << true << false << false;
    QTest::newRow("8 Raindrop: both sliders") << 8 << "Raindrop" << true << true << false << false;
    QTest::newRow("9 WAVE: both sliders") << 9 << "WAVE" << true << true << false << false;
    QTest::newRow("10 GO WITHOUT TRACE: both sliders") << 10 << "GO WITHOUT TRACE" << true << true << false << false;
    QTest::newRow("11 REACTIVE: brightness only") << 11 << "REACTIVE" << true << false << false << false;
    QTest::newRow("12 yo-yo: both sliders") << 12 << "yo-yo" << true << true << false << false;
    QTest::newRow("13 Marbles: both sliders") << 13 << "Marbles" << true << true << false << false;
}

void TestTarnColorWindow::visibilityTable()
{
    QFETCH(int, effect);
    QFETCH(QString, name);
    QFETCH(bool, bright);
    QFETCH(bool, speed);
    QFETCH(bool, color);
    QFETCH(bool, speedMovesUp);

    CurrentSettings().profiles[2].LedMode = quint8(effect);
    TarnColorWindow page;
    page.refreshFrom(CurrentSettings());

    QCOMPARE(page.shownEffect(), effect);
    QCOMPARE(child<QPushButton>(page, "effectButton")->text(), name);
    QCOMPARE(!child<QLabel>(page, "brightCaption")->isHidden(), bright);
    QCOMPARE(!child<TarnSlider>(page, "brightSlider")->isHidden(), bright);
    QCOMPARE(!child<QLabel>(page, "speedCaption")->isHidden(), speed);
    QCOMPARE(!child<TarnSlider>(page, "speedSlider")->isHidden(), speed);
    QCOMPARE(!child<QLabel>(page, "colorCaption")->isHidden(), color);
    QCOMPARE(!child<DefaultColorArea>(page, "colorSwatch")->isHidden(), color);
    const int brightRow = child<TarnSlider>(page, "brightSlider")->y();
    QCOMPARE(child<TarnSlider>(page, "speedSlider")->y() == brightRow, speedMovesUp);
    QCOMPARE(child<QLabel>(page, "speedCaption")->y() == brightRow, speedMovesUp);
    if (speed)
        QVERIFY(child<TarnSlider>(page, "speedSlider")->y() >= brightRow);
}

void TestTarnColorWindow::effectMenu_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("effect");
    QTest::newRow("entry 0 FULL LIGHTED") << 0 << "FULL LIGHTED" << 1;
    QTest::newRow("entry 1 BREATHING") << 1 << "BREATHING" << 2;
    QTest::newRow("entry 2 7 COLOR BREATHING") << 2 << "7 COLOR BREATHING" << 3;
    QTest::newRow("entry 3 RAINBOW") << 3 << "RAINBOW" << 4;
    QTest::newRow("entry 4 WAVE") << 4 << "WAVE" << 9;
    QTest::newRow("entry 5 REACTIVE") << 5 << "REACTIVE" << 11;
    QTest::newRow("entry 6 GO WITHOUT TRACE") << 6 << "GO WITHOUT TRACE" << 10;
    QTest::newRow("entry 7 yo-yo") << 7 << "yo-yo" << 12;
    QTest::newRow("entry 8 Marbles") << 8 << "Marbles" << 13;
    QTest::newRow("entry 9 OFF last") << 9 << "OFF" << 0;
}

void TestTarnColorWindow::effectMenu()
{
    QFETCH(int, entry);
    QFETCH(QString, name);
    QFETCH(int, effect);

    TarnColorWindow page;
    page.refreshFrom(CurrentSettings());
    const QList<QAction*> actions = page.effectMenu()->actions();
    QCOMPARE(actions.size(), 10);
    QCOMPARE(actions.at(entry)->text(), name);
    const SettingsRecord before = CurrentSettings();

    actions.at(entry)->trigger();

    const SettingsRecord& after = CurrentSettings();
    QCOMPARE(int(after.profiles[2].LedMode), effect);
    QCOMPARE(page.shownEffect(), effect);
    QCOMPARE(child<QPushButton>(page, "effectButton")->text(), name);
    // The effect is the shown profile's; profile 0 keeps its own.
    QCOMPARE(after.profiles[0].LedMode, before.profiles[0].LedMode);
    // The sliders show the chosen effect's values without storing anything.
    const LedModeRecord& led = after.profiles[2].LedModes[effect];
    if (effect != 0) {
        QCOMPARE(child<TarnSlider>(page, "brightSlider")->value(), led.bright);
        QCOMPARE(child<TarnSlider>(page, "speedSlider")->value(), led.breath);
    }
    QCOMPARE(child<DefaultColorArea>(page, "colorSwatch")->color(), ToQColor(led.RGB));
    for (int p = 0; p < kProfileCount; ++p)
        for (int e = 0; e < kLedEffectCount; ++e)
            QCOMPARE(after.profiles[p].LedModes[e].bright, before.profiles[p].LedModes[e].bright);
    if (effect != before.profiles[2].LedMode)
        QVERIFY(CompareSettings(after, WrittenSettings()) & kChangeLed);
}

void TestTarnColorWindow::slidersStoreInShownProfile_data()
{
    QTest::addColumn<QString>("slider");
    QTest::addColumn<int>("activeProfile");
    QTest::newRow("brightness, profile 2 shown") << "brightSlider" << 2;
    QTest::newRow("speed, profile 2 shown") << "speedSlider" << 2;
    QTest::newRow("sleep, profile 2 shown") << "sleepSlider" << 2;
    QTest::newRow("brightness, profile 0 shown") << "brightSlider" << 0;
    QTest::newRow("sleep, profile 4 shown") << "sleepSlider" << 4;
}

void TestTarnColorWindow::slidersStoreInShownProfile()
{
    QFETCH(QString, slider);
    QFETCH(int, activeProfile);

    fillSettings(activeProfile);
    // Profile 0 rests on another effect than the shown one; only the shown profile changes.
    CurrentSettings().profiles[0].LedMode = 11;
    CurrentSettings().profiles[activeProfile].LedMode = 4;
    CurrentSettings().profiles[0].LedModes[4].bright = 1;
    CurrentSettings().profiles[activeProfile].LedModes[4].bright = 1;
    CurrentSettings().profiles[0].LedModes[4].breath = 1;
    CurrentSettings().profiles[activeProfile].LedModes[4].breath = 1;
    CurrentSettings().profiles[0].LedSleepTime = 1;
    CurrentSettings().profiles[activeProfile].LedSleepTime = 1;
    WrittenSettings() = CurrentSettings();
    const SettingsRecord before = CurrentSettings();

    TarnColorWindow page;
    page.refreshFrom(CurrentSettings());
    auto* s = child<TarnSlider>(page, qPrintable(slider));
    QCOMPARE(s->value(), 1);
    QTest::keyClick(s, Qt::Key_Right);
    QTest::keyClick(s, Qt::Key_Right);
    QCOMPARE(s->value(), 3);

    const SettingsRecord& now = CurrentSettings();
    const int p = activeProfile;
    if (slider == QLatin1String("brightSlider"))
        QCOMPARE(now.profiles[p].LedModes[4].bright, 3);
    else if (slider == QLatin1String("speedSlider"))
        QCOMPARE(now.profiles[p].LedModes[4].breath, 3);
    else
        QCOMPARE(int(now.profiles[p].LedSleepTime), 3);
    QCOMPARE(int(now.profiles[0].LedMode), activeProfile == 0 ? 4 : 11);
    for (int p = 0; p < kProfileCount; ++p)
        if (p != activeProfile)
            QVERIFY2(sameLighting(now.profiles[p], before.profiles[p]), qPrintable(QString::number(p)));
    if (slider == QLatin1String("sleepSlider")) {
        QCOMPARE(child<QLabel>(page, "sleepLabel")->text(), QStringLiteral("3 MINUTE"));
        QVERIFY(CompareSettings(now, WrittenSettings()) & kChangeSettings);
    } else {
        // The change check sees the edit, so Apply sends it.
        QVERIFY(CompareSettings(now, WrittenSettings()) & kChangeLed);
    }
}

void TestTarnColorWindow::refreshStoresNothing()
{
    // Values the sliders cannot show are left as stored until the user moves a slider.
    CurrentSettings().profiles[2].LedModes[4].bright = 0;
    CurrentSettings().profiles[2].LedModes[4].breath = 77;
    CurrentSettings().profiles[2].LedSleepTime = 0;
    const SettingsRecord before = CurrentSettings();
    TarnColorWindow page;
    page.refreshFrom(CurrentSettings());
    page.Retranslate();
    page.Relayout(1.0);
    QCOMPARE(child<TarnSlider>(page, "brightSlider")->value(), 1);
    QCOMPARE(child<TarnSlider>(page, "speedSlider")->value(), 5);
    for (int p = 0; p < kProfileCount; ++p)
        QVERIFY(sameLighting(CurrentSettings().profiles[p], before.profiles[p]));
    QCOMPARE(CompareSettings(CurrentSettings(), before), 0);
}

void TestTarnColorWindow::menuChoiceFollowsTheActiveProfile()
{
    TarnColorWindow page;
    page.refreshFrom(CurrentSettings());
    QCOMPARE(page.Profile(), &CurrentSettings().profiles[2]);
    // The mouse switched the profile and no refresh came yet: the choice goes to the active profile.
    CurrentSettings().ProfileID = 4;
    CurrentSettings().profiles[4].LedMode = 0;
    page.effectMenu()->actions().at(5)->trigger();   // REACTIVE
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(int(CurrentSettings().profiles[4].LedMode), 11);
    QCOMPARE(int(CurrentSettings().profiles[2].LedMode), 4);
    QCOMPARE(page.Profile(), &CurrentSettings().profiles[4]);
    QCOMPARE(page.effectMenu()->actions().size(), 10);
    QCOMPARE(child<TarnSlider>(page, "brightSlider")->value(), CurrentSettings().profiles[4].LedModes[11].bright);
}

void TestTarnColorWindow::moveOffBox_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("afterClick");
    QTest::newRow("255 shows unchecked, checking stores 0") << 255 << false << 0;
    QTest::newRow("0 shows checked, unchecking stores 255") << 0 << true << 255;
}

void TestTarnColorWindow::moveOffBox()
{
    QFETCH(int, stored);
    QFETCH(bool, checked);
    QFETCH(int, afterClick);

    CurrentSettings().profiles[2].LedMoveOFF = quint8(stored);
    CurrentSettings().profiles[0].LedMoveOFF = quint8(stored);
    WrittenSettings() = CurrentSettings();
    TarnColorWindow page;
    page.refreshFrom(CurrentSettings());
    auto* box = child<QCheckBox>(page, "moveOffBox");
    QCOMPARE(box->text(), QStringLiteral("MOVE TO LIGHT OFF"));
    QCOMPARE(box->isChecked(), checked);
    QTest::keyClick(box, Qt::Key_Space);
    QCOMPARE(box->isChecked(), !checked);
    QCOMPARE(int(CurrentSettings().profiles[2].LedMoveOFF), afterClick);
    QCOMPARE(int(CurrentSettings().profiles[0].LedMoveOFF), stored);
    QCOMPARE(int(CurrentSettings().profiles[1].LedMoveOFF), 0);
    QVERIFY(CompareSettings(CurrentSettings(), WrittenSettings()) & kChangeSettings);
}

void TestTarnColorWindow::everyProductShowsTheActiveProfile_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("shown");
    // The mouse holds the active profile's lighting, whatever the product.
    QTest::newRow("7346 with ProfileID 3 edits profile 3") << "7346" << 3;
    QTest::newRow("another product with ProfileID 3 edits profile 3") << "X8" << 3;
}

void TestTarnColorWindow::everyProductShowsTheActiveProfile()
{
    QFETCH(QString, product);
    QFETCH(int, shown);

    SetConfigCurrentProductName(product);
    fillSettings(3);
    CurrentSettings().profiles[0].LedMode = 2;
    CurrentSettings().profiles[3].LedMode = 11;
    const SettingsRecord before = CurrentSettings();
    TarnColorWindow page;
    page.refreshFrom(CurrentSettings());
    QCOMPARE(page.Profile(), &CurrentSettings().profiles[shown]);
    QCOMPARE(page.shownEffect(), shown == 0 ? 2 : 11);

    page.effectMenu()->actions().at(3)->trigger();   // RAINBOW
    QCOMPARE(int(CurrentSettings().profiles[shown].LedMode), 4);
    QCOMPARE(int(CurrentSettings().profiles[shown == 0 ? 3 : 0].LedMode), shown == 0 ? 11 : 2);

    auto* bright = child<TarnSlider>(page, "brightSlider");
    bright->setValue(bright->value() == 3 ? 1 : 3);
    QCOMPARE(CurrentSettings().profiles[shown].LedModes[4].bright, bright->value());
    QVERIFY(sameLighting(CurrentSettings().profiles[0], before.profiles[0]));
}

void TestTarnColorWindow::unknownEffect_data()
{
    QTest::addColumn<int>("ledMode");
    QTest::newRow("LedMode 14") << 14;
    QTest::newRow("LedMode 200") << 200;
    QTest::newRow("LedMode 255") << 255;
}

void TestTarnColorWindow::unknownEffect()
{
    QFETCH(int, ledMode);

    CurrentSettings().profiles[2].LedMode = quint8(ledMode);
    const SettingsRecord before = CurrentSettings();
    int opened = 0;
    TarnColorArea::SetExecHook([&](TarnColorArea&) {
        ++opened;
        return int(QDialog::Accepted);
    });

    TarnColorWindow page;
    page.refreshFrom(CurrentSettings());
    page.Retranslate();
    page.Relayout(1.25);
    QCOMPARE(page.shownEffect(), -1);
    QCOMPARE(child<QPushButton>(page, "effectButton")->text(), QStringLiteral("UNKNOWN"));
    for (const char* name : {"brightCaption", "brightSlider", "speedCaption", "speedSlider", "colorCaption",
                             "colorSwatch"})
        QVERIFY2(page.findChild<QWidget*>(QLatin1String(name))->isHidden(), name);

    // Nothing on the page may reach an entry for it.
    QVERIFY(QMetaObject::invokeMethod(&page, "color_clicked"));
    QCOMPARE(opened, 0);
    child<TarnSlider>(page, "brightSlider")->setValue(3);
    child<TarnSlider>(page, "speedSlider")->setValue(4);
    page.ShowLightMode(ledMode);
    for (int p = 0; p < kProfileCount; ++p)
        QVERIFY(sameLighting(CurrentSettings().profiles[p], before.profiles[p]));

    // The menu still leads back to a known effect.
    page.effectMenu()->actions().at(0)->trigger();
    QCOMPARE(int(CurrentSettings().profiles[2].LedMode), 1);
    QCOMPARE(child<QPushButton>(page, "effectButton")->text(), QStringLiteral("FULL LIGHTED"));
    QVERIFY(!child<TarnSlider>(page, "brightSlider")->isHidden());
}

void TestTarnColorWindow::sleepRangeFromDescriptor()
{
    m_app->write(QStringLiteral("DefaultProfile.bin"), "[PROFILE]\nShowSleep=1\nSleepMin=2\nSleepMax=5\n");
    CurrentSettings().profiles[2].LedSleepTime = 4;
    TarnColorWindow page;
    page.refreshFrom(CurrentSettings());
    auto* sleep = child<TarnSlider>(page, "sleepSlider");
    QCOMPARE(sleep->minimum(), 2);
    QCOMPARE(sleep->maximum(), 5);
    QCOMPARE(sleep->value(), 4);
    QCOMPARE(child<QLabel>(page, "sleepLabel")->text(), QStringLiteral("4 MINUTE"));
    QTest::keyClick(sleep, Qt::Key_End);
    QCOMPARE(sleep->value(), 5);
    QTest::keyClick(sleep, Qt::Key_Right);
    QCOMPARE(int(CurrentSettings().profiles[2].LedSleepTime), 5);
    QTest::keyClick(sleep, Qt::Key_Home);
    QCOMPARE(sleep->value(), 2);
    QCOMPARE(int(CurrentSettings().profiles[2].LedSleepTime), 2);
    QCOMPARE(int(CurrentSettings().profiles[0].LedSleepTime), 2);
    QCOMPARE(child<QLabel>(page, "sleepLabel")->text(), QStringLiteral("2 MINUTE"));
    QVERIFY(!sleep->geometry().isEmpty());
}

void TestTarnColorWindow::sleepHiddenWithoutShowSleep()
{
    m_app->write(QStringLiteral("DefaultProfile.bin"), "[PROFILE]\nShowSleep=0\n");
    TarnColorWindow page;
    page.refreshFrom(CurrentSettings());
    for (const char* name : {"sleepCaption", "sleepSlider", "sleepLabel", "moveOffBox"})
        QVERIFY2(page.findChild<QWidget*>(QLatin1String(name))->geometry().isEmpty(), name);
    QVERIFY(!child<QPushButton>(page, "effectButton")->geometry().isEmpty());
}

void TestTarnColorWindow::colourDialogAccepted()
{
    CurrentSettings().profiles[2].LedMode = 1;
    CurrentSettings().profiles[0].LedMode = 9;
    WrittenSettings() = CurrentSettings();
    QColor opened;
    TarnColorArea::SetExecHook([&](TarnColorArea& dialog) {
        opened = dialog.color();
        auto* edit = dialog.findChild<QLineEdit*>("hexEdit");
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("f0a"));
        QTest::keyClick(edit, Qt::Key_Return);
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
        return dialog.result();
    });

    TarnColorWindow page;
    page.refreshFrom(CurrentSettings());
    auto* swatch = child<DefaultColorArea>(page, "colorSwatch");
    QVERIFY(!swatch->isHidden());
    QTest::mouseClick(swatch, Qt::LeftButton);

    QCOMPARE(opened, QColor(20, 1, 100));
    const QColor chosen(255, 0, 170);
    QCOMPARE(swatch->color(), chosen);
    const LedModeRecord& led = CurrentSettings().profiles[2].LedModes[1];
    QCOMPARE(ToQColor(led.RGB), chosen);
    QCOMPARE(led.h, chosen.hsvHue());
    QCOMPARE(led.s, chosen.hsvSaturation());
    QCOMPARE(led.v, chosen.value());
    // Only the active profile, which the mouse holds.
    for (int p : {0, 1})
        QVERIFY(sameLighting(CurrentSettings().profiles[p], WrittenSettings().profiles[p]));
    QVERIFY(CompareSettings(CurrentSettings(), WrittenSettings()) & kChangeLed);
}

void TestTarnColorWindow::colourDialogCancelled()
{
    CurrentSettings().profiles[2].LedMode = 2;
    const SettingsRecord before = CurrentSettings();
    TarnColorArea::SetExecHook([&](TarnColorArea& dialog) {
        dialog.findChild<QSpinBox*>("rBox")->setValue(1);
        dialog.findChild<QSpinBox*>("gBox")->setValue(2);
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
        return dialog.result();
    });

    TarnColorWindow page;
    page.refreshFrom(CurrentSettings());
    auto* swatch = child<DefaultColorArea>(page, "colorSwatch");
    const QColor shown = swatch->color();
    QCOMPARE(shown, ToQColor(before.profiles[2].LedModes[2].RGB));
    QTest::mouseClick(swatch, Qt::LeftButton);
    QCOMPARE(swatch->color(), shown);
    for (int p = 0; p < kProfileCount; ++p)
        QVERIFY(sameLighting(CurrentSettings().profiles[p], before.profiles[p]));
    QCOMPARE(CompareSettings(CurrentSettings(), before), 0);
}

QTEST_MAIN(TestTarnColorWindow)
#include "tst_tarncolorwindow.moc"
