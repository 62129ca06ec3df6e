#include "KeyCapture.h"
#include "KeyTables.h"
#include "SettingsRecord.h"
#include "TarnComboKeyWindow.h"
#include "TarnSingleKeyWindow.h"
#include "TestAppDir.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

constexpr quint32 kX11Offset = 8;

// One key transition by evdev code; "+" presses, "-" releases, "*" repeats a press.
struct Stroke
{
    char kind;
    quint32 evdev;
};

using Strokes = QVector<Stroke>;

void Play(TarnKeyCaptureDialog& dialog, const Strokes& strokes)
{
    for (const Stroke& stroke : strokes) {
        HookKeyEvent event;
        QVERIFY(EvdevToHookKey(stroke.evdev, stroke.kind == '-', false, event));
        event.autoRepeat = stroke.kind == '*';
        dialog.keyCapture()->inject(event);
    }
}

// A key event as the X11 platform delivers it: native scan code = evdev code + 8.
void SendKey(QWidget* receiver, QEvent::Type type, int qtKey, quint32 evdev,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false)
{
    QKeyEvent event(type, qtKey, modifiers, evdev + kX11Offset, 0, 0, QString(), autoRepeat);
    QApplication::sendEvent(receiver, &event);
}

KeyInfo Entry(quint8 usage, bool press)
{
    KeyInfo info;
    info.map = usage;
    info.key = 0x05;
    info.H = press ? 0x80 : 0x00;
    return info;
}

using Codes = QList<int>;
using SlotList = QList<int>;

SlotList ToList(const TarnComboKeyWindow::Slots& keySlots)
{
    SlotList list;
    for (quint8 value : keySlots)
        list.append(value);
    return list;
}

} // namespace

Q_DECLARE_METATYPE(Stroke)
Q_DECLARE_METATYPE(KeyInfo)

class TestKeyDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void singleKey_data();
    void singleKey();
    void singlePreset_data();
    void singlePreset();

    void combo_data();
    void combo();
    void comboPreset_data();
    void comboPreset();

    void qtKeysAreCapturedAndDoNotCloseTheDialog_data();
    void qtKeysAreCapturedAndDoNotCloseTheDialog();
    void grabReleasedAfterClose_data();
    void grabReleasedAfterClose();
    void keysPassWhileNoDialogCaptures();
    void altTabReachesTheComboDialog();
    void okNeedsAKey();
    void desktopNoteOnlyUnderWayland();
    void execHookAnswers();
    void recordingModeLeavesKeysAlone();
    void grabPictures();

private:
    TestAppDir m_appDir;
};

void TestKeyDialogs::initTestCase()
{
    SetFrenchLanguageIndex(-1);
    SetCurrentLanguageIndex(0);
}

void TestKeyDialogs::cleanup()
{
    TarnKeyCaptureDialog::SetExecHook(nullptr);
}

void TestKeyDialogs::singleKey_data()
{
    QTest::addColumn<Strokes>("strokes");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("text");

    QTest::newRow("A pressed") << Strokes{{'+', 30}} << 30 << "A";
    QTest::newRow("held A repeats, then B") << Strokes{{'+', 30}, {'*', 30}, {'*', 30}, {'+', 48}} << 48 << "B";
    QTest::newRow("last event wins: A released after B") << Strokes{{'+', 30}, {'+', 48}, {'-', 48}, {'-', 30}} << 30 << "A";
    QTest::newRow("numpad 7") << Strokes{{'+', 71}, {'-', 71}} << 235 << "Num 7";
    QTest::newRow("Home") << Strokes{{'+', 102}} << 71 << "Home";
    QTest::newRow("right Alt") << Strokes{{'+', 100}} << 239 << "RAlt";
    QTest::newRow("right Ctrl") << Strokes{{'+', 97}, {'-', 97}} << 238 << "RCtr";
    QTest::newRow("Windows key") << Strokes{{'+', 125}} << 91 << "LWindows";
    QTest::newRow("key without device code ignored") << Strokes{{'+', 30}, {'+', 86}, {'-', 86}} << 30 << "A";
    QTest::newRow("nothing") << Strokes{} << 0 << "";
}

