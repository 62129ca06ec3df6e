// The main window on the virtual mouse: battery display, status handling, the write
// flows and their failure messages, plug and unplug, page switching.
#include "AppRulesDialog.h"
#include "ConfigFiles.h"
#include "ConfigPage.h"
#include "Descriptor.h"
#include "DpiEncoding.h"
#include "GlobalConfig.h"
#include "DeviceLock.h"
#include "HidTransport.h"
#include "MousecfgWidget.h"
#include "MouseSession.h"
#include "OsdMessage.h"
#include "Pages.h"
#include "ProfileWriter.h"
#include "TarnComboKeyWindow.h"
#include "TarnDPIWindow.h"
#include "TarnFireKeyWindow.h"
#include "TarnGunsetDialog.h"
#include "TarnMacroSelect.h"
#include "TarnMessageBox.h"
#include "TarnPushButton.h"
#include "TarnSingleDPI.h"
#include "TarnSingleKeyWindow.h"
#include "TarnSniperWindow.h"
#include "TarnSlider.h"
#include "TarnTwoBarSlider.h"
#include "TestAppDir.h"
#include "VirtualHidBackend.h"
#include "VirtualMouse.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QtEndian>
#include <QSettings>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using Identity = VirtualMouse::Identity;
using Fault = VirtualMouse::Fault;

namespace {

// A page that records what the window does with it.
class ProbePage : public ConfigPage
{
public:
    int refreshes = 0, retranslations = 0;
    void refreshFrom(const SettingsRecord&) override { ++refreshes; }
    void retranslate() override { ++retranslations; }
};

} // namespace

class MousecfgWidgetTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsConnected();
    void startWithoutMouseWarns();
    void noAccessAndMouseInUse();
    void batteryDisplay_data();
    void batteryDisplay();
    void statusHandling();
    void applyCollectsPagesAndWrites();
    void pageEditsSurviveTheMouseButtons();
    void failureMessages_data();
    void failureMessages();
    void resetAllWritesEverything();
    void unplugAndPlug();
    void pagesFollowTabs();
    void languageSwitch();
    void drivenFromOutside();
    void hotspotsSelectButtons();
    void storedSettingsChangedElsewhere();
    void osdRecordOnTheSocket();
    void firmwareUpdateRules();
    void captionsFitInBothLanguages();
    void closeWithoutTrayQuits_data();
    void closeWithoutTrayQuits();
    void oneConnectionBoxAtATime();
    void startMinimizedWarnsNothing();
    void programProfilesFromTheProfileArea();

private:
    void copyAppDir();

    std::unique_ptr<TestAppDir> m_dir;
    std::shared_ptr<VirtualMouse> m_mouse;
    std::unique_ptr<VirtualHidBackend> m_backend;
    QStringList m_boxes;
    int m_answer = 1;
};

void MousecfgWidgetTest::copyAppDir()
{
    const QString source = QStringLiteral(MOUSECFG_SHIPPED_DIR);
    QStringList files = {QStringLiteral("DefaultProfile.bin"), QStringLiteral("Configs/Config.ini")};
    for (int i = 1; i <= 5; ++i)
        files << QStringLiteral("Configs/Profile/Profile %1.prof").arg(i);
    files << QStringLiteral("lang/mousecfg_en.qm") << QStringLiteral("lang/mousecfg_fr.qm");
    for (const QString& file : files) {
        QFile in(source + QLatin1Char('/') + file);
        QVERIFY(in.open(QIODevice::ReadOnly));
        m_dir->write(file, in.readAll());
    }
}

void MousecfgWidgetTest::init()
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
    m_answer = 1;
    TarnMessageBox::SetAnswerHook([this](TarnMessageBox& box) {
        m_boxes << box.text1();
        return m_answer;
    });
    MouseAsleep() = false;
}

void MousecfgWidgetTest::cleanup()
{
    TarnMessageBox::SetAnswerHook(nullptr);
    HidTransport::instance().CloseDevice();
    SetHidBackend(nullptr);
    m_backend.reset();
    m_mouse.reset();
    m_dir.reset();
}

