#include "KeyCaptureXcb.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QGuiApplication>

#ifdef MOUSECFG_HAVE_XINPUT
#include <QX11Info>
#include <cstdlib>
#include <xcb/xcb.h>
#include <xcb/xinput.h>
#endif

namespace {

#ifdef MOUSECFG_HAVE_XINPUT
constexpr quint32 kEvdevLeftAlt = 56;
constexpr quint32 kEvdevRightAlt = 100;
constexpr quint32 kX11KeycodeOffset = 8;

// Several captures may be active at once; the root window's selection is shared by all.
int g_selectors = 0;

xcb_connection_t* Connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !QX11Info::isPlatformX11())
        return nullptr;
    return QX11Info::connection();
}

// The XInput major opcode, or 0 when the server lacks XInput 2.2.
quint8 XinputOpcode(xcb_connection_t* connection)
{
    static xcb_connection_t* probed = nullptr;
    static quint8 opcode = 0;
    if (probed == connection)
        return opcode;
    probed = connection;
    opcode = 0;
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_input_id);
    if (!extension || !extension->present)
        return 0;
    xcb_input_xi_query_version_reply_t* version = xcb_input_xi_query_version_reply(
        connection, xcb_input_xi_query_version(connection, 2, 2), nullptr);
    if (version && (version->major_version > 2 || (version->major_version == 2 && version->minor_version >= 2)))
        opcode = extension->major_opcode;
    std::free(version);
    return opcode;
}

void SelectRawKeys(xcb_connection_t* connection, bool on)
{
    struct {
        xcb_input_event_mask_t head;
        quint32 mask;
    } mask;
    mask.head.deviceid = XCB_INPUT_DEVICE_ALL_MASTER;
    mask.head.mask_len = 1;
    mask.mask = on ? (XCB_INPUT_XI_EVENT_MASK_RAW_KEY_PRESS | XCB_INPUT_XI_EVENT_MASK_RAW_KEY_RELEASE) : 0;
    const xcb_window_t root = static_cast<xcb_window_t>(QX11Info::appRootWindow());
    xcb_input_xi_select_events(connection, root, 1, &mask.head);
    xcb_flush(connection);
}
#endif

} // namespace

bool XcbRawKeys::Available()
{
#ifdef MOUSECFG_HAVE_XINPUT
    xcb_connection_t* connection = Connection();
    return connection && XinputOpcode(connection) != 0;
#else
    return false;
#endif
}

XcbRawKeys::XcbRawKeys(Sink sink)
    : m_sink(std::move(sink))
{
#ifdef MOUSECFG_HAVE_XINPUT
    xcb_connection_t* connection = Connection();
    if (!connection || XinputOpcode(connection) == 0)
        return;
    if (g_selectors++ == 0)
        SelectRawKeys(connection, true);
    m_selected = true;
    QCoreApplication::instance()->installNativeEventFilter(this);
#endif
}

XcbRawKeys::~XcbRawKeys()
{
#ifdef MOUSECFG_HAVE_XINPUT
    if (!m_selected)
        return;
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    xcb_connection_t* connection = Connection();
    if (--g_selectors == 0 && connection)
        SelectRawKeys(connection, false);
#endif
}

bool XcbRawKeys::nativeEventFilter(const QByteArray& eventType, void* message, long* result)
{
    Q_UNUSED(result)
#ifdef MOUSECFG_HAVE_XINPUT
    if (eventType != "xcb_generic_event_t" || !message)
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_GE_GENERIC)
        return false;
    const auto* generic = static_cast<const xcb_ge_generic_event_t*>(message);
    xcb_connection_t* connection = Connection();
    if (!connection || generic->extension != XinputOpcode(connection))
        return false;
    if (generic->event_type != XCB_INPUT_RAW_KEY_PRESS && generic->event_type != XCB_INPUT_RAW_KEY_RELEASE)
        return false;
    const auto* raw = static_cast<const xcb_input_raw_key_press_event_t*>(message);
    // Keycodes below the offset are not keys of any keyboard; the subtraction must not wrap.
    if (raw->detail < kX11KeycodeOffset)
        return false;
    const quint32 evdev = raw->detail - kX11KeycodeOffset;
    const bool release = generic->event_type == XCB_INPUT_RAW_KEY_RELEASE;
    if (evdev == kEvdevLeftAlt)
        m_leftAltDown = !release;
    else if (evdev == kEvdevRightAlt)
        m_rightAltDown = !release;
    HookKeyEvent hook;
    if (EvdevToHookKey(evdev, release, m_leftAltDown || m_rightAltDown, hook)) {
        hook.autoRepeat = raw->flags & XCB_INPUT_KEY_EVENT_FLAGS_KEY_REPEAT;
        if (m_sink)
            m_sink(hook);
    }
#else
    Q_UNUSED(eventType)
    Q_UNUSED(message)
#endif
    // Raw events are copies for us alone; the focused window has its own key event.
    return false;
}