void TestKeyDialogs::singleKey()
{
    QFETCH(Strokes, strokes);
    QFETCH(int, selected);
    QFETCH(QString, text);

    TarnSingleKeyWindow dialog;
    Play(dialog, strokes);
    QCOMPARE(dialog.selectedKey(), selected);
    QCOMPARE(dialog.keyText(), text);
}

void TestKeyDialogs::singlePreset_data()
{
    QTest::addColumn<int>("fun");
    QTest::addColumn<int>("res1");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("text");

    QTest::newRow("single key numpad 7") << 6 << 235 << 235 << "Num 7";
    QTest::newRow("single key Esc") << 6 << 1 << 1 << "Esc";
    QTest::newRow("combo key not read") << 7 << 30 << 0 << "";
    QTest::newRow("code without a key") << 6 << 84 << 0 << "";
    QTest::newRow("mouse button code") << 6 << 240 << 0 << "";
}

void TestKeyDialogs::singlePreset()
{
    QFETCH(int, fun);
    QFETCH(int, res1);
    QFETCH(int, selected);
    QFETCH(QString, text);

    ButtonRecord button;
    button.Fun = fun;
    button.Res1 = quint8(res1);
    TarnSingleKeyWindow dialog;
    dialog.presetFrom(button);
    QCOMPARE(dialog.selectedKey(), selected);
    QCOMPARE(dialog.keyText(), text);
    // A preset key survives a repeat of nothing; the next key replaces it.
    Play(dialog, {{'+', 46}});
    QCOMPARE(dialog.selectedKey(), 46);
}

