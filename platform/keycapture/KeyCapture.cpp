#include "KeyCapture.h"
#include "KeyCaptureXcb.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace {

constexpr quint32 kFlagExtended = 0x01;
constexpr quint32 kFlagAltDown = 0x20;
constexpr quint32 kFlagUp = 0x80;
constexpr quint32 kVkLeftAlt = 0xA4;
constexpr quint32 kVkRightAlt = 0xA5;
constexpr quint32 kEvdevLeftAlt = 56;
constexpr quint32 kEvdevRightAlt = 100;
// X11 keycodes are evdev codes shifted by this much.
constexpr quint32 kX11KeycodeOffset = 8;

struct ExtendedKey
{
    quint32 evdev;
    int scanCode;
    bool extended;
};

// Keys whose scan code is not their evdev code, or that carry the extended prefix.
constexpr ExtendedKey kMovedKeys[] = {
    {69, 0x45, true},   // Num Lock is the extended 0x45, Pause the plain one
    {96, 0x1C, true},   // keypad Enter
    {97, 0x1D, true},   // right Ctrl
    {98, 0x35, true},   // keypad slash
    {99, 0x37, true},   // Print Screen
    {100, 0x38, true},  // right Alt
    {102, 0x47, true},  // Home
    {103, 0x48, true},  // Up
    {104, 0x49, true},  // Page Up
    {105, 0x4B, true},  // Left
    {106, 0x4D, true},  // Right
    {107, 0x4F, true},  // End
    {108, 0x50, true},  // Down
    {109, 0x51, true},  // Page Down
    {110, 0x52, true},  // Insert
    {111, 0x53, true},  // Delete
    {119, 0x45, false}, // Pause
    {125, 0x5B, true},  // left Windows
    {126, 0x5C, true},  // right Windows
    {127, 0x5D, true},  // Menu
};

bool IsAltEvdev(quint32 evdev)
{
    return evdev == kEvdevLeftAlt || evdev == kEvdevRightAlt;
}

// Alt held makes the flags of every other key carry 0x20; the key tests below look past it.
quint32 WithoutAltDown(quint32 flags)
{
    return flags & ~kFlagAltDown;
}

bool IsExtendedOnly(quint32 flags)
{
    return flags == kFlagExtended || flags == (kFlagExtended | kFlagUp);
}

bool IsPlain(quint32 flags)
{
    return (flags & ~kFlagUp) == 0;
}

// Codes both translations share: the extended twins and the keypad keys without the prefix.
int SharedScanCode(int scanCode, quint32 keyFlags)
{
    if (IsExtendedOnly(keyFlags)) {
        switch (scanCode) {
        case 0x45: return 225;
        case 0x35: return 226;
        case 0x1C: return 229;
        case 0x1D: return 238;
        default: break;
        }
    }
    if (IsPlain(keyFlags)) {
        switch (scanCode) {
        case 0x53: return 224;
        case 0x37: return 227;
        case 0x49: return 228;
        case 0x4F: return 230;
        case 0x50: return 231;
        case 0x51: return 232;
        case 0x4B: return 233;
        case 0x4D: return 234;
        case 0x47: return 235;
        case 0x48: return 236;
        case 0x52: return 237;
        default: break;
        }
    }
    return scanCode;
}

struct QtKeyToEvdev
{
    int qtKey;
    quint32 evdev;
};

