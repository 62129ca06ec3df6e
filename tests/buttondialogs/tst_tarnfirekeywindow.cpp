#include "ButtonEncoding.h"
#include "KeyCapture.h"
#include "KeyTables.h"
#include "SettingsRecord.h"
#include "SkinDialogGrab.h"
#include "TarnFireKeyWindow.h"
#include "TarnMessageBox.h"
#include "TestAppDir.h"
#include "UiContext.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>
#include <memory>

using Bytes = ButtonSlotBytes;
Q_DECLARE_METATYPE(ButtonRecord)

namespace {

constexpr int kFireKey = 12;

ButtonRecord Button(int fun, int res1 = 0, int loops = 0, int keyNumber = 0)
{
    ButtonRecord b;
    b.Fun = fun;
    b.Res1 = quint8(res1);
    b.LoopNumber = loops;
    b.KeyNumber = keyNumber;
    return b;
}

HookKeyEvent Key(int scanCode, quint32 flags = 0, bool autoRepeat = false)
{
    HookKeyEvent e;
    e.scanCode = scanCode;
    e.flags = flags;
    e.autoRepeat = autoRepeat;
    return e;
}

void Press(TarnFireKeyWindow& dialog, int scanCode, quint32 flags = 0)
{
    dialog.capture()->inject(Key(scanCode, flags));
    dialog.capture()->inject(Key(scanCode, flags | 0x80));
}

int CheckedCount(const TarnFireKeyWindow& dialog)
{
    int n = 0;
    for (int i = 0; i < TarnFireKeyWindow::kShotKindCount; ++i)
        n += dialog.kindOption(i)->isChecked() ? 1 : 0;
    return n;
}

void ClickOption(QCheckBox* option)
{
    QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint(Scaled(10), option->height() / 2));
}

void ClickButton(QToolButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TestTarnFireKeyWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaultsWithoutFireKey_data();
    void defaultsWithoutFireKey();
    void presetFromRecord_data();
    void presetFromRecord();
    void storedKindReopens_data();
    void storedKindReopens();
    void shotKindsAreExclusive_data();
    void shotKindsAreExclusive();
    void mouseKindClearsKey();
    void captureInKeyField_data();
    void captureInKeyField();
    void noCaptureOutsideKeyField_data();
    void noCaptureOutsideKeyField();
    void typingTimesKeepsKey();
    void numberFields_data();
    void numberFields();
    void acceptance_data();
    void acceptance();
    void cancelKeepsNothing();
    void grabForLooking();

private:
    // Shows the dialog as exec() would, so focus and key capture behave as for the user.
    void showActive(TarnFireKeyWindow& dialog);
    std::unique_ptr<TestAppDir> m_app;
    QStringList m_boxes;
};

void TestTarnFireKeyWindow::init()
{
    m_app = std::make_unique<TestAppDir>();
    const QString built = QStringLiteral(MOUSECFG_BUILD_APP_DIR "/skin/");
    QDir().mkpath(m_app->file(QStringLiteral("skin")));
    for (const char* name : {"dlg.png", "checkbox2-1.png", "checkbox2-2.png"})
        QFile::copy(built + QLatin1String(name), m_app->file(QStringLiteral("skin/") + QLatin1String(name)));
    SetUiScale(1.0);
    m_boxes.clear();
    TarnMessageBox::SetAnswerHook([this](TarnMessageBox& box) {
        m_boxes << box.windowTitle() + QLatin1Char('|') + box.text1();
        return 1;
    });
}

void TestTarnFireKeyWindow::cleanup()
{
    TarnMessageBox::SetAnswerHook(nullptr);
    TarnFireKeyWindow::SetExecHook(nullptr);
    m_app.reset();
}

