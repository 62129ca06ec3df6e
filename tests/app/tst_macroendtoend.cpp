// A macro from the keyboard to the mouse: recorded on the macro page, bound to a button on
// the button page, applied, and read back from the mouse's button and macro memory; the
// same for a gun macro bound as a gun file.
#include "ConfigFiles.h"
#include "GlobalConfig.h"
#include "GunMacro.h"
#include "HidTransport.h"
#include "MacroDialog.h"
#include "MacroEvent.h"
#include "MousecfgWidget.h"
#include "Pages.h"
#include "ProfileWriter.h"
#include "SettingsRecord.h"
#include "TarnBtnWindow.h"
#include "TarnMacroSelect.h"
#include "TarnMessageBox.h"
#include "TestAppDir.h"
#include "VirtualHidBackend.h"
#include "VirtualMouse.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

namespace {

constexpr int kScanA = 0x1E;
constexpr int kScanB = 0x30;
constexpr quint32 kUp = 0x80;
constexpr int kButtonBase = 2;   // the button block's header bytes
constexpr int kSlotBytes = 200;

HookKeyEvent Key(int scan, quint32 flags)
{
    HookKeyEvent event;
    event.scanCode = scan;
    event.flags = flags;
    return event;
}

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int value : values)
        bytes.append(char(value));
    return bytes;
}

} // namespace

class MacroEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void recordedMacroReachesTheMouse_data();
    void recordedMacroReachesTheMouse();
    void gunMacroReachesTheMouse();

private:
    void copyAppDir();
    // The button slot holding function byte `code`, as its four bytes; fails unless exactly one does.
    QByteArray buttonSlotOf(quint8 code, int* slotIndex = nullptr);
    QByteArray macroSlot(int slot) const;
    void bind(MousecfgWidget& window, int record, int function, const QString& name, int mode, const QString& loops);

    std::unique_ptr<TestAppDir> m_dir;
    std::shared_ptr<VirtualMouse> m_mouse;
    std::unique_ptr<VirtualHidBackend> m_backend;
    QStringList m_boxes;
    qint64 m_now = 1000;
};

void MacroEndToEndTest::copyAppDir()
{
    const QString source = QStringLiteral(MOUSECFG_SHIPPED_DIR);
    QStringList files = {QStringLiteral("DefaultProfile.bin"), QStringLiteral("Configs/Config.ini")};
    for (int i = 1; i <= 5; ++i)
        files << QStringLiteral("Configs/Profile/Profile %1.prof").arg(i);
    files << QStringLiteral("lang/mousecfg_en.qm");
    for (const QString& file : files) {
        QFile in(source + QLatin1Char('/') + file);
        QVERIFY2(in.open(QIODevice::ReadOnly), qPrintable(file));
        m_dir->write(file, in.readAll());
    }
}

void MacroEndToEndTest::init()
{
    m_dir = std::make_unique<TestAppDir>();
    copyAppDir();
    qputenv("MOUSECFG_POINTER_SPEED", "fake");
    qputenv("MOUSECFG_VIRTUAL_STATE", m_dir->file(QStringLiteral("vm.ini")).toLocal8Bit());
    m_mouse = std::make_shared<VirtualMouse>(QString());
    m_backend = std::make_unique<VirtualHidBackend>(m_mouse);
    SetHidBackend(m_backend.get());
    HidTransport::instance().setTiming({1, 20, 1});
    m_boxes.clear();
    m_now = 1000;
    TarnMessageBox::SetAnswerHook([this](TarnMessageBox& box) {
        m_boxes << box.text1();
        return 1;
    });
    MouseAsleep() = false;
}

void MacroEndToEndTest::cleanup()
{
    TarnMacroSelect::SetExecHook(nullptr);
    TarnMessageBox::SetAnswerHook(nullptr);
    HidTransport::instance().CloseDevice();
    SetHidBackend(nullptr);
    m_backend.reset();
    m_mouse.reset();
    m_dir.reset();
}

QByteArray MacroEndToEndTest::buttonSlotOf(quint8 code, int* slotIndex)
{
    const QByteArray buttons = m_mouse->block(VirtualMouse::CmdButtons);
    QByteArray found;
    int hits = 0;
    for (int at = kButtonBase; at + 4 <= buttons.size(); at += 4) {
        if (quint8(buttons[at]) == code) {
            found = buttons.mid(at, 4);
            ++hits;
        }
    }
    if (hits != 1)
        qWarning("%d button slots hold function byte %02x", hits, code);
    if (slotIndex)
        *slotIndex = hits == 1 ? (quint8(found[1]) & 0x3F) : -1;
    return hits == 1 ? found : QByteArray();
}