// Without a native code (offscreen, synthetic events) the Qt key stands in; US layout.
constexpr QtKeyToEvdev kMainKeys[] = {
    {Qt::Key_Escape, 1}, {Qt::Key_1, 2}, {Qt::Key_2, 3}, {Qt::Key_3, 4}, {Qt::Key_4, 5},
    {Qt::Key_5, 6}, {Qt::Key_6, 7}, {Qt::Key_7, 8}, {Qt::Key_8, 9}, {Qt::Key_9, 10},
    {Qt::Key_0, 11}, {Qt::Key_Minus, 12}, {Qt::Key_Equal, 13}, {Qt::Key_Backspace, 14},
    {Qt::Key_Tab, 15}, {Qt::Key_Backtab, 15}, {Qt::Key_Q, 16}, {Qt::Key_W, 17}, {Qt::Key_E, 18},
    {Qt::Key_R, 19}, {Qt::Key_T, 20}, {Qt::Key_Y, 21}, {Qt::Key_U, 22}, {Qt::Key_I, 23},
    {Qt::Key_O, 24}, {Qt::Key_P, 25}, {Qt::Key_BracketLeft, 26}, {Qt::Key_BracketRight, 27},
    {Qt::Key_Return, 28}, {Qt::Key_Control, 29}, {Qt::Key_A, 30}, {Qt::Key_S, 31},
    {Qt::Key_D, 32}, {Qt::Key_F, 33}, {Qt::Key_G, 34}, {Qt::Key_H, 35}, {Qt::Key_J, 36},
    {Qt::Key_K, 37}, {Qt::Key_L, 38}, {Qt::Key_Semicolon, 39}, {Qt::Key_Apostrophe, 40},
    {Qt::Key_QuoteLeft, 41}, {Qt::Key_Shift, 42}, {Qt::Key_Backslash, 43}, {Qt::Key_Z, 44},
    {Qt::Key_X, 45}, {Qt::Key_C, 46}, {Qt::Key_V, 47}, {Qt::Key_B, 48}, {Qt::Key_N, 49},
    {Qt::Key_M, 50}, {Qt::Key_Comma, 51}, {Qt::Key_Period, 52}, {Qt::Key_Slash, 53},
    {Qt::Key_Alt, 56}, {Qt::Key_Space, 57}, {Qt::Key_CapsLock, 58}, {Qt::Key_F1, 59},
    {Qt::Key_F2, 60}, {Qt::Key_F3, 61}, {Qt::Key_F4, 62}, {Qt::Key_F5, 63}, {Qt::Key_F6, 64},
    {Qt::Key_F7, 65}, {Qt::Key_F8, 66}, {Qt::Key_F9, 67}, {Qt::Key_F10, 68},
    {Qt::Key_NumLock, 69}, {Qt::Key_ScrollLock, 70}, {Qt::Key_F11, 87}, {Qt::Key_F12, 88},
    {Qt::Key_AltGr, 100}, {Qt::Key_Print, 99}, {Qt::Key_Home, 102}, {Qt::Key_Up, 103},
    {Qt::Key_PageUp, 104}, {Qt::Key_Left, 105}, {Qt::Key_Right, 106}, {Qt::Key_End, 107},
    {Qt::Key_Down, 108}, {Qt::Key_PageDown, 109}, {Qt::Key_Insert, 110}, {Qt::Key_Delete, 111},
    {Qt::Key_Pause, 119}, {Qt::Key_Meta, 125}, {Qt::Key_Super_L, 125}, {Qt::Key_Super_R, 126},
    {Qt::Key_Menu, 127},
};

constexpr QtKeyToEvdev kKeypadKeys[] = {
    {Qt::Key_Enter, 96}, {Qt::Key_Slash, 98}, {Qt::Key_Asterisk, 55}, {Qt::Key_Minus, 74},
    {Qt::Key_Plus, 78}, {Qt::Key_7, 71}, {Qt::Key_Home, 71}, {Qt::Key_8, 72}, {Qt::Key_Up, 72},
    {Qt::Key_9, 73}, {Qt::Key_PageUp, 73}, {Qt::Key_4, 75}, {Qt::Key_Left, 75},
    {Qt::Key_5, 76}, {Qt::Key_Clear, 76}, {Qt::Key_6, 77}, {Qt::Key_Right, 77},
    {Qt::Key_1, 79}, {Qt::Key_End, 79}, {Qt::Key_2, 80}, {Qt::Key_Down, 80},
    {Qt::Key_3, 81}, {Qt::Key_PageDown, 81}, {Qt::Key_0, 82}, {Qt::Key_Insert, 82},
    {Qt::Key_Period, 83}, {Qt::Key_Comma, 83}, {Qt::Key_Delete, 83},
};

