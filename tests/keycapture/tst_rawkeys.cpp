// Session-wide key recording: on X11, keys sent to another client's focused window reach
// the recorder as raw events and still reach that window; elsewhere only our window counts.
#include "KeyCapture.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QWidget>
#include <QtTest>

#ifdef MOUSECFG_HAVE_XTEST
#include <cstdlib>
#include <xcb/xcb.h>
#include <xcb/xtest.h>
#endif

namespace {

// One key stroke: evdev code and whether it goes down.
struct Stroke
{
    quint32 evdev;
    bool press;
};

// What the hook should report for it.
struct Expected
{
    int scanCode;
    quint32 flags;
    quint32 virtualKey;
};

constexpr quint32 kX11KeycodeOffset = 8;

} // namespace

Q_DECLARE_METATYPE(QVector<Stroke>)
Q_DECLARE_METATYPE(QVector<Expected>)

class RawKeysTest : public QObject
{
    Q_OBJECT

private slots:
    void windowKeysWithoutX11();
    void rawKeysFromAnotherClient_data();
    void rawKeysFromAnotherClient();
    void inactiveCaptureHearsNothing();
};

void RawKeysTest::windowKeysWithoutX11()
{
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        QSKIP("covers the platforms without XInput2");
    QWidget window;
    window.show();
    KeyCapture capture(KeyCapture::Mode::Recording, &window);
    QVERIFY(!capture.isSystemWide());
    QSignalSpy spy(&capture, &KeyCapture::keyEvent);
    capture.setActive(true);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 30 + kX11KeycodeOffset, 0, 0, QStringLiteral("a"));
    QApplication::sendEvent(&window, &press);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<HookKeyEvent>().scanCode, 0x1E);
    QVERIFY(!capture.isSystemWide());
}

#ifdef MOUSECFG_HAVE_XTEST
namespace {

// Another X client with a focused window of its own, typing through XTEST.
class ForeignClient
{
public:
    ForeignClient()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection))
            return;
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        m_window = xcb_generate_id(m_connection);
        const quint32 events = XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE | XCB_EVENT_MASK_EXPOSURE;
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screen->root, 0, 0, 100, 100, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_EVENT_MASK, &events);
        xcb_map_window(m_connection, m_window);
        xcb_flush(m_connection);
        // Focus can only go to a viewable window, so wait for it to be shown.
        for (int i = 0; i < 200; ++i) {
            xcb_generic_event_t* event = xcb_wait_for_event(m_connection);
            const bool exposed = event && (event->response_type & 0x7F) == XCB_EXPOSE;
            std::free(event);
            if (exposed || !event)
                break;
        }
        xcb_set_input_focus(m_connection, XCB_INPUT_FOCUS_POINTER_ROOT, m_window, XCB_CURRENT_TIME);
        xcb_flush(m_connection);
    }
    ~ForeignClient()
    {
        if (m_connection)
            xcb_disconnect(m_connection);
    }
    bool ok() const { return m_connection && !xcb_connection_has_error(m_connection) && m_window; }

    bool hasFocus()
    {
        xcb_get_input_focus_reply_t* reply = xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr);
        const bool focused = reply && reply->focus == m_window;
        std::free(reply);
        return focused;
    }

    void type(const Stroke& stroke)
    {
        xcb_test_fake_input(m_connection, stroke.press ? XCB_KEY_PRESS : XCB_KEY_RELEASE,
                            static_cast<quint8>(stroke.evdev + kX11KeycodeOffset), XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_flush(m_connection);
    }

    // Key events that reached this client's window, as evdev codes, presses positive.
    QVector<int> receivedKeys()
    {
        xcb_aux_sync();
        QVector<int> keys;
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
            const int type = event->response_type & 0x7F;
            if (type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE) {
                const int evdev = reinterpret_cast<xcb_key_press_event_t*>(event)->detail - int(kX11KeycodeOffset);
                keys << (type == XCB_KEY_PRESS ? evdev : -evdev);
            }
            std::free(event);
        }
        return keys;
    }