QByteArray MacroEndToEndTest::macroSlot(int slot) const
{
    const VirtualMouse::Memory memory = m_mouse->memory();
    if (slot < 0 || slot >= VirtualMouse::MacroSlotCount)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char*>(memory.macros.data()) + slot * kSlotBytes, kSlotBytes);
}

void MacroEndToEndTest::bind(MousecfgWidget& window, int record, int function, const QString& name, int mode,
                             const QString& loops)
{
    window.switchPage(MousecfgWidget::CustomizeTab);
    auto* buttons = window.findChild<TarnBtnWindow*>();
    QVERIFY(buttons);
    buttons->SelBtnControl(record, 0);
    QCOMPARE(buttons->selectedRecord(), record);
    bool shown = false;
    TarnMacroSelect::SetExecHook([&](TarnMacroSelect& dialog) {
        shown = true;
        // The dialog's menu lists the macro list, so the new name must be on it.
        QVERIFY(dialog.macroMenu());
        dialog.SelectMacro(name);
        dialog.modeOption(mode)->click();
        dialog.loopField()->clear();
        QTest::keyClicks(dialog.loopField(), loops);
        dialog.OnYesClick();
    });
    buttons->chooseFunction(function);
    TarnMacroSelect::SetExecHook(nullptr);
    QVERIFY(shown);
    QCOMPARE(CurrentSettings().active().BUTTON_INFO[record].Fun, function);
    QCOMPARE(CurrentSettings().active().BUTTON_INFO[record].macroname, name);
}

void MacroEndToEndTest::recordedMacroReachesTheMouse_data()
{
    QTest::addColumn<bool>("recordDelays");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("loops");
    QTest::addColumn<QByteArray>("buttonTail");   // the slot's bytes after the function byte, slot bits cleared
    QTest::addColumn<QByteArray>("events");       // the macro slot's start: Map, DataL, DataH per event

    // A 250 ms hold is 25 units; 3000 ms between the keys is 300 = 0x012C, low byte first.
    const QByteArray withDelays = Bytes({0x84, 0x04, 0x00, 0x06, 25, 0x00, 0x04, 0x04, 0x00, 0x06, 0x2C, 0x01,
                                         0x84, 0x05, 0x00, 0x06, 0x03, 0x00, 0x04, 0x05, 0x00, 0x00});
    // Four events: a pause after the fourth, then the closing pause.
    const QByteArray withPauses = Bytes({0x84, 0x04, 0x00, 0x04, 0x04, 0x00, 0x84, 0x05, 0x00, 0x04, 0x05, 0x00,
                                         0x06, 0x01, 0x00, 0x06, 0x01, 0x00, 0x00, 0x00, 0x00});
    QTest::newRow("recorded delays, played once") << true << int(TarnMacroSelect::PlayCount) << "1"
                                                  << Bytes({0x00, 0x01, 0x00}) << withDelays;
    QTest::newRow("recorded delays, played 255 times: the largest count")
        << true << int(TarnMacroSelect::PlayCount) << "255" << Bytes({0x00, 0xFF, 0x00}) << withDelays;
    QTest::newRow("no delays get pauses, repeated while held")
        << false << int(TarnMacroSelect::RepeatWhileHeld) << "1" << Bytes({0x80, 0xFF, 0xFF}) << withPauses;
    QTest::newRow("no delays get pauses, repeated until pressed again")
        << false << int(TarnMacroSelect::RepeatUntilPressed) << "1" << Bytes({0x40, 0xFF, 0xFF}) << withPauses;
}