bool EvdevFromQtKey(const QKeyEvent& event, quint32& evdev)
{
    const int key = event.key();
    if (event.modifiers() & Qt::KeypadModifier) {
        for (const QtKeyToEvdev& entry : kKeypadKeys) {
            if (entry.qtKey == key) {
                evdev = entry.evdev;
                return true;
            }
        }
    }
    if (key == Qt::Key_Enter) {
        evdev = 96;
        return true;
    }
    for (const QtKeyToEvdev& entry : kMainKeys) {
        if (entry.qtKey == key) {
            evdev = entry.evdev;
            return true;
        }
    }
    return false;
}

bool EvdevOf(const QKeyEvent& event, quint32& evdev)
{
    const quint32 keycode = event.nativeScanCode();
    if (keycode >= kX11KeycodeOffset) {
        evdev = keycode - kX11KeycodeOffset;
        return true;
    }
    return EvdevFromQtKey(event, evdev);
}

// Where a window delivers its keys: the grabbing widget, else the focus widget, else the window.
QWidget* FirstKeyReceiver(QWidget* widget)
{
    if (QWidget* grabber = QWidget::keyboardGrabber())
        return grabber;
    QWidget* window = widget->window();
    if (QWidget* focus = window->focusWidget())
        return focus;
    return window;
}

} // namespace

bool EvdevToHookKey(quint32 evdevCode, bool release, bool altDown, HookKeyEvent& out)
{
    int scanCode = 0;
    bool extended = false;
    if ((evdevCode >= 1 && evdevCode <= 83 && evdevCode != 69) || evdevCode == 86 || evdevCode == 87
        || evdevCode == 88) {
        scanCode = int(evdevCode);
    } else {
        for (const ExtendedKey& key : kMovedKeys) {
            if (key.evdev == evdevCode) {
                scanCode = key.scanCode;
                extended = key.extended;
                break;
            }
        }
    }
    if (scanCode == 0)
        return false;

    HookKeyEvent event;
    event.scanCode = scanCode;
    if (extended)
        event.flags |= kFlagExtended;
    if (release)
        event.flags |= kFlagUp;
    // An Alt key reports Alt down on its own press, and no longer on its release.
    const bool altFlag = IsAltEvdev(evdevCode) ? !release || altDown : altDown;
    if (altFlag)
        event.flags |= kFlagAltDown;
    if (evdevCode == kEvdevLeftAlt)
        event.virtualKey = kVkLeftAlt;
    else if (evdevCode == kEvdevRightAlt)
        event.virtualKey = kVkRightAlt;
    out = event;
    return true;
}

bool QtKeyEventToHookKey(const QKeyEvent& event, HookKeyEvent& out)
{
    quint32 evdev = 0;
    if (!EvdevOf(event, evdev))
        return false;
    const bool release = event.type() == QEvent::KeyRelease;
    // The modifiers of an Alt key's own release still name Alt; the hook's do not.
    const bool altDown = (event.modifiers() & Qt::AltModifier) && !(release && IsAltEvdev(evdev));
    HookKeyEvent hook;
    if (!EvdevToHookKey(evdev, release, altDown, hook))
        return false;
    hook.autoRepeat = event.isAutoRepeat();
    out = hook;
    return true;
}

CapturedKey TranslateForCapture(const HookKeyEvent& event)
{
    const quint32 keyFlags = WithoutAltDown(event.flags);
    CapturedKey key;
    key.flags = event.flags;
    if (event.scanCode == 0x38)
        key.code = IsExtendedOnly(keyFlags) ? 239 : 0x38;
    else
        key.code = SharedScanCode(event.scanCode, keyFlags);
    return key;
}

CapturedKey TranslateForRecording(const HookKeyEvent& event)
{
    quint32 flags = event.flags;
    // A press with Alt held counts as a press; only its extended bit still tells the twins apart.
    if (!(flags & kFlagUp) && (flags & kFlagAltDown))
        flags &= kFlagExtended;
    CapturedKey key;
    key.flags = flags;
    if (event.scanCode == 0x38)
        key.code = event.virtualKey == kVkRightAlt ? 239 : 0x38;
    else
        key.code = SharedScanCode(event.scanCode, WithoutAltDown(flags));
    return key;
}