void MousecfgWidgetTest::startsConnected()
{
    MousecfgWidget window;
    QCOMPARE(window.connectedCount(), 1);
    QCOMPARE(ConfigCurrentProductName(), QStringLiteral("X8 Wireless"));
    QCOMPARE(window.connectionState(), 2);  // dongle only, not charging
    QCOMPARE(CurrentSettings().names[0], QStringLiteral("Profile 1"));
    QTest::qWait(300);
    QVERIFY(m_boxes.isEmpty());
}

void MousecfgWidgetTest::noAccessAndMouseInUse()
{
    m_mouse->setAccessDenied(true);
    {
        MousecfgWidget window;
        bool overHiddenWindow = false;
        TarnMessageBox::SetAnswerHook([&](TarnMessageBox& box) {
            // A box shown before the window would end up beneath it once the window appears.
            overHiddenWindow |= !window.isVisible();
            m_boxes << box.text1();
            return m_answer;
        });
        QCOMPARE(window.batteryText(), QStringLiteral("NO ACCESS"));
        // Said once, with the udev rule; a write says it again instead of "Send data failed".
        QTRY_COMPARE(m_boxes.size(), 1);
        QVERIFY(!overHiddenWindow);
        QVERIFY(m_boxes[0].contains(QLatin1String("70-mousecfg.rules")));
        QVERIFY(MouseSession::instance().setReportRate(-1, 2).ok);
        window.onApply();
        QCOMPARE(m_boxes.size(), 2);
        QVERIFY(m_boxes[1].contains(QLatin1String("No permission to use the mouse")));
        QCOMPARE(ConfigDiff(), 1);
    }
    m_mouse->setAccessDenied(false);
    m_boxes.clear();
    TarnMessageBox::SetAnswerHook([this](TarnMessageBox& box) {
        m_boxes << box.text1();
        return m_answer;
    });

    // Another program has the mouse: the window waits for it, then links.
    auto other = std::make_unique<DeviceLock>(
        DeviceLock::MouseLockName(QStringLiteral("X8 Wireless"), ActiveHidBackendIdentity()));
    QVERIFY(other->lock());
    MousecfgWidget window;
    QCOMPARE(window.batteryText(), QStringLiteral("IN USE"));
    QVERIFY(!HidTransport::instance().hasControlHandle());
    other.reset();
    QTRY_VERIFY_WITH_TIMEOUT(HidTransport::instance().hasControlHandle(), 3000);
    QTRY_VERIFY_WITH_TIMEOUT(window.batteryText().endsWith(QLatin1Char('%')), 3000);
    // Now the window holds it: a command-line write would be refused.
    DeviceLock command(DeviceLock::MouseLockName(QStringLiteral("X8 Wireless"), ActiveHidBackendIdentity()));
    QVERIFY(!command.lock());
    QVERIFY(m_boxes.isEmpty());
}

void MousecfgWidgetTest::startWithoutMouseWarns()
{
    m_mouse->unplug(Identity::Dongle);
    MousecfgWidget window;
    QCOMPARE(window.connectedCount(), 0);
    QTRY_COMPARE(m_boxes, QStringList{QStringLiteral("Dongle Disconnect!")});
    QVERIFY(!window.isVisible() || window.isMinimized());
}

void MousecfgWidgetTest::batteryDisplay_data()
{
    QTest::addColumn<int>("charge");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("asleep");
    QTest::addColumn<bool>("charging");
    QTest::newRow("all zero: MOUSE OFF") << 0 << 0 << 0 << QStringLiteral("MOUSE OFF") << true << false;
    QTest::newRow("3 200 is 3993 mV: 70%") << 0 << 200 << 3 << QStringLiteral("70%") << false << false;
    QTest::newRow("15 128 is 16368 mV: 100%") << 0 << 128 << 15 << QStringLiteral("100%") << false << false;
    QTest::newRow("charging shows the bolt") << 1 << 200 << 3 << QStringLiteral("70%") << false << true;
    QTest::newRow("low battery: 10%") << 0 << 10 << 2 << QStringLiteral("10%") << false << false;
}