void TestTarnFireKeyWindow::showActive(TarnFireKeyWindow& dialog)
{
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

void TestTarnFireKeyWindow::defaultsWithoutFireKey_data()
{
    QTest::addColumn<ButtonRecord>("button");
    QTest::newRow("fresh button") << ButtonRecord();
    QTest::newRow("left click button") << Button(1);
    // Parameters of another function are not a fire key's.
    QTest::newRow("sniper button with 0x84") << Button(55, 0x84, 9, 40);
    QTest::newRow("macro button with loops") << Button(200, 2, 7, 0);
}

void TestTarnFireKeyWindow::defaultsWithoutFireKey()
{
    QFETCH(ButtonRecord, button);
    TarnFireKeyWindow dialog(button);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("FireKey Setting"));
    QCOMPARE(dialog.shotKind(), int(TarnFireKeyWindow::LeftShot));
    QVERIFY(dialog.kindOption(0)->isChecked());
    QCOMPARE(CheckedCount(dialog), 1);
    QCOMPARE(dialog.timesField()->text(), QStringLiteral("3"));
    QCOMPARE(dialog.delayField()->text(), QStringLiteral("100"));
    QVERIFY(!dialog.keyField()->isEnabled());

    TarnFireKeyWindow::SetExecHook([](TarnFireKeyWindow& d) { ClickButton(d.yesButton()); });
    QCOMPARE(dialog.exec(), 1);
    ButtonRecord stored = button;
    dialog.StoreInto(stored);
    QCOMPARE(stored.Fun, kFireKey);
    QCOMPARE(int(stored.Res1), 0x81);
    QCOMPARE(stored.LoopNumber, 3);
    QCOMPARE(stored.KeyNumber, 100);
    QCOMPARE(EncodeFireKey(stored), (Bytes{0x99, 0x81, 0x03, 0x0A}));
    QVERIFY(m_boxes.isEmpty());
}

void TestTarnFireKeyWindow::presetFromRecord_data()
{
    QTest::addColumn<ButtonRecord>("button");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("keyText");
    QTest::addColumn<QString>("times");
    QTest::addColumn<QString>("delay");

    QTest::newRow("Res1 0 is Left") << Button(kFireKey, 0, 5, 50) << 0 << QString() << "5" << "50";
    QTest::newRow("0x81 is Left") << Button(kFireKey, 0x81, 10, 200) << 0 << QString() << "10" << "200";
    QTest::newRow("0x82 is Right") << Button(kFireKey, 0x82, 1, 1) << 1 << QString() << "1" << "1";
    QTest::newRow("0x84 is Middle") << Button(kFireKey, 0x84, 255, 255) << 2 << QString() << "255" << "255";
    QTest::newRow("usage 0x04 is key A") << Button(kFireKey, 0x04, 4, 30) << 3 << "A" << "4" << "30";
    QTest::newRow("usage 0xE4 is right Ctrl") << Button(kFireKey, 0xE4, 2, 20) << 3 << "RCtr" << "2" << "20";
    QTest::newRow("usage 0x5F is keypad 7") << Button(kFireKey, 0x5F, 2, 20) << 3 << "Num 7" << "2" << "20";
    // A code without a key still means the keyboard kind, with nothing captured yet.
    QTest::newRow("unknown usage 0x90") << Button(kFireKey, 0x90, 2, 20) << 3 << QString() << "2" << "20";
    QTest::newRow("times 0 from a file") << Button(kFireKey, 0x81, 0, 20) << 0 << QString() << "3" << "20";
    QTest::newRow("times 300 from a file") << Button(kFireKey, 0x81, 300, 20) << 0 << QString() << "3" << "20";
    QTest::newRow("negative delay from a file") << Button(kFireKey, 0x81, 2, -5) << 0 << QString() << "2" << "100";
    QTest::newRow("delay 100000 from a file") << Button(kFireKey, 0x81, 2, 100000) << 0 << QString() << "2" << "100";
}

void TestTarnFireKeyWindow::presetFromRecord()
{
    QFETCH(ButtonRecord, button);
    QFETCH(int, kind);
    QFETCH(QString, keyText);
    QFETCH(QString, times);
    QFETCH(QString, delay);

    TarnFireKeyWindow dialog(button);
    QCOMPARE(dialog.shotKind(), kind);
    QVERIFY(dialog.kindOption(kind)->isChecked());
    QCOMPARE(CheckedCount(dialog), 1);
    QCOMPARE(dialog.keyField()->text(), keyText);
    QCOMPARE(dialog.keyField()->isEnabled(), kind == TarnFireKeyWindow::KeyboardShot);
    QCOMPARE(dialog.timesField()->text(), times);
    QCOMPARE(dialog.delayField()->text(), delay);
    QCOMPARE(dialog.times(), times.toInt());
    QCOMPARE(dialog.delay(), delay.toInt());
}

void TestTarnFireKeyWindow::storedKindReopens_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("stored");
    QTest::newRow("Left stores 0x81") << 0 << 0x81;
    QTest::newRow("Right stores 0x82") << 1 << 0x82;
    QTest::newRow("Middle stores 0x84") << 2 << 0x84;
}