void MacroEndToEndTest::recordedMacroReachesTheMouse()
{
    QFETCH(bool, recordDelays);
    QFETCH(int, mode);
    QFETCH(QString, loops);
    QFETCH(QByteArray, buttonTail);
    QFETCH(QByteArray, events);

    MousecfgWidget window;
    InstallPages(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.connectedCount(), 1);

    window.switchPage(MousecfgWidget::MacroTab);
    auto* page = window.findChild<MacroDialog*>();
    QVERIFY(page);
    QVERIFY(page->isVisible());
    page->setClock([this]() { return m_now; });
    auto click = [page](const char* name) {
        auto* widget = page->findChild<QWidget*>(QLatin1String(name));
        QVERIFY2(widget, name);
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(widget->width() / 2, widget->height() / 2));
    };
    click("newButton");
    const QString name = page->currentName();
    QVERIFY(!name.isEmpty());
    if (recordDelays) {
        auto* box = page->findChild<QCheckBox*>(QStringLiteral("recordDelayBox"));
        QVERIFY(box);
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
        QCOMPARE(page->delayType(), 1);
    }
    click("startButton");
    QVERIFY(page->isRecording());
    m_now += 700;
    page->keyCapture()->inject(Key(kScanA, 0));
    m_now += 250;
    page->keyCapture()->inject(Key(kScanA, kUp));
    m_now += 3000;
    page->keyCapture()->inject(Key(kScanB, 0));
    m_now += 30;
    page->keyCapture()->inject(Key(kScanB, kUp));
    click("stopButton");
    QVERIFY(!page->isRecording());

    bind(window, 3, kMacroFunction, name, mode, loops);
    if (QTest::currentTestFailed())
        return;
    window.onApply();
    QVERIFY2(m_boxes.isEmpty(), qPrintable(m_boxes.join(", ")));

    int slot = -1;
    const QByteArray button = buttonSlotOf(0x91, &slot);
    QCOMPARE(button.size(), 4);
    QCOMPARE(slot, 0);   // the only macro takes the first slot
    QCOMPARE(QByteArray(1, char(quint8(button[1]) & 0xC0)) + button.mid(2), buttonTail);
    QCOMPARE(macroSlot(slot).left(events.size()), events);
    // Nothing was left over from an earlier macro in the rest of the slot.
    QCOMPARE(macroSlot(slot).mid(events.size()), QByteArray(kSlotBytes - events.size(), '\0'));
}

void MacroEndToEndTest::gunMacroReachesTheMouse()
{
    const QVector<GunShot> shots = {{100, 12, 0}, {150, 0, -7}, {0, -3, 5}};
    QString name;
    QCOMPARE(CreateGunMacro(QStringLiteral("burst"), GunMacroEvents(shots), &name), GunMacroResult::Created);
    QCOMPARE(name, QStringLiteral("burst"));

    MousecfgWidget window;
    InstallPages(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    bind(window, 4, kGunFileFunction, name, TarnMacroSelect::PlayCount, QStringLiteral("2"));
    if (QTest::currentTestFailed())
        return;
    window.onApply();
    QVERIFY2(m_boxes.isEmpty(), qPrintable(m_boxes.join(", ")));

    int slot = -1;
    const QByteArray button = buttonSlotOf(0x9D, &slot);
    QCOMPARE(button, Bytes({0x9D, 0x00, 0x02, 0x00}));
    QCOMPARE(slot, 0);

    // Decode the slot: per shot a left release and press, the pulls, the pause in 10 ms units.
    const QByteArray bytes = macroSlot(slot);
    int at = 0;
    auto next = [&bytes, &at](quint8& map, quint8& dataL, quint8& dataH) {
        map = quint8(bytes[at]);
        dataL = quint8(bytes[at + 1]);
        dataH = quint8(bytes[at + 2]);
        at += 3;
    };
    quint8 map = 0, dataL = 0, dataH = 0;
    for (const GunShot& shot : shots) {
        next(map, dataL, dataH);
        QCOMPARE(map, quint8(ButtonRelease));
        QCOMPARE(dataL, quint8(LeftClickCode));
        next(map, dataL, dataH);
        QCOMPARE(map, quint8(ButtonPress));
        QCOMPARE(dataL, quint8(LeftClickCode));
        const QVector<MoveStep> pulls = [&shot] {
            QVector<MoveStep> steps;
            if (shot.vertical)
                steps << MoveStep{shot.vertical > 0 ? MoveDirection::Down : MoveDirection::Up, qAbs(shot.vertical)};
            if (shot.horizontal)
                steps << MoveStep{shot.horizontal > 0 ? MoveDirection::Right : MoveDirection::Left,
                                  qAbs(shot.horizontal)};
            return steps;
        }();
        for (const MoveStep& pull : pulls) {
            next(map, dataL, dataH);
            QCOMPARE(map, quint8(PointerMove));
            QCOMPARE(DecodeStep(dataH, dataL), pull);
        }
        if (shot.delayMs) {
            next(map, dataL, dataH);
            QCOMPARE(map, quint8(DelayEvent));
            QCOMPARE(dataL | (dataH << 8), shot.delayMs / 10);
        }
    }
    next(map, dataL, dataH);
    QCOMPARE(map, quint8(ButtonRelease));
    QCOMPARE(dataL, quint8(LeftClickCode));
    QCOMPARE(bytes.mid(at), QByteArray(kSlotBytes - at, '\0'));
}

QTEST_MAIN(MacroEndToEndTest)
#include "tst_macroendtoend.moc"