void MousecfgWidgetTest::batteryDisplay()
{
    QFETCH(int, charge);
    QFETCH(int, low);
    QFETCH(int, high);
    MousecfgWidget window;
    window.slotRefreshBatteryStatus(quint8(charge), quint8(low), quint8(high));
    QTEST(window.batteryText(), "text");
    QTEST(bool(MouseAsleep()), "asleep");
    QTEST(window.chargingShown(), "charging");
    if (!MouseAsleep())
        QCOMPARE(ConfigBattery(), window.batteryPercent());
}

void MousecfgWidgetTest::statusHandling()
{
    MousecfgWidget window;
    QSignalSpy osd(&window, &MousecfgWidget::OsdTextSignal);
    CurrentSettings().profiles[2].DPI_INFO[3].x = 64;  // 3200 DPI on the shipped sensor
    CurrentSettings().profiles[2].pollrate = 1;
    window.slotRefreshStatus(2, 3, 8, 0);
    QCOMPARE(int(CurrentSettings().ProfileID), 2);
    QCOMPARE(ConfigProfileID(), 2);
    QCOMPARE(int(CurrentSettings().profiles[2].dpi), 3);
    QCOMPARE(int(CurrentSettings().profiles[2].pollrate), 8);
    QCOMPARE(osd.count(), 2);
    QCOMPARE(osd.at(0).at(0).toString(), QStringLiteral("DPI 4:3200"));
    QCOMPARE(osd.at(1).at(0).toString(), QStringLiteral("125 HZ"));
    window.slotRefreshRate(3);
    QCOMPARE(osd.count(), 2);  // an unknown rate changes and shows nothing

    window.slotRefreshWriteStatus(1);
    QCOMPARE(ConfigDiff(), 0);
    window.slotRefreshWriteStatus(0);
    QCOMPARE(ConfigDiff(), 1);
}

void MousecfgWidgetTest::applyCollectsPagesAndWrites()
{
    MousecfgWidget window;
    SetConfigDiff(0);
    WrittenSettings() = CurrentSettings();
    // A page hands its gestures to the session; OK writes them as Apply does.
    QVERIFY(MouseSession::instance().setDpiLevel(-1, 0, 20, 20).ok);
    QVERIFY(MouseSession::instance().setDpiEnabled(-1, 0, true).ok);
    window.onOk();
    QVERIFY(m_boxes.isEmpty());
    const QByteArray dpi = m_mouse->block(Command::DpiBlock);
    QCOMPARE(dpi.mid(1, 5), QByteArray::fromHex("0114001400"));  // level 0 enabled, steps 20/20
    QCOMPARE(ConfigDiff(), 0);
}

void MousecfgWidgetTest::pageEditsSurviveTheMouseButtons()
{
    MousecfgWidget window;
    InstallPages(window);
    auto* dpi = window.findChild<TarnDPIWindow*>();
    QVERIFY(dpi);
    const int level = 2;
    const DpiLevel stored = CurrentSettings().active().DPI_INFO[level];
    TarnTwoBarSlider* slider = dpi->row(level)->slider();
    QTest::keyClick(stored.link ? slider->linkedSlider() : slider->xSlider(), Qt::Key_Right);
    const quint32 edited = CurrentSettings().active().DPI_INFO[level].x;
    QCOMPARE(edited, stored.x + 1);

    // The mouse's own DPI button changes the active level and keeps the unapplied edit.
    window.slotRefreshStatus(CurrentSettings().ProfileID, 4, CurrentSettings().active().pollrate, 0);
    QCOMPARE(int(CurrentSettings().active().dpi), 4);
    QCOMPARE(CurrentSettings().active().DPI_INFO[level].x, edited);
    QCOMPARE(dpi->levels()[level].x, edited);

    // OK writes it as Apply would.
    window.onOk();
    QVERIFY(m_boxes.isEmpty());
    const DpiLevel& now = CurrentSettings().active().DPI_INFO[level];
    const auto steps = EncodeDpiLevel(ConfigMouseSensor(), now.x, now.y, 0);
    QCOMPARE(m_mouse->block(Command::DpiBlock).mid(1 + 5 * level + 1, 4),
             QByteArray(reinterpret_cast<const char*>(steps.data()), 4));

    // Cancel goes back to what was applied, on the page too.
    QTest::keyClick(stored.link ? slider->linkedSlider() : slider->xSlider(), Qt::Key_Right);
    window.onCancel();
    QCOMPARE(CurrentSettings().active().DPI_INFO[level].x, edited);
    QCOMPARE(dpi->levels()[level].x, edited);
}