void TestTarnFireKeyWindow::storedKindReopens()
{
    QFETCH(int, kind);
    QFETCH(int, stored);

    ButtonRecord button = Button(2);
    {
        TarnFireKeyWindow dialog(button);
        TarnFireKeyWindow::SetExecHook([kind](TarnFireKeyWindow& d) {
            ClickOption(d.kindOption(kind));
            ClickButton(d.yesButton());
        });
        QCOMPARE(dialog.exec(), 1);
        dialog.StoreInto(button);
    }
    QCOMPARE(int(button.Res1), stored);
    QCOMPARE(EncodeFireKey(button)[1], quint8(stored));

    TarnFireKeyWindow reopened(button);
    QCOMPARE(reopened.shotKind(), kind);
    QVERIFY(reopened.kindOption(kind)->isChecked());
}

void TestTarnFireKeyWindow::shotKindsAreExclusive_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("kind");
    QTest::newRow("Right") << QList<int>{1} << 1;
    QTest::newRow("Middle then Left") << QList<int>{2, 0} << 0;
    QTest::newRow("Keyboard Key then Right") << QList<int>{3, 1} << 1;
    QTest::newRow("Left twice stays on") << QList<int>{0, 0} << 0;
    QTest::newRow("every option in turn") << QList<int>{0, 1, 2, 3} << 3;
}

void TestTarnFireKeyWindow::shotKindsAreExclusive()
{
    QFETCH(QList<int>, clicks);
    QFETCH(int, kind);
    TarnFireKeyWindow dialog;
    for (int c : clicks) {
        ClickOption(dialog.kindOption(c));
        QCOMPARE(CheckedCount(dialog), 1);
    }
    QCOMPARE(dialog.shotKind(), kind);
    QVERIFY(dialog.kindOption(kind)->isChecked());
    QCOMPARE(dialog.keyField()->isEnabled(), kind == TarnFireKeyWindow::KeyboardShot);
}

void TestTarnFireKeyWindow::mouseKindClearsKey()
{
    TarnFireKeyWindow dialog(Button(kFireKey, 0x04, 3, 100));
    QCOMPARE(dialog.keyField()->text(), QStringLiteral("A"));
    ClickOption(dialog.kindOption(TarnFireKeyWindow::MiddleShot));
    QVERIFY(dialog.keyField()->text().isEmpty());
    QVERIFY(!dialog.keyField()->isEnabled());
    QCOMPARE(dialog.key(), 0);
    QCOMPARE(int(dialog.shotCode()), 0x84);
    // Back to the keyboard kind: the old key is gone, a new one must be pressed.
    ClickOption(dialog.kindOption(TarnFireKeyWindow::KeyboardShot));
    QCOMPARE(dialog.key(), 0);
    QCOMPARE(int(dialog.shotCode()), 0);
}

void TestTarnFireKeyWindow::captureInKeyField_data()
{
    QTest::addColumn<QList<int>>("scanCodes");
    QTest::addColumn<QList<int>>("flags");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("usage");

    QTest::newRow("A") << QList<int>{30} << QList<int>{0} << 30 << "A" << 0x04;
    QTest::newRow("keypad 7 without extended flag") << QList<int>{71} << QList<int>{0} << 235 << "Num 7" << 0x5F;
    QTest::newRow("Home with extended flag") << QList<int>{71} << QList<int>{1} << 71 << "Home" << 0x4A;
    QTest::newRow("right Ctrl") << QList<int>{29} << QList<int>{1} << 238 << "RCtr" << 0xE4;
    QTest::newRow("last key wins") << QList<int>{30, 48} << QList<int>{0, 0} << 48 << "B" << 0x05;
    // A key the mouse has no code for does not replace the one it has.
    QTest::newRow("unnamed key is ignored") << QList<int>{30, 86} << QList<int>{0, 0} << 30 << "A" << 0x04;
}