class KeyCapture::Private
{
public:
    QPointer<QWidget> window;
    bool filtering = false;
    bool grabbed = false;
    bool leftAltDown = false;
    bool rightAltDown = false;
    std::unique_ptr<XcbRawKeys> rawKeys;
};

KeyCapture::KeyCapture(Mode mode, QWidget* window, QObject* parent)
    : QObject(parent)
    , m_mode(mode)
    , m_window(window)
    , d(new Private)
{
    qRegisterMetaType<HookKeyEvent>("HookKeyEvent");
    d->window = window;
}

KeyCapture::~KeyCapture()
{
    setActive(false);
    delete d;
}

void KeyCapture::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    d->leftAltDown = false;
    d->rightAltDown = false;
    if (active) {
        // Session-wide keys replace the window's own, which would otherwise count twice.
        if (m_mode == Mode::Recording && XcbRawKeys::Available()) {
            d->rawKeys = std::make_unique<XcbRawKeys>([this](const HookKeyEvent& event) {
                if (m_active)
                    emit keyEvent(event);
            });
            return;
        }
        if (qApp && !d->filtering) {
            qApp->installEventFilter(this);
            d->filtering = true;
        }
        if (m_mode == Mode::Dialog && d->window) {
            d->window->grabKeyboard();
            d->grabbed = true;
        }
    } else {
        d->rawKeys.reset();
        if (qApp && d->filtering)
            qApp->removeEventFilter(this);
        d->filtering = false;
        if (d->grabbed && d->window)
            d->window->releaseKeyboard();
        d->grabbed = false;
    }
}

const char* const kDesktopShortcutsNote =
    QT_TRANSLATE_NOOP("QObject", "Under Wayland the desktop may keep its own shortcuts (such as Alt+Tab or Super).");

bool IsWaylandSession()
{
    return qEnvironmentVariable("XDG_SESSION_TYPE").compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

bool KeyCapture::isSystemWide() const
{
    if (m_mode == Mode::Recording)
        return XcbRawKeys::Available();
    // A keyboard grab on X11 takes every key of the session, Alt+Tab and Super included.
    return m_mode == Mode::Dialog && m_active && d->grabbed
        && QGuiApplication::platformName() == QLatin1String("xcb");
}

void KeyCapture::inject(const HookKeyEvent& event)
{
    emit keyEvent(event);
}

bool KeyCapture::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_active)
        return false;
    const QEvent::Type type = event->type();
    // Re-take the grab once the dialog's window is active: X11 refuses it before mapping.
    if (type == QEvent::WindowActivate && m_mode == Mode::Dialog && d->window && watched == d->window) {
        d->window->grabKeyboard();
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    // Key events reach the QWindow first and the widget after; only the widget delivery counts.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    const bool dialog = m_mode == Mode::Dialog;
    if (dialog && (!d->window || widget->window() != d->window->window()))
        return false;
    // An ignored key travels on to the parents; only its first receiver counts.
    if (!dialog && widget != FirstKeyReceiver(widget))
        return false;

    if (type == QEvent::ShortcutOverride) {
        if (!dialog)
            return false;
        // Claiming the key keeps shortcuts of the application from firing while capturing.
        event->accept();
        return true;
    }

    auto* key = static_cast<QKeyEvent*>(event);
    // X11 repeats a held key as release+press pairs; the hook only ever sees repeated presses.
    if (key->isAutoRepeat() && type == QEvent::KeyRelease)
        return dialog;

    HookKeyEvent hook;
    if (QtKeyEventToHookKey(*key, hook)) {
        const bool release = hook.flags & kFlagUp;
        if (hook.scanCode == 0x38) {
            bool& self = hook.virtualKey == kVkRightAlt ? d->rightAltDown : d->leftAltDown;
            self = !release;
        }
        if (d->leftAltDown || d->rightAltDown)
            hook.flags |= kFlagAltDown;
        else if (hook.scanCode == 0x38 && release)
            hook.flags &= ~kFlagAltDown;
        emit keyEvent(hook);
    }
    if (!dialog)
        return false;
    key->accept();
    return true;
}