private:
    void xcb_aux_sync()
    {
        std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    }

    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_window = 0;
};

} // namespace
#endif

void RawKeysTest::rawKeysFromAnotherClient_data()
{
    QTest::addColumn<QVector<Stroke>>("strokes");
    QTest::addColumn<QVector<Expected>>("expected");

    QTest::newRow("letter A down and up")
        << QVector<Stroke>{{30, true}, {30, false}}
        << QVector<Expected>{{0x1E, 0x00, 0}, {0x1E, 0x80, 0}};
    QTest::newRow("right Ctrl carries the extended bit")
        << QVector<Stroke>{{97, true}, {97, false}}
        << QVector<Expected>{{0x1D, 0x01, 0}, {0x1D, 0x81, 0}};
    QTest::newRow("held left Alt marks the letter typed under it")
        << QVector<Stroke>{{56, true}, {48, true}, {48, false}, {56, false}}
        << QVector<Expected>{{0x38, 0x20, 0xA4}, {0x30, 0x20, 0}, {0x30, 0xA0, 0}, {0x38, 0x80, 0xA4}};
    QTest::newRow("right Alt is told apart by its virtual key")
        << QVector<Stroke>{{100, true}, {100, false}}
        << QVector<Expected>{{0x38, 0x21, 0xA5}, {0x38, 0x81, 0xA5}};
}

void RawKeysTest::rawKeysFromAnotherClient()
{
#ifndef MOUSECFG_HAVE_XTEST
    QSKIP("built without XTEST");
#else
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X display (run under xvfb-run with QT_QPA_PLATFORM=xcb)");
    QFETCH(QVector<Stroke>, strokes);
    QFETCH(QVector<Expected>, expected);

    KeyCapture capture(KeyCapture::Mode::Recording, nullptr);
    QVERIFY(capture.isSystemWide());
    ForeignClient other;
    QVERIFY(other.ok());
    QTRY_VERIFY(other.hasFocus());
    QSignalSpy spy(&capture, &KeyCapture::keyEvent);
    capture.setActive(true);
    QTest::qWait(20);

    for (const Stroke& stroke : strokes)
        other.type(stroke);
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), expected.size(), 2000);
    QTest::qWait(50);
    QCOMPARE(spy.count(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const auto event = spy.at(i).at(0).value<HookKeyEvent>();
        QCOMPARE(event.scanCode, expected[i].scanCode);
        QCOMPARE(event.flags, expected[i].flags);
        QCOMPARE(event.virtualKey, expected[i].virtualKey);
        QVERIFY(!event.autoRepeat);
    }

    // The keys were copies: the focused window got every one of them.
    QVector<int> typed;
    for (const Stroke& stroke : strokes)
        typed << (stroke.press ? int(stroke.evdev) : -int(stroke.evdev));
    QCOMPARE(other.receivedKeys(), typed);
#endif
}

void RawKeysTest::inactiveCaptureHearsNothing()
{
#ifndef MOUSECFG_HAVE_XTEST
    QSKIP("built without XTEST");
#else
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X display (run under xvfb-run with QT_QPA_PLATFORM=xcb)");
    // A second capture stopping must not end the first one's session-wide keys.
    KeyCapture first(KeyCapture::Mode::Recording, nullptr);
    QSignalSpy spy(&first, &KeyCapture::keyEvent);
    first.setActive(true);
    {
        KeyCapture second(KeyCapture::Mode::Recording, nullptr);
        QSignalSpy secondSpy(&second, &KeyCapture::keyEvent);
        second.setActive(true);
        second.setActive(false);
        ForeignClient other;
        QVERIFY(other.ok());
        other.type({30, true});
        other.type({30, false});
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 2, 2000);
        QTest::qWait(50);
        QCOMPARE(secondSpy.count(), 0);
    }
    first.setActive(false);
    ForeignClient other;
    QVERIFY(other.ok());
    other.type({30, true});
    other.type({30, false});
    QTest::qWait(100);
    QCOMPARE(spy.count(), 2);
#endif
}

QTEST_MAIN(RawKeysTest)
#include "tst_rawkeys.moc"