void TestTarnFireKeyWindow::captureInKeyField()
{
    QFETCH(QList<int>, scanCodes);
    QFETCH(QList<int>, flags);
    QFETCH(int, key);
    QFETCH(QString, name);
    QFETCH(int, usage);

    TarnFireKeyWindow dialog;
    showActive(dialog);
    ClickOption(dialog.kindOption(TarnFireKeyWindow::KeyboardShot));
    QVERIFY(dialog.keyField()->hasFocus());
    QVERIFY(dialog.capture()->isActive());
    for (int i = 0; i < scanCodes.size(); ++i)
        Press(dialog, scanCodes[i], quint32(flags[i]));
    QCOMPARE(dialog.key(), key);
    QCOMPARE(dialog.keyField()->text(), name);

    TarnFireKeyWindow::SetExecHook([](TarnFireKeyWindow& d) { ClickButton(d.yesButton()); });
    QCOMPARE(dialog.exec(), 1);
    ButtonRecord stored;
    dialog.StoreInto(stored);
    QCOMPARE(int(stored.Res1), usage);
    QCOMPARE(EncodeFireKey(stored), (Bytes{0x99, quint8(usage), 0x03, 0x0A}));

    // Reopened, the key is shown again from its device code.
    TarnFireKeyWindow reopened(stored);
    QCOMPARE(reopened.shotKind(), int(TarnFireKeyWindow::KeyboardShot));
    QCOMPARE(reopened.key(), key);
    QCOMPARE(reopened.keyField()->text(), name);
}

void TestTarnFireKeyWindow::noCaptureOutsideKeyField_data()
{
    QTest::addColumn<QString>("focus");
    QTest::newRow("Times field focused") << QStringLiteral("fireTimes");
    QTest::newRow("Delay field focused") << QStringLiteral("fireDelay");
}

void TestTarnFireKeyWindow::noCaptureOutsideKeyField()
{
    QFETCH(QString, focus);
    TarnFireKeyWindow dialog(Button(kFireKey, 0x04, 3, 100));
    showActive(dialog);
    QVERIFY(dialog.keyField()->hasFocus());
    dialog.findChild<QLineEdit*>(focus)->setFocus();
    QVERIFY(!dialog.capture()->isActive());
    Press(dialog, 48);
    QCOMPARE(dialog.key(), 30);
    QCOMPARE(dialog.keyField()->text(), QStringLiteral("A"));

    // Back in the key field, keys are taken again.
    dialog.keyField()->setFocus();
    QVERIFY(dialog.capture()->isActive());
    Press(dialog, 48);
    QCOMPARE(dialog.key(), 48);
}

void TestTarnFireKeyWindow::typingTimesKeepsKey()
{
    TarnFireKeyWindow dialog;
    showActive(dialog);
    ClickOption(dialog.kindOption(TarnFireKeyWindow::KeyboardShot));
    Press(dialog, 46);
    QCOMPARE(dialog.keyField()->text(), QStringLiteral("C"));

    // The user clicks into "Times:" and types; the digits go there, not into the key.
    QTest::mouseClick(dialog.timesField(), Qt::LeftButton);
    QVERIFY(dialog.timesField()->hasFocus());
    QVERIFY(!dialog.capture()->isActive());
    dialog.timesField()->selectAll();
    QTest::keyClicks(dialog.timesField(), QStringLiteral("12"));
    Press(dialog, 3);
    Press(dialog, 4);
    QTest::mouseClick(dialog.delayField(), Qt::LeftButton);
    dialog.delayField()->selectAll();
    QTest::keyClicks(dialog.delayField(), QStringLiteral("40"));
    QTest::keyClick(dialog.delayField(), Qt::Key_Return);
    Press(dialog, 5);

    QCOMPARE(dialog.key(), 46);
    QCOMPARE(dialog.keyField()->text(), QStringLiteral("C"));
    QCOMPARE(dialog.times(), 12);
    QCOMPARE(dialog.delay(), 40);
    QVERIFY(dialog.isVisible());
}

void TestTarnFireKeyWindow::numberFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("value");

    QTest::newRow("times 7") << "fireTimes" << "7" << "7" << 7;
    QTest::newRow("times 255 is the top") << "fireTimes" << "255" << "255" << 255;
    // Three digits above 255 pass the field; OK refuses them.
    QTest::newRow("times 256 stays for OK to refuse") << "fireTimes" << "256" << "256" << 256;
    QTest::newRow("times four digits keep three") << "fireTimes" << "1234" << "123" << 123;
    QTest::newRow("times letters are refused") << "fireTimes" << "a9b" << "9" << 9;
    QTest::newRow("times minus is refused") << "fireTimes" << "-5" << "5" << 5;
    QTest::newRow("delay 1 is the bottom") << "fireDelay" << "1" << "1" << 1;
    QTest::newRow("delay 999 stays for OK to refuse") << "fireDelay" << "999" << "999" << 999;
    QTest::newRow("delay 0 while typing") << "fireDelay" << "0" << "0" << 0;
}