void MousecfgWidgetTest::failureMessages_data()
{
    QTest::addColumn<bool>("asleep");
    QTest::addColumn<QString>("message");
    QTest::newRow("exchange fails") << false << QStringLiteral("Send data failed, please try again.");
    QTest::newRow("mouse asleep") << true << QStringLiteral("Mouse is sleeping or not connected.");
}

void MousecfgWidgetTest::failureMessages()
{
    QFETCH(bool, asleep);
    MousecfgWidget window;
    SetConfigDiff(1);
    if (asleep) {
        m_mouse->setAsleep(true);
        QTest::qWait(200);  // the poller's first answer, from before the mouse fell asleep
        window.slotRefreshBatteryStatus(0, 0, 0);
    }
    else
        m_mouse->injectFault(Fault::WriteFails, 1000);
    window.onApply();
    QTEST(m_boxes.value(0), "message");
    QCOMPARE(ConfigDiff(), 1);
}

void MousecfgWidgetTest::resetAllWritesEverything()
{
    MousecfgWidget window;
    CurrentSettings().profiles[0].pollrate = 8;
    WrittenSettings() = CurrentSettings();
    SetConfigDiff(0);
    m_mouse->clearLogs();
    window.onResetAll();
    QCOMPARE(m_boxes.value(0), QStringLiteral("Are you sure you want reset all profiles?"));
    QCOMPARE(int(CurrentSettings().profiles[0].pollrate), 1);
    QCOMPARE(m_mouse->commitLog(), (QVector<quint8>{0x01, 0x03, 0x02, 0x04}));

    m_answer = 0;  // a refused question writes nothing
    m_mouse->clearLogs();
    window.onReset();
    QVERIFY(m_mouse->commitLog().isEmpty());
}

void MousecfgWidgetTest::unplugAndPlug()
{
    MousecfgWidget window;
    m_mouse->unplug(Identity::Dongle);
    QTRY_COMPARE(window.connectedCount(), 0);
    QTRY_COMPARE(m_boxes, QStringList{QStringLiteral("Dongle Disconnect!")});
    QTest::qWait(300);
    QCOMPARE(m_boxes.size(), 1);  // the start-up check and the removal ask once
    QCOMPARE(window.connectionState(), 3);
    m_mouse->plug(Identity::Cable);
    QTRY_COMPARE(window.connectedCount(), 1);
    QTRY_VERIFY(HidTransport::instance().hasCableControl());
    QCOMPARE(window.connectionState(), 0);  // cable only
    QCOMPARE(ConfigDiff(), 1);              // a mouse that arrives may hold anything
}

void MousecfgWidgetTest::pagesFollowTabs()
{
    MousecfgWidget window;
    QCOMPARE(window.pages().size(), 0);
    auto* lighting = new ProbePage;
    auto* dpi = new ProbePage;
    window.addPage(MousecfgWidget::LightingTab, lighting, QRect(0, 0, 10, 10));
    window.addPage(MousecfgWidget::DpiTab, dpi, QRect(0, 0, 10, 10));
    window.show();
    window.switchPage(MousecfgWidget::DpiTab);
    QVERIFY(dpi->isVisible());
    QVERIFY(!lighting->isVisible());
    const int before = dpi->retranslations;
    window.switchLanguage(1);
    QVERIFY(dpi->retranslations > before);
    window.switchLanguage(0);

    // A product without lighting opens the button page instead.
    m_dir->write(QStringLiteral("DefaultProfile.bin"), m_dir->read(QStringLiteral("DefaultProfile.bin")) + "ledDisable=1\n");
    window.switchPage(MousecfgWidget::LightingTab);
    QCOMPARE(window.currentTab(), int(MousecfgWidget::CustomizeTab));
}

namespace {

bool HasButton(const QWidget& window, const QString& text)
{
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (button->text() == text)
            return true;
    return false;
}

} // namespace