void TestKeyDialogs::combo_data()
{
    QTest::addColumn<Strokes>("strokes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<SlotList>("expectedSlots");
    QTest::addColumn<Codes>("result");
    QTest::addColumn<SlotList>("held");
    QTest::addColumn<bool>("finished");

    QTest::newRow("right Ctrl then C shows the left Ctrl it stores")
        << Strokes{{'+', 97}, {'+', 46}} << "LCtr + C" << SlotList{0, 2, 0, 0, 1} << Codes{29, 46}
        << SlotList{0, 2, 0, 0, 1} << false;
    QTest::newRow("right Ctrl + C released: text stays, finished")
        << Strokes{{'+', 97}, {'+', 46}, {'-', 46}, {'-', 97}} << "LCtr + C" << SlotList{0, 2, 0, 0, 1}
        << Codes{29, 46} << SlotList{0, 0, 0, 0, 0} << true;
    QTest::newRow("all four modifiers and a key")
        << Strokes{{'+', 42}, {'+', 29}, {'+', 125}, {'+', 56}, {'+', 30}}
        << "LShift + LCtr + LWindows + LAlt + A" << SlotList{1, 1, 1, 1, 1} << Codes{42, 29, 91, 56, 30}
        << SlotList{1, 1, 1, 1, 1} << false;
    QTest::newRow("pressed in another order, shown in slot order")
        << Strokes{{'+', 100}, {'+', 126}, {'+', 54}, {'+', 111}} << "LShift + LWindows + LAlt + Delete"
        << SlotList{2, 0, 2, 2, 1} << Codes{42, 91, 56, 83} << SlotList{2, 0, 2, 2, 1} << false;
    QTest::newRow("both Ctrls held shows the stored left name")
        << Strokes{{'+', 29}, {'+', 97}} << "LCtr" << SlotList{0, 3, 0, 0, 0} << Codes{29}
        << SlotList{0, 3, 0, 0, 0} << false;
    QTest::newRow("right Ctrl let go, left still held")
        << Strokes{{'+', 29}, {'+', 97}, {'-', 97}, {'+', 46}} << "LCtr + C" << SlotList{0, 1, 0, 0, 1}
        << Codes{29, 46} << SlotList{0, 1, 0, 0, 1} << false;
    QTest::newRow("released modifier leaves the combination")
        << Strokes{{'+', 29}, {'+', 42}, {'-', 42}, {'+', 46}} << "LCtr + C" << SlotList{0, 1, 0, 0, 1}
        << Codes{29, 46} << SlotList{0, 1, 0, 0, 1} << false;
    QTest::newRow("all released, next press starts anew")
        << Strokes{{'+', 29}, {'+', 46}, {'-', 46}, {'-', 29}, {'+', 47}} << "V" << SlotList{0, 0, 0, 0, 1}
        << Codes{47} << SlotList{0, 0, 0, 0, 1} << false;
    QTest::newRow("right Ctrl pressed and released, then C")
        << Strokes{{'+', 97}, {'-', 97}, {'+', 46}} << "C" << SlotList{0, 0, 0, 0, 1} << Codes{46}
        << SlotList{0, 0, 0, 0, 1} << false;
    QTest::newRow("second key replaces the first")
        << Strokes{{'+', 29}, {'+', 46}, {'+', 47}} << "LCtr + V" << SlotList{0, 1, 0, 0, 1} << Codes{29, 47}
        << SlotList{0, 1, 0, 0, 1} << false;
    QTest::newRow("key let go while another is held")
        << Strokes{{'+', 46}, {'+', 47}, {'-', 47}, {'+', 29}} << "LCtr + C" << SlotList{0, 1, 0, 0, 1}
        << Codes{29, 46} << SlotList{0, 1, 0, 0, 1} << false;
    QTest::newRow("release of a key held before opening")
        << Strokes{{'-', 29}, {'-', 97}, {'+', 46}} << "C" << SlotList{0, 0, 0, 0, 1} << Codes{46}
        << SlotList{0, 0, 0, 0, 1} << false;
    QTest::newRow("auto-repeat of a held modifier")
        << Strokes{{'+', 29}, {'*', 29}, {'*', 29}, {'+', 46}, {'*', 46}} << "LCtr + C"
        << SlotList{0, 1, 0, 0, 1} << Codes{29, 46} << SlotList{0, 1, 0, 0, 1} << false;
    QTest::newRow("numpad keys keep their own codes")
        << Strokes{{'+', 42}, {'+', 71}} << "LShift + Num 7" << SlotList{1, 0, 0, 0, 1} << Codes{42, 235}
        << SlotList{1, 0, 0, 0, 1} << false;
    QTest::newRow("modifier alone")
        << Strokes{{'+', 56}, {'-', 56}} << "LAlt" << SlotList{0, 0, 0, 1, 0} << Codes{56}
        << SlotList{0, 0, 0, 0, 0} << true;
}

void TestKeyDialogs::combo()
{
    QFETCH(Strokes, strokes);
    QFETCH(QString, text);
    QFETCH(SlotList, expectedSlots);
    QFETCH(Codes, result);
    QFETCH(SlotList, held);
    QFETCH(bool, finished);

    TarnComboKeyWindow dialog;
    Play(dialog, strokes);
    QCOMPARE(dialog.comboText(), text);
    QCOMPARE(ToList(dialog.keySlots()), expectedSlots);
    QCOMPARE(dialog.resultCodes(), result);
    QCOMPARE(ToList(dialog.heldSlots()), held);
    QCOMPARE(dialog.isFinished(), finished);
}

void TestKeyDialogs::comboPreset_data()
{
    QTest::addColumn<int>("fun");
    QTest::addColumn<QVector<KeyInfo>>("entries");
    QTest::addColumn<QString>("text");
    QTest::addColumn<SlotList>("expectedSlots");
    QTest::addColumn<Codes>("result");

    // Stored combinations nest: K0 press, K1 press, K1 release, K0 release.
    QTest::newRow("Ctrl+C: left Ctrl counted twice shows its first name")
        << 7 << QVector<KeyInfo>{Entry(0xE0, true), Entry(0x06, true), Entry(0x06, false), Entry(0xE0, false)}
        << "LCtr + C" << SlotList{0, 1, 0, 0, 1} << Codes{29, 46};
    QTest::newRow("Shift+Ctrl+C from the first five entries")
        << 7
        << QVector<KeyInfo>{Entry(0xE1, true), Entry(0xE0, true), Entry(0x06, true), Entry(0x06, false),
                            Entry(0xE0, false), Entry(0xE1, false)}
        << "LShift + LCtr + C" << SlotList{1, 1, 0, 0, 1} << Codes{42, 29, 46};
    QTest::newRow("right Ctrl entry shows the left key it is stored as")
        << 7 << QVector<KeyInfo>{Entry(0xE4, true), Entry(0xE4, false)} << "LCtr" << SlotList{0, 2, 0, 0, 0}
        << Codes{29};
    QTest::newRow("sixth entry is not read")
        << 7
        << QVector<KeyInfo>{Entry(0xE1, true), Entry(0xE0, true), Entry(0xE2, true), Entry(0xE3, true),
                            Entry(0x04, true), Entry(0x05, true)}
        << "LShift + LCtr + LWindows + LAlt + A" << SlotList{1, 1, 1, 1, 1} << Codes{42, 29, 91, 56, 30};
    QTest::newRow("unknown usages skipped")
        << 7 << QVector<KeyInfo>{Entry(0x32, true), Entry(0xFF, true), Entry(0x1D, true)} << "Z"
        << SlotList{0, 0, 0, 0, 1} << Codes{44};
    QTest::newRow("single key record not read")
        << 6 << QVector<KeyInfo>{Entry(0x06, true)} << "" << SlotList{0, 0, 0, 0, 0} << Codes{};
}

void TestKeyDialogs::comboPreset()
{
    QFETCH(int, fun);
    QFETCH(QVector<KeyInfo>, entries);
    QFETCH(QString, text);
    QFETCH(SlotList, expectedSlots);
    QFETCH(Codes, result);

    ButtonRecord button;
    button.Fun = fun;
    for (int i = 0; i < entries.size(); ++i)
        button.KeyInfo[i] = entries[i];
    button.KeyNumber = entries.size();
    TarnComboKeyWindow dialog;
    dialog.presetFrom(button);
    QCOMPARE(dialog.comboText(), text);
    QCOMPARE(ToList(dialog.keySlots()), expectedSlots);
    QCOMPARE(dialog.resultCodes(), result);
    // Nothing is held after a preset: the first key begins a new combination.
    QVERIFY(dialog.isFinished());
    Play(dialog, {{'+', 47}});
    QCOMPARE(dialog.comboText(), QStringLiteral("V"));
}

void TestKeyDialogs::qtKeysAreCapturedAndDoNotCloseTheDialog_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<quint32>("evdev");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");

    QTest::newRow("Escape") << int(Qt::Key_Escape) << 1u << 0 << "Esc";
    QTest::newRow("Enter") << int(Qt::Key_Return) << 28u << 0 << "Enter";
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << 96u << int(Qt::KeypadModifier) << "Num Enter";
    QTest::newRow("numpad 7, Num Lock off") << int(Qt::Key_Home) << 71u << int(Qt::KeypadModifier) << "Num 7";
    QTest::newRow("Home") << int(Qt::Key_Home) << 102u << 0 << "Home";
    QTest::newRow("right Alt") << int(Qt::Key_AltGr) << 100u << 0 << "RAlt";
    QTest::newRow("Menu") << int(Qt::Key_Menu) << 127u << 0 << "App";
}