void TestTarnFireKeyWindow::numberFields()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, value);

    TarnFireKeyWindow dialog;
    auto* edit = dialog.findChild<QLineEdit*>(field);
    edit->clear();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(field == QLatin1String("fireTimes") ? dialog.times() : dialog.delay(), value);
}

void TestTarnFireKeyWindow::acceptance_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("scanCode");     // 0: no key pressed
    QTest::addColumn<QString>("times");
    QTest::addColumn<QString>("delay");
    QTest::addColumn<QString>("refusal");  // empty: accepted

    const QString numbers = QStringLiteral("Warning|Enter times and delay from 1 to 255.");
    QTest::newRow("defaults accepted") << 0 << 0 << "3" << "100" << QString();
    QTest::newRow("keyboard key with a key accepted") << 3 << 30 << "3" << "100" << QString();
    QTest::newRow("keyboard key without a key refused") << 3 << 0 << "3" << "100"
                                                         << QStringLiteral("Warning|Press a key first.");
    QTest::newRow("empty times refused") << 0 << 0 << "" << "100" << numbers;
    QTest::newRow("times 0 refused") << 1 << 0 << "0" << "100" << numbers;
    QTest::newRow("empty delay refused") << 2 << 0 << "3" << "" << numbers;
    QTest::newRow("delay 0 refused") << 0 << 0 << "3" << "0" << numbers;
    QTest::newRow("times 256 refused") << 0 << 0 << "256" << "100" << numbers;
    QTest::newRow("delay 999 refused") << 3 << 30 << "3" << "999" << numbers;
    QTest::newRow("extremes accepted") << 0 << 0 << "255" << "1" << QString();
}

void TestTarnFireKeyWindow::acceptance()
{
    QFETCH(int, kind);
    QFETCH(int, scanCode);
    QFETCH(QString, times);
    QFETCH(QString, delay);
    QFETCH(QString, refusal);

    TarnFireKeyWindow dialog;
    showActive(dialog);
    ClickOption(dialog.kindOption(kind));
    if (scanCode)
        Press(dialog, scanCode);
    dialog.timesField()->setText(times);
    dialog.delayField()->setText(delay);

    TarnFireKeyWindow::SetExecHook([](TarnFireKeyWindow& d) { ClickButton(d.yesButton()); });
    const int result = dialog.exec();
    if (refusal.isEmpty()) {
        QCOMPARE(result, 1);
        QVERIFY(m_boxes.isEmpty());
        ButtonRecord stored;
        dialog.StoreInto(stored);
        QCOMPARE(stored.LoopNumber, times.toInt());
        QCOMPARE(stored.KeyNumber, delay.toInt());
    } else {
        QCOMPARE(result, 0);
        QCOMPARE(m_boxes, QStringList{refusal});
        // The dialog stays open for a correction.
        QVERIFY(dialog.isVisible());
    }
}

void TestTarnFireKeyWindow::cancelKeepsNothing()
{
    TarnFireKeyWindow dialog(Button(kFireKey, 0x82, 5, 60));
    TarnFireKeyWindow::SetExecHook([](TarnFireKeyWindow& d) {
        ClickOption(d.kindOption(TarnFireKeyWindow::LeftShot));
        ClickButton(d.noButton());
    });
    QCOMPARE(dialog.exec(), 0);
    QVERIFY(m_boxes.isEmpty());
    // A hook that clicks nothing cancels too, so no test can hang on the dialog.
    TarnFireKeyWindow::SetExecHook([](TarnFireKeyWindow&) {});
    QCOMPARE(dialog.exec(), 0);
}

void TestTarnFireKeyWindow::grabForLooking()
{
    // Set MOUSECFG_GRAB_DIR to keep the pictures for a look.
    const QString dir = qEnvironmentVariable("MOUSECFG_GRAB_DIR");
    TarnFireKeyWindow dialog(Button(kFireKey, 0x04, 5, 60));
    showActive(dialog);
    const QPixmap picture = dialog.grab();
    const QString problem = SkinDialogGrabProblem(picture.toImage(), QImage(m_app->file(QStringLiteral("skin/dlg.png"))),
                                                  AccentQColor());
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    if (!dir.isEmpty())
        picture.save(dir + QStringLiteral("/firekey.png"));
}

QTEST_MAIN(TestTarnFireKeyWindow)
#include "tst_tarnfirekeywindow.moc"