void MousecfgWidgetTest::languageSwitch()
{
    MousecfgWidget window;
    QVERIFY(HasButton(window, QStringLiteral("APPLY")));  // the English translation's capitals
    const QString title = window.windowTitle();
    QVERIFY(!title.isEmpty());
    window.switchLanguage(1);
    QVERIFY(HasButton(window, QStringLiteral("Appliquer")));
    QCOMPARE(LangID(), 1);
    QCOMPARE(window.windowTitle(), title);   // the product's name in every language
    // A language whose translation file is missing keeps the texts shown.
    QFile::remove(m_dir->file(QStringLiteral("lang/mousecfg_en.qm")));
    window.switchLanguage(0);
    QVERIFY(HasButton(window, QStringLiteral("Appliquer")));
    QCOMPARE(LangID(), 0);
}

namespace {

// Runs the command-line tool without blocking this thread: the window serves it.
int Ctl(const QStringList& args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MOUSECFG_DEVICE"), QStringLiteral("virtual"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(MOUSECFG_CTL), QStringList{QStringLiteral("virtual")} + args);
    while (process.state() != QProcess::NotRunning)
        QTest::qWait(10);
    return process.exitCode();
}

} // namespace

void MousecfgWidgetTest::drivenFromOutside()
{
    MousecfgWidget window;
    QTest::qWait(100);
    QCOMPARE(Ctl({QStringLiteral("status"), QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("8")}), 0);
    QTRY_COMPARE_WITH_TIMEOUT(int(CurrentSettings().ProfileID), 2, 1000);
    QCOMPARE(int(CurrentSettings().profiles[2].dpi), 1);
    QCOMPARE(int(CurrentSettings().profiles[2].pollrate), 8);

    QCOMPARE(Ctl({QStringLiteral("battery"), QStringLiteral("4150"), QStringLiteral("charging")}), 0);
    QTRY_COMPARE_WITH_TIMEOUT(window.batteryText(), QStringLiteral("90%"), 1000);
    QVERIFY(window.chargingShown());
    QCOMPARE(Ctl({QStringLiteral("sleep"), QStringLiteral("on")}), 0);
    QTRY_COMPARE_WITH_TIMEOUT(window.batteryText(), QStringLiteral("MOUSE OFF"), 1000);
    QCOMPARE(Ctl({QStringLiteral("sleep"), QStringLiteral("off")}), 0);

    QCOMPARE(Ctl({QStringLiteral("plug"), QStringLiteral("cable")}), 0);
    QTRY_VERIFY_WITH_TIMEOUT(HidTransport::instance().hasCableControl(), 2000);
    QCOMPARE(Ctl({QStringLiteral("unplug"), QStringLiteral("all")}), 0);
    QTRY_COMPARE_WITH_TIMEOUT(window.connectedCount(), 0, 1000);
    QCOMPARE(Ctl({QStringLiteral("plug"), QStringLiteral("dongle")}), 0);
    QTRY_COMPARE_WITH_TIMEOUT(window.connectedCount(), 1, 1000);
    QCOMPARE(Ctl({QStringLiteral("status"), QStringLiteral("9"), QStringLiteral("1"), QStringLiteral("1")}), 2);
}

void MousecfgWidgetTest::hotspotsSelectButtons()
{
    // The model's button positions come with its pictures.
    m_dir->write(QStringLiteral("skin/mouse/X8 Wireless/Hotspots.ini"),
                 "[Front]\n1=78,29,70,157\n3=140,60,20,50\n9=bad\n10=-5,0,10,10\n[Side]\n4=138,140,22,50\n");
    MousecfgWidget window;
    window.show();
    QSignalSpy selections(&window, &MousecfgWidget::SelBtnSignal);
    const auto visibleSpots = [&window] {
        QList<QToolButton*> spots;
        for (QToolButton* spot : window.findChildren<QToolButton*>())
            if (spot->isVisible())
                spots << spot;
        return spots;
    };
    QVERIFY(visibleSpots().isEmpty());  // only on the button page
    window.switchPage(MousecfgWidget::CustomizeTab);
    const QList<QToolButton*> spots = visibleSpots();
    QCOMPARE(spots.size(), 2);  // malformed and negative positions give no button
    QTest::mouseClick(spots.last(), Qt::LeftButton);
    QCOMPARE(selections.count(), 1);
    QCOMPARE(window.selectedGroup(), 0);
    QVERIFY(window.selectedButton() == 0 || window.selectedButton() == 2);
    window.SelBtnChanged(1, 2);  // wheel down
    QCOMPARE(window.selectedGroup(), 2);
    window.SelBtnChanged(5, 2);  // no third wheel button
    QCOMPARE(window.selectedButton(), 1);
    const QByteArray grabs = qgetenv("MOUSECFG_GRAB_DIR");
    if (!grabs.isEmpty())
        window.grab().save(QString::fromLocal8Bit(grabs) + QStringLiteral("/customize.png"));
}

