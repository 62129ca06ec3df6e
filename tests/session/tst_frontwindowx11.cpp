#include "AppProfileSwitcher.h"
#include "MouseSession.h"
#include "VirtualMouseFixture.h"
#include "X11FrontWindowSource.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

// Two real X windows of different classes on an Xvfb display; making one active as a
// window manager does switches the virtual mouse to its program's profile.
class TestFrontWindowX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void activationSwitchesProfile();

private:
    xcb_window_t createWindow(const QByteArray& instanceAndClass);
    void activate(xcb_window_t window, xcb_atom_t type = XCB_ATOM_WINDOW);
    xcb_atom_t atom(const char* name);

    QProcess m_xvfb;
    QString m_display;
    xcb_connection_t* m_x = nullptr;
    xcb_screen_t* m_screen = nullptr;
};

void TestFrontWindowX11::initTestCase()
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        QSKIP("Xvfb is not installed");
    for (int n = 96; n <= 99 && !m_x; ++n) {
        if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            continue;
        m_display = QStringLiteral(":%1").arg(n);
        m_xvfb.start(xvfb, {m_display, QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-screen"),
                            QStringLiteral("0"), QStringLiteral("320x240x24")});
        for (int i = 0; i < 50 && !m_x && m_xvfb.state() != QProcess::NotRunning; ++i) {
            QTest::qWait(100);
            xcb_connection_t* c = xcb_connect(m_display.toLatin1().constData(), nullptr);
            if (!xcb_connection_has_error(c))
                m_x = c;
            else
                xcb_disconnect(c);
        }
        if (!m_x) {
            m_xvfb.kill();
            m_xvfb.waitForFinished();
        }
    }
    if (!m_x)
        QSKIP("no free display 96-99 for Xvfb");
    m_screen = xcb_setup_roots_iterator(xcb_get_setup(m_x)).data;
}

void TestFrontWindowX11::cleanupTestCase()
{
    if (m_x)
        xcb_disconnect(m_x);
    if (m_xvfb.state() != QProcess::NotRunning) {
        m_xvfb.terminate();
        m_xvfb.waitForFinished();
    }
}

xcb_atom_t TestFrontWindowX11::atom(const char* name)
{
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(m_x, xcb_intern_atom(m_x, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : 0;
    std::free(r);
    return a;
}

xcb_window_t TestFrontWindowX11::createWindow(const QByteArray& instanceAndClass)
{
    const xcb_window_t w = xcb_generate_id(m_x);
    xcb_create_window(m_x, XCB_COPY_FROM_PARENT, w, m_screen->root, 0, 0, 100, 100, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      m_screen->root_visual, 0, nullptr);
    xcb_change_property(m_x, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                        uint32_t(instanceAndClass.size() + 1), instanceAndClass.constData());
    xcb_map_window(m_x, w);
    xcb_flush(m_x);
    return w;
}

void TestFrontWindowX11::activate(xcb_window_t window, xcb_atom_t type)
{
    xcb_change_property(m_x, XCB_PROP_MODE_REPLACE, m_screen->root, atom("_NET_ACTIVE_WINDOW"), type, 32, 1,
                        &window);
    xcb_flush(m_x);
}

void TestFrontWindowX11::activationSwitchesProfile()
{
    VirtualMouseFixture f;
    MouseSession& session = MouseSession::instance();
    session.load();
    QVERIFY(AppProfileSwitcher::AddRule(QStringLiteral("ALPHA"), 2).ok);
    QVERIFY(AppProfileSwitcher::AddRule(QStringLiteral("betaclass"), 3).ok);

    X11FrontWindowSource source(m_display);
    QVERIFY(source.available());
    AppProfileSwitcher switcher;
    connect(&source, &FrontWindowSource::FrontWindowSignal, this,
            [&](const FrontWindow& w) { switcher.frontWindowChanged(w); });

    // WM_CLASS holds instance and class, each ending in NUL.
    const xcb_window_t alpha = createWindow(QByteArray("alpha\0Alpha", 11));
    const xcb_window_t beta = createWindow(QByteArray("beta\0BetaClass", 14));
    QTRY_COMPARE(source.runningClasses(), (QStringList{QStringLiteral("Alpha"), QStringLiteral("BetaClass")}));

    activate(alpha);
    QTRY_COMPARE_WITH_TIMEOUT(int(f.mouse->activeProfile()), 2, 1000);
    QCOMPARE(source.frontWindow().className, QStringLiteral("Alpha"));
    activate(beta);
    QTRY_COMPARE_WITH_TIMEOUT(int(f.mouse->activeProfile()), 3, 1000);
    QCOMPARE(session.activeSlot(), 3);
    // Written as a CARDINAL (xprop's way) it names the window all the same.
    activate(alpha, XCB_ATOM_CARDINAL);
    QTRY_COMPARE_WITH_TIMEOUT(int(f.mouse->activeProfile()), 2, 1000);
}

QTEST_GUILESS_MAIN(TestFrontWindowX11)
#include "tst_frontwindowx11.moc"
