#include "GlobalConfig.h"
#include "HidTransport.h"
#include "MousecfgWidget.h"
#include "TarnMessageBox.h"
#include "TestAppDir.h"
#include "VirtualHidBackend.h"
#include "VirtualMouse.h"

#include <QLabel>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QtTest>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

// The tray on a real X server (the test runs under xvfb-run), with this test standing in
// for the desktop's tray manager: its tool tip, its menu in both languages, and the
// low-battery warning it shows where no notification service runs.
class TestTrayWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void trayFollowsTheMouse();

private:
    xcb_connection_t* m_x = nullptr;
};

void TestTrayWindow::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server");
    // A tray manager owns the selection _NET_SYSTEM_TRAY_S<screen>.
    int screen = 0;
    m_x = xcb_connect(nullptr, &screen);
    QVERIFY(!xcb_connection_has_error(m_x));
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(m_x));
    for (int i = 0; i < screen; ++i)
        xcb_screen_next(&it);
    const xcb_window_t owner = xcb_generate_id(m_x);
    xcb_create_window(m_x, XCB_COPY_FROM_PARENT, owner, it.data->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, 0, nullptr);
    const QByteArray name = "_NET_SYSTEM_TRAY_S" + QByteArray::number(screen);
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(m_x, xcb_intern_atom(m_x, 0, uint16_t(name.size()), name.constData()), nullptr);
    QVERIFY(atom);
    xcb_set_selection_owner(m_x, owner, atom->atom, XCB_CURRENT_TIME);
    std::free(atom);
    xcb_flush(m_x);
    QTRY_VERIFY(QSystemTrayIcon::isSystemTrayAvailable());
    // No notification service: the warning goes to the tray.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("XDG_RUNTIME_DIR", QDir::tempPath().toLocal8Bit() + "/mousecfg-no-bus");
}

void TestTrayWindow::cleanupTestCase()
{
    if (m_x)
        xcb_disconnect(m_x);
}

namespace {
void Battery(MousecfgWidget& window, int millivolts)
{
    const int value = millivolts * 240 / 990 + 1;
    window.slotRefreshBatteryStatus(0, quint8(value & 0xFF), quint8(value >> 8));
}

QStringList MenuTexts(const QSystemTrayIcon& tray)
{
    QStringList texts;
    for (const QAction* action : tray.contextMenu()->actions())
        if (!action->isSeparator())
            texts << action->text();
    return texts;
}

// The text of the balloon the tray shows a message in.
QString BalloonText()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && QByteArray(w->metaObject()->className()) == "QBalloonTip")
            for (const QLabel* label : w->findChildren<QLabel*>())
                if (label->text().contains(QLatin1Char('%')))
                    return label->text();
    return QString();
}
} // namespace

void TestTrayWindow::trayFollowsTheMouse()
{
    TestAppDir dir;
    const QString shipped = QStringLiteral(MOUSECFG_SHIPPED_DIR);
    QStringList files = {QStringLiteral("DefaultProfile.bin"), QStringLiteral("Configs/Config.ini"),
                         QStringLiteral("lang/mousecfg_en.qm"), QStringLiteral("lang/mousecfg_fr.qm")};
    for (int i = 1; i <= 5; ++i)
        files << QStringLiteral("Configs/Profile/Profile %1.prof").arg(i);
    for (const QString& file : files) {
        QFile in(shipped + QLatin1Char('/') + file);
        QVERIFY(in.open(QIODevice::ReadOnly));
        dir.write(file, in.readAll());
    }
    qputenv("MOUSECFG_POINTER_SPEED", "fake");
    auto mouse = std::make_shared<VirtualMouse>(QString());
    VirtualHidBackend backend(mouse);
    SetHidBackend(&backend);
    HidTransport::instance().setTiming({1, 20, 1});
    TarnMessageBox::SetAnswerHook([](TarnMessageBox&) { return 1; });
    {
        MousecfgWidget window;
        auto* tray = window.findChild<QSystemTrayIcon*>();
        QVERIFY(tray);

        Battery(window, 3700);
        QCOMPARE(tray->toolTip(), QStringLiteral("X8 Wireless 50%"));
        window.slotRefreshBatteryStatus(0, 0, 0);
        QCOMPARE(tray->toolTip(), QStringLiteral("X8 Wireless MOUSE OFF"));

        // The lowest bar step, then nearly empty: the second warning in the tray's balloon.
        Battery(window, 3150);
        QCOMPARE(tray->toolTip(), QStringLiteral("X8 Wireless 10%"));
        QTRY_VERIFY(BalloonText().contains(QLatin1String("below 15%")));
        Battery(window, 3050);
        QTRY_VERIFY(BalloonText().contains(QLatin1String("below 5%")));

        QVERIFY(MenuTexts(*tray).contains(QStringLiteral("&Program Profiles...")));
        window.switchLanguage(1);
        QVERIFY2(MenuTexts(*tray).contains(QStringLiteral("&Profils par programme...")),
                 qPrintable(MenuTexts(*tray).join(QLatin1Char('|'))));
        QCOMPARE(tray->toolTip(), QStringLiteral("X8 Wireless 10%"));
    }
    TarnMessageBox::SetAnswerHook(nullptr);
    HidTransport::instance().CloseDevice();
    SetHidBackend(nullptr);
}

QTEST_MAIN(TestTrayWindow)
#include "tst_traywindow.moc"