void MousecfgWidgetTest::storedSettingsChangedElsewhere()
{
    MousecfgWidget window;
    CurrentSettings().profiles[0].pollrate = 4;  // an edit in the window
    {
        // The command-line tool stores another rate for the same profile.
        SettingsRecord other;
        LoadSettings(other);
        other.profiles[0].pollrate = 8;
        SaveSettings(other);
        BumpConfigStoreStamp();
    }
    m_mouse->clearLogs();
    window.onApply();
    QCOMPARE(m_boxes.size(), 1);
    QVERIFY(m_boxes.first().startsWith(QStringLiteral("The stored settings were changed by another program.")));
    QVERIFY(m_mouse->commitLog().isEmpty());                  // nothing written over it
    QCOMPARE(int(CurrentSettings().profiles[0].pollrate), 8);  // the stored change is shown
    window.onApply();                                         // the next Apply writes again
    QCOMPARE(m_boxes.size(), 1);
}

void MousecfgWidgetTest::osdRecordOnTheSocket()
{
    // The on-screen display listens on its socket; the window sends it the 1044-byte record.
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QLocalServer server;
    QVERIFY(server.listen(OsdServerName()));
    MousecfgWidget window;
    CurrentSettings().active().DPI_INFO[2].x = 32;  // 1600 DPI on the shipped sensor
    window.slotRefreshDPIStage(2);
    // The sender works from the event loop, so the test spins it instead of blocking.
    QTRY_VERIFY_WITH_TIMEOUT(server.hasPendingConnections(), 3000);
    QLocalSocket* socket = server.nextPendingConnection();
    QByteArray record;
    QTRY_VERIFY_WITH_TIMEOUT((record += socket->readAll()).size() >= kOsdRecordSize, 3000);
    QCOMPARE(record.size(), kOsdRecordSize);
    QCOMPARE(QString::fromUtf16(reinterpret_cast<const char16_t*>(record.constData())), QStringLiteral("DPI 3:1600"));
    const auto u32 = [&record](int offset) { return qFromLittleEndian<quint32>(record.constData() + offset); };
    QCOMPARE(u32(512), 0u);
    QCOMPARE(u32(516), 1500u);
    QCOMPARE(u32(520), 0u);
    QCOMPARE(u32(524), 0x0000FFu);  // red, the default accent colour
    QCOMPARE(u32(528), 60u);
    QCOMPARE(QString::fromUtf16(reinterpret_cast<const char16_t*>(record.constData() + 532)), QStringLiteral("Arial"));
    qunsetenv("XDG_RUNTIME_DIR");
}

void MousecfgWidgetTest::firmwareUpdateRules()
{
    MousecfgWidget window;
    window.onFirmwareUpdate();  // dongle only
    QCOMPARE(m_boxes.value(0), QStringLiteral("To update the firmware, please connect to the computer with a cable."));
    m_mouse->plug(Identity::Cable);
    QTRY_VERIFY(HidTransport::instance().table().entries[0].found[2]);
    m_boxes.clear();
    m_answer = 0;  // "Do you want to upgrade the firmware?" declined: nothing happens
    window.onFirmwareUpdate();
    QCOMPARE(m_boxes, QStringList{QStringLiteral("Do you want to upgrade the firmware?")});
    m_boxes.clear();
    m_answer = 1;  // accepted, but no updater ships here: the program says so and keeps running
    window.onFirmwareUpdate();
    QCOMPARE(m_boxes.value(1), QStringLiteral("The firmware updater could not be started."));
}