void TestKeyDialogs::qtKeysAreCapturedAndDoNotCloseTheDialog()
{
    QFETCH(int, qtKey);
    QFETCH(quint32, evdev);
    QFETCH(int, modifiers);
    QFETCH(QString, text);

    TarnSingleKeyWindow single;
    TarnComboKeyWindow combo;
    for (TarnKeyCaptureDialog* dialog : {static_cast<TarnKeyCaptureDialog*>(&single),
                                         static_cast<TarnKeyCaptureDialog*>(&combo)}) {
        QSignalSpy finished(dialog, &QDialog::finished);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QVERIFY(dialog->keyCapture()->isActive());
        SendKey(dialog, QEvent::KeyPress, qtKey, evdev, Qt::KeyboardModifiers(modifiers));
        SendKey(dialog, QEvent::KeyRelease, qtKey, evdev, Qt::KeyboardModifiers(modifiers));
        QCoreApplication::processEvents();
        QVERIFY(dialog->isVisible());
        QCOMPARE(finished.count(), 0);
        // A combination stores the left modifier of a pair and shows that one.
        QCOMPARE(dialog->keyText(), dialog == &combo && text == QLatin1String("RAlt") ? QStringLiteral("LAlt") : text);
        // Synthetic key clicks without a native code are captured as well.
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        QCOMPARE(finished.count(), 0);
        dialog->reject();
    }
}

