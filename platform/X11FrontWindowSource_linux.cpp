#include "X11FrontWindowSource.h"

#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {
template <typename T>
struct FreeReply
{
    void operator()(T* p) const { std::free(p); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply<T>>;

bool WaylandSession()
{
    return qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}
} // namespace

X11FrontWindowSource::X11FrontWindowSource(const QString& display, QObject* parent) : FrontWindowSource(parent)
{
    qRegisterMetaType<FrontWindow>();
    if (display.isEmpty() && (WaylandSession() || qEnvironmentVariableIsEmpty("DISPLAY")))
        return;
    const QByteArray name = display.toLocal8Bit();
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(name.isEmpty() ? nullptr : name.constData(), &screenNumber);
    if (!c || xcb_connection_has_error(c)) {
        if (c)
            xcb_disconnect(c);
        return;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    if (!it.rem) {
        xcb_disconnect(c);
        return;
    }
    m_connection = c;
    m_root = it.data->root;
    m_activeAtom = intern("_NET_ACTIVE_WINDOW");
    m_pidAtom = intern("_NET_WM_PID");
    m_clientListAtom = intern("_NET_CLIENT_LIST");
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(c, m_root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
    m_notifier = new QSocketNotifier(xcb_get_file_descriptor(c), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &X11FrontWindowSource::onEvents);
}

X11FrontWindowSource::~X11FrontWindowSource()
{
    delete m_notifier;
    if (m_connection)
        xcb_disconnect(m_connection);
}

quint32 X11FrontWindowSource::intern(const char* name) const
{
    Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : 0;
}

bool X11FrontWindowSource::takeEvents(bool queuedOnly)
{
    bool changed = false;
    while (xcb_generic_event_t* event = queuedOnly ? xcb_poll_for_queued_event(m_connection)
                                                    : xcb_poll_for_event(m_connection)) {
        if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
            const auto* p = reinterpret_cast<xcb_property_notify_event_t*>(event);
            changed |= p->window == m_root && p->atom == m_activeAtom;
        }
        std::free(event);
    }
    return changed;
}

void X11FrontWindowSource::onEvents()
{
    if (!m_connection)
        return;
    bool changed = takeEvents(false);
    if (xcb_connection_has_error(m_connection)) {
        // The display went away: nothing more to follow.
        m_notifier->setEnabled(false);
        return;
    }
    // One signal for a burst of events; the receiver ignores a window it has seen. Reading
    // the window's class and pid waits for replies, and events that came with them sit in
    // xcb's queue without the socket waking us again: they are taken here.
    while (changed) {
        emit FrontWindowSignal(frontWindow());
        changed = takeEvents(true);
    }
}

FrontWindow X11FrontWindowSource::frontWindow() const
{
    FrontWindow front;
    if (!m_connection || !m_activeAtom)
        return front;
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, m_root, m_activeAtom, XCB_GET_PROPERTY_TYPE_ANY, 0, 1), nullptr));
    // Window managers store a WINDOW; a CARDINAL (as xprop writes it) names the window as well.
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4)
        return front;
    front.id = *static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    if (front.id == 0)
        return front;
    const QStringList parts = windowClass(front.id);
    front.instanceName = parts.value(0);
    front.className = parts.value(1);
    front.executable = executableOf(front.id, front.pid);
    return front;
}

QStringList X11FrontWindowSource::windowClass(quint32 window) const
{
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 64), nullptr));
    if (!reply || reply->format != 8)
        return {};
    const int length = xcb_get_property_value_length(reply.get());
    if (length <= 0)
        return {};
    // Two NUL-terminated strings, instance then class; the length bounds both.
    const QByteArray bytes(static_cast<const char*>(xcb_get_property_value(reply.get())), length);
    QStringList parts;
    for (const QByteArray& part : bytes.split('\0'))
        if (!part.isEmpty() && parts.size() < 2)
            parts << QString::fromLocal8Bit(part);
    return parts;
}

QString X11FrontWindowSource::executableOf(quint32 window, qint64& pidOut) const
{
    if (!m_pidAtom)
        return QString();
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4)
        return QString();
    const uint32_t pid = *static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    if (pid == 0 || pid > 0x3fffffff)
        return QString();
    pidOut = pid;
    // A window of another host or of an ended program has no readable link: no name.
    const QString target = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    return target.isEmpty() ? QString() : QFileInfo(target).fileName();
}

QStringList X11FrontWindowSource::runningClasses() const
{
    if (!m_connection)
        return {};
    QVector<quint32> windows;
    Reply<xcb_get_property_reply_t> list(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, m_root, m_clientListAtom, XCB_ATOM_WINDOW, 0, 1024), nullptr));
    if (list && list->format == 32) {
        const int n = xcb_get_property_value_length(list.get()) / 4;
        const auto* ids = static_cast<const uint32_t*>(xcb_get_property_value(list.get()));
        for (int i = 0; i < n; ++i)
            windows << ids[i];
    } else {
        // No window manager keeps a list: the root's children.
        Reply<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, m_root), nullptr));
        if (tree) {
            const int n = xcb_query_tree_children_length(tree.get());
            const xcb_window_t* ids = xcb_query_tree_children(tree.get());
            for (int i = 0; i < n; ++i)
                windows << ids[i];
        }
    }
    QStringList classes;
    for (quint32 w : windows) {
        const QString name = windowClass(w).value(1);
        if (!name.isEmpty() && !classes.contains(name, Qt::CaseInsensitive))
            classes << name;
    }
    classes.sort(Qt::CaseInsensitive);
    // Events that arrived with these replies wait in xcb's queue: take them on the next turn.
    QTimer::singleShot(0, const_cast<X11FrontWindowSource*>(this), &X11FrontWindowSource::onEvents);
    return classes;
}
