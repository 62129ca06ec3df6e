#pragma once

#include "KeyCapture.h"

#include <QAbstractNativeEventFilter>
#include <functional>

// Keys of the whole X11 session, read as XInput2 raw events on the root window; the
// focused window still gets every key, since raw events are copies.
class XcbRawKeys : public QAbstractNativeEventFilter
{
public:
    using Sink = std::function<void(const HookKeyEvent&)>;

    // True on the xcb platform with an X server offering XInput 2.2 or later.
    static bool Available();

    explicit XcbRawKeys(Sink sink);
    ~XcbRawKeys() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, long* result) override;

private:
    Q_DISABLE_COPY(XcbRawKeys)

    Sink m_sink;
    bool m_selected = false;
    bool m_leftAltDown = false;
    bool m_rightAltDown = false;
};