void TestKeyDialogs::grabReleasedAfterClose_data()
{
    QTest::addColumn<bool>("combo");
    QTest::addColumn<bool>("accept");
    QTest::newRow("single key, OK") << false << true;
    QTest::newRow("single key, Cancel") << false << false;
    QTest::newRow("combo key, OK") << true << true;
    QTest::newRow("combo key, Cancel") << true << false;
}

void TestKeyDialogs::grabReleasedAfterClose()
{
    QFETCH(bool, combo);
    QFETCH(bool, accept);

    QScopedPointer<TarnKeyCaptureDialog> dialog;
    if (combo)
        dialog.reset(new TarnComboKeyWindow);
    else
        dialog.reset(new TarnSingleKeyWindow);
    QVERIFY(QWidget::keyboardGrabber() == nullptr);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
    QCOMPARE(QWidget::keyboardGrabber(), dialog.data());
    SendKey(dialog.data(), QEvent::KeyPress, Qt::Key_A, 30);

    auto* button = dialog->findChild<QToolButton*>(accept ? QStringLiteral("msgBoxYesBtn") : QStringLiteral("msgBoxNoBtn"));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), accept ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QVERIFY(QWidget::keyboardGrabber() == nullptr);
    QVERIFY(!dialog->keyCapture()->isActive());

    // Shown again, it grabs again; destroyed while shown, it lets go.
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
    QCOMPARE(QWidget::keyboardGrabber(), dialog.data());
    dialog.reset();
    QVERIFY(QWidget::keyboardGrabber() == nullptr);
}

void TestKeyDialogs::keysPassWhileNoDialogCaptures()
{
    QWidget window;
    auto* edit = new QLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(edit);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    edit->setFocus();

    {
        TarnComboKeyWindow hidden;
        QTest::keyClicks(edit, QStringLiteral("ab"));
        QCOMPARE(edit->text(), QStringLiteral("ab"));
        QCOMPARE(hidden.comboText(), QString());

        hidden.show();
        QVERIFY(QTest::qWaitForWindowExposed(&hidden));
        hidden.reject();
        QTest::keyClicks(edit, QStringLiteral("c"));
        QCOMPARE(edit->text(), QStringLiteral("abc"));
        QCOMPARE(hidden.comboText(), QString());
    }
    QTest::keyClicks(edit, QStringLiteral("d"));
    QCOMPARE(edit->text(), QStringLiteral("abcd"));
}

void TestKeyDialogs::altTabReachesTheComboDialog()
{
    TarnComboKeyWindow dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    SendKey(&dialog, QEvent::KeyPress, Qt::Key_Alt, 56);
    SendKey(&dialog, QEvent::KeyPress, Qt::Key_Tab, 15, Qt::AltModifier);
    QCOMPARE(dialog.comboText(), QStringLiteral("LAlt + Tab"));
    SendKey(&dialog, QEvent::KeyRelease, Qt::Key_Tab, 15, Qt::AltModifier);
    SendKey(&dialog, QEvent::KeyRelease, Qt::Key_Alt, 56, Qt::AltModifier);
    QVERIFY(dialog.isFinished());
    QCOMPARE(dialog.resultCodes(), (Codes{56, 15}));
    QVERIFY(dialog.isVisible());
    dialog.reject();
}

void TestKeyDialogs::desktopNoteOnlyUnderWayland()
{
    const QByteArray session = qgetenv("XDG_SESSION_TYPE");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("XDG_SESSION_TYPE", "x11");
    QVERIFY(TarnSingleKeyWindow().desktopNote().isEmpty());
    qputenv("XDG_SESSION_TYPE", "wayland");
    QVERIFY(TarnComboKeyWindow().desktopNote().contains("shortcuts"));
    qputenv("XDG_SESSION_TYPE", session);
    if (!wayland.isEmpty())
        qputenv("WAYLAND_DISPLAY", wayland);
}