namespace {

// Captions a widget shows cut: one-line labels, check boxes and plain buttons narrower
// than their text. A skinned button that elides shows the whole caption as tool tip.
QStringList CutCaptions(const QWidget& root)
{
    QStringList cut;
    for (const QWidget* w : root.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&root) || !w->toolTip().isEmpty())
            continue;
        const QFontMetrics metrics(w->font());
        if (qobject_cast<const TarnPushButton*>(w))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            if (label->wordWrap() || label->text().contains(QLatin1Char('<')) || label->text().isEmpty())
                continue;
            if (metrics.horizontalAdvance(label->text()) > label->contentsRect().width())
                cut << label->text();
        } else if (const auto* box = qobject_cast<const QCheckBox*>(w)) {
            if (!box->text().isEmpty() && box->sizeHint().width() > box->width())
                cut << box->text();
        } else if (const auto* button = qobject_cast<const QPushButton*>(w)) {
            if (!button->text().isEmpty() && metrics.horizontalAdvance(button->text()) + 4 > button->width())
                cut << button->text();
        }
    }
    return cut;
}

void CopySkin(const QString& appDir)
{
    const QString source = QStringLiteral(MOUSECFG_BUILD_APP_DIR "/skin");
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = appDir + QStringLiteral("/skin/") + QDir(source).relativeFilePath(from);
        QDir().mkpath(QFileInfo(to).absolutePath());
        QFile::copy(from, to);
    }
}

} // namespace

void MousecfgWidgetTest::captionsFitInBothLanguages()
{
    // Set MOUSECFG_GRAB_DIR to keep a picture of every tab and dialog in both languages.
    const QString grabs = qEnvironmentVariable("MOUSECFG_GRAB_DIR");
    CopySkin(m_dir->path());
    MousecfgWidget window;
    InstallPages(window);
    window.show();
    QStringList cut;
    for (int lang : {0, 1}) {
        window.switchLanguage(lang);
        const QString suffix = lang == 0 ? QStringLiteral("en") : QStringLiteral("fr");
        for (int tab = 0; tab < MousecfgWidget::TabCount; ++tab) {
            window.switchPage(tab);
            for (const QString& text : CutCaptions(window))
                cut << QStringLiteral("%1 tab %2: %3").arg(suffix).arg(tab).arg(text);
            if (!grabs.isEmpty())
                window.grab().save(QStringLiteral("%1/tab%2-%3.png").arg(grabs).arg(tab).arg(suffix));
        }
        ButtonRecord button;
        TarnMacroSelect select(QObject::tr("MACRO SELECT"), button, kMacroFunction, &window);
        TarnSingleKeyWindow single(&window);
        TarnComboKeyWindow combo(&window);
        TarnFireKeyWindow fire(&window);
        TarnSniperWindow sniper(button, &window);
        TarnGunsetDialog gun(&window);
        TarnMessageBox box(TarnMessageBox::Question, QObject::tr("Warning"), QObject::tr("Dongle Disconnect!"),
                           QString(), &window);
        AppRulesDialog rules(nullptr, &window);
        const QList<QPair<QWidget*, QString>> dialogs = {{&select, "macroselect"}, {&single, "singlekey"},
            {&combo, "combokey"}, {&fire, "firekey"}, {&sniper, "sniper"}, {&gun, "gunset"}, {&box, "messagebox"},
            {&rules, "apprules"}};
        for (const auto& dialog : dialogs) {
            dialog.first->show();
            for (const QString& text : CutCaptions(*dialog.first))
                cut << QStringLiteral("%1 %2: %3").arg(suffix, dialog.second, text);
            if (!grabs.isEmpty())
                dialog.first->grab().save(QStringLiteral("%1/%2-%3.png").arg(grabs, dialog.second, suffix));
            dialog.first->hide();
        }
    }
    // The sensor options' widest arrangement, in the longer language.
    QSettings(m_dir->file(QStringLiteral("DefaultProfile.bin")), QSettings::IniFormat)
        .setValue(QStringLiteral("PROFILE/SyncMode"), 2);
    window.slotWarnClose();
    window.switchPage(MousecfgWidget::DpiTab);
    for (const QString& text : CutCaptions(window))
        cut << QStringLiteral("fr SyncMode 2: %1").arg(text);
    if (!grabs.isEmpty())
        window.grab().save(grabs + QStringLiteral("/tab2-syncmode2-fr.png"));
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    // Eight DPI levels, for a look.
    if (!grabs.isEmpty()) {
        const QString descriptor = m_dir->file(QStringLiteral("DefaultProfile.bin"));
        QSettings(descriptor, QSettings::IniFormat).setValue(QStringLiteral("PROFILE/DPICount"), 8 ^ 13 ^ 5);
        window.slotWarnClose();
        window.switchPage(MousecfgWidget::DpiTab);
        window.grab().save(grabs + QStringLiteral("/dpi8.png"));
    }
}

