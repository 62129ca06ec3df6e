#pragma once

#include <QObject>
#include <QtGlobal>

class QKeyEvent;
class QWidget;

// A key event in the terms the key tables use: the PC scan code (set 1) without the
// extended prefix, the flag bits a keyboard hook reports (0x01 extended, 0x10 injected,
// 0x20 Alt down, 0x80 key up) and, where it matters, the virtual-key code (0xA5 right Alt).
struct HookKeyEvent
{
    int scanCode = 0;
    quint32 flags = 0;
    quint32 virtualKey = 0;
    bool autoRepeat = false;
};

// A translated key: the program's key code (1..93, 224..239) and the event's flags.
struct CapturedKey
{
    int code = 0;
    quint32 flags = 0;
};

// Linux evdev key code (X11 keycode - 8) and state → what the hook reports for that key.
// False for a key without a scan code of its own (media keys and the like).
bool EvdevToHookKey(quint32 evdevCode, bool release, bool altDown, HookKeyEvent& out);
// A Qt key event (its native scan code is the X11 keycode) → hook terms.
bool QtKeyEventToHookKey(const QKeyEvent& event, HookKeyEvent& out);

// True in a Wayland session (the program then runs through XWayland): keys typed into
// Wayland windows never reach it, and a keyboard grab does not keep the desktop's shortcuts.
bool IsWaylandSession();
// What the capture dialogs say there (untranslated, context "QObject").
extern const char* const kDesktopShortcutsNote;

// The capture dialogs' translation (single key, combination, fire key).
CapturedKey TranslateForCapture(const HookKeyEvent& event);
// The macro recorder's translation (Alt presses lose their flags first).
CapturedKey TranslateForRecording(const HookKeyEvent& event);

// Delivers key events while active. Dialogs grab the keyboard while they run, so keys
// such as Alt+Tab reach them; nothing is swallowed while no capture is active.
class KeyCapture : public QObject
{
    Q_OBJECT

public:
    enum class Mode {
        Dialog,     // keys that reach `window`, with the keyboard grabbed while active
        Recording,  // on X11 with XInput2 every key of the session, else keys reaching our windows; never swallowed
    };

    KeyCapture(Mode mode, QWidget* window, QObject* parent = nullptr);
    ~KeyCapture() override;

    void setActive(bool active);
    bool isActive() const { return m_active; }
    // Whether keys pressed in other windows are seen (false: only keys reaching our window).
    bool isSystemWide() const;

    // Tests and other sources feed events here; they are delivered as if captured.
    void inject(const HookKeyEvent& event);

signals:
    void keyEvent(const HookKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Q_DISABLE_COPY(KeyCapture)

    Mode m_mode;
    QWidget* m_window;
    bool m_active = false;
    class Private;
    Private* d = nullptr;
};

Q_DECLARE_METATYPE(HookKeyEvent)