void TestKeyDialogs::okNeedsAKey()
{
    TarnSingleKeyWindow dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* ok = dialog.findChild<QToolButton*>(QStringLiteral("msgBoxYesBtn"));
    QVERIFY(ok);
    QVERIFY(!ok->isEnabled());
    dialog.accept();
    QVERIFY(dialog.isVisible());
    SendKey(&dialog, QEvent::KeyPress, Qt::Key_F5, 63);
    QVERIFY(ok->isEnabled());
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.selectedKey(), 63);
}

void TestKeyDialogs::execHookAnswers()
{
    TarnKeyCaptureDialog::SetExecHook([](TarnKeyCaptureDialog& dialog) {
        Play(dialog, {{'+', 29}, {'+', 46}, {'-', 46}, {'-', 29}});
        return 1;
    });
    TarnComboKeyWindow combo;
    QCOMPARE(combo.exec(), 1);
    QCOMPARE(combo.resultCodes(), (Codes{29, 46}));
    QVERIFY(QWidget::keyboardGrabber() == nullptr);

    // Accepting without a key stores nothing.
    TarnKeyCaptureDialog::SetExecHook([](TarnKeyCaptureDialog&) { return 1; });
    TarnSingleKeyWindow single;
    QCOMPARE(single.exec(), 0);

    TarnKeyCaptureDialog::SetExecHook([](TarnKeyCaptureDialog& dialog) {
        Play(dialog, {{'+', 30}});
        return 0;
    });
    TarnSingleKeyWindow cancelled;
    QCOMPARE(cancelled.exec(), 0);
}

void TestKeyDialogs::recordingModeLeavesKeysAlone()
{
    QWidget window;
    auto* edit = new QLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(edit);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    edit->setFocus();

    KeyCapture capture(KeyCapture::Mode::Recording, &window);
    QSignalSpy events(&capture, &KeyCapture::keyEvent);
    capture.setActive(true);
    QVERIFY(!capture.isSystemWide());
    QVERIFY(QWidget::keyboardGrabber() == nullptr);
    SendKey(edit, QEvent::KeyPress, Qt::Key_X, 45);
    SendKey(edit, QEvent::KeyRelease, Qt::Key_X, 45);
    QCOMPARE(events.count(), 2);
    const auto press = events.at(0).at(0).value<HookKeyEvent>();
    const auto release = events.at(1).at(0).value<HookKeyEvent>();
    QCOMPARE(press.scanCode, 45);
    QCOMPARE(press.flags, 0u);
    QCOMPARE(release.flags, 0x80u);

    // X11 repeats as release+press pairs; only the repeated presses are reported.
    SendKey(edit, QEvent::KeyPress, Qt::Key_X, 45);
    SendKey(edit, QEvent::KeyRelease, Qt::Key_X, 45, Qt::NoModifier, true);
    SendKey(edit, QEvent::KeyPress, Qt::Key_X, 45, Qt::NoModifier, true);
    QCOMPARE(events.count(), 4);
    QVERIFY(events.at(3).at(0).value<HookKeyEvent>().autoRepeat);

    capture.setActive(false);
    SendKey(edit, QEvent::KeyPress, Qt::Key_Y, 21);
    QCOMPARE(events.count(), 4);
}

void TestKeyDialogs::grabPictures()
{
    const QString dir = qEnvironmentVariable("MOUSECFG_GRAB_DIR");
    if (dir.isEmpty())
        QSKIP("set MOUSECFG_GRAB_DIR to save pictures of the dialogs");
    const QString skin = QStringLiteral(MOUSECFG_BUILD_APP_DIR "/skin/dlg.png");
    if (QFile::exists(skin))
        m_appDir.write(QStringLiteral("skin/dlg.png"), [&] {
            QFile f(skin);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }());

    TarnSingleKeyWindow single;
    single.show();
    SendKey(&single, QEvent::KeyPress, Qt::Key_Home, 71, Qt::KeypadModifier);
    QVERIFY(single.grab().save(dir + QStringLiteral("/singlekey.png")));
    single.reject();

    TarnComboKeyWindow combo;
    combo.show();
    Play(combo, {{'+', 97}, {'+', 42}, {'+', 46}});
    QVERIFY(combo.grab().save(dir + QStringLiteral("/combokey.png")));
    combo.reject();
}

QTEST_MAIN(TestKeyDialogs)
#include "tst_keydialogs.moc"