void MousecfgWidgetTest::closeWithoutTrayQuits_data()
{
    QTest::addColumn<bool>("edited");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("quits");
    QTest::newRow("nothing to apply: quits") << false << 0 << true;
    QTest::newRow("unapplied edit, quit anyway") << true << 1 << true;
    QTest::newRow("unapplied edit, stay") << true << 0 << false;
}

void MousecfgWidgetTest::closeWithoutTrayQuits()
{
    QFETCH(bool, edited);
    QFETCH(int, answer);
    QFETCH(bool, quits);
    MousecfgWidget window;
    window.show();
    QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());  // offscreen has no tray
    // OK and Cancel keep the window reachable: minimised, not hidden.
    window.onCancel();
    QVERIFY(window.isVisible() && window.isMinimized());
    window.showNormal();
    if (edited)
        QVERIFY(MouseSession::instance().setReportRate(-1, 8).ok);
    m_boxes.clear();
    m_answer = answer;
    // The application's own loop, so that quit() ends it (with 0) and leaves no mark.
    QTimer stay;
    stay.setSingleShot(true);
    connect(&stay, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    stay.start(500);
    QTimer::singleShot(0, &window, [&window] { window.close(); });
    const int code = QCoreApplication::exec();
    stay.stop();
    QCOMPARE(code == 0, quits);
    QCOMPARE(m_boxes.size(), edited ? 1 : 0);
}

void MousecfgWidgetTest::oneConnectionBoxAtATime()
{
    m_mouse->unplug(Identity::Dongle);
    const int storedLevel = ConfigBattery();
    MousecfgWidget* shown = nullptr;
    TarnMessageBox::SetAnswerHook([this, &shown](TarnMessageBox& box) {
        m_boxes << box.text1();
        // A second start and "&Load Config" while the box is open.
        if (shown && m_boxes.size() == 1) {
            shown->slotWarning();
            shown->slotWarning();
        }
        return 1;
    });
    MousecfgWidget window;
    shown = &window;
    QTRY_COMPARE(m_boxes.size(), 1);
    QTest::qWait(300);
    QCOMPARE(m_boxes.size(), 1);
    // No mouse: no battery level shown or stored.
    QCOMPARE(window.batteryText(), QString());
    QCOMPARE(ConfigBattery(), storedLevel);
    QCOMPARE(window.windowTitle(), DescriptorProductName());
}

void MousecfgWidgetTest::startMinimizedWarnsNothing()
{
    // Started with the desktop and no mouse: neither the window nor the warning pops up.
    m_mouse->unplug(Identity::Dongle);
    MousecfgWidget window;
    window.startMinimized();
    QTest::qWait(500);
    QVERIFY(m_boxes.isEmpty());
    QVERIFY(window.isMinimized());  // offscreen has no tray: minimised, not hidden
}

void MousecfgWidgetTest::programProfilesFromTheProfileArea()
{
    // Reachable without a tray: the button beside the profile buttons opens the rules.
    MousecfgWidget window;
    auto* button = window.findChild<QAbstractButton*>(QStringLiteral("programProfiles"));
    QVERIFY(button);
    QString opened;
    QTimer::singleShot(100, &window, [&opened] {
        if (auto* dialog = qobject_cast<AppRulesDialog*>(QApplication::activeModalWidget())) {
            opened = dialog->windowTitle();
            dialog->reject();
        }
    });
    button->click();
    QCOMPARE(opened, QStringLiteral("PROGRAM PROFILES"));
}

QTEST_MAIN(MousecfgWidgetTest)
#include "tst_mousecfgwidget.moc"
