#pragma once

#include "TarnSkinDialog.h"

#include <QtGlobal>
#include <array>
#include <functional>

struct ButtonRecord;
struct HookKeyEvent;
class KeyCapture;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class TarnLineEdit;

// Turns a button into a burst: one press sends a click or a key "Times:" times,
// "Delay:" milliseconds apart.
class TarnFireKeyWindow : public TarnSkinDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnFireKeyWindow)

public:
    enum ShotKind { LeftShot = 0, RightShot = 1, MiddleShot = 2, KeyboardShot = 3 };
    static constexpr int kShotKindCount = 4;
    // What the button record keeps for the three mouse buttons: 0x80 and the button's bit.
    static constexpr quint8 kLeftShotCode = 0x81, kRightShotCode = 0x82, kMiddleShotCode = 0x84;
    static constexpr int kDefaultTimes = 3;
    static constexpr int kDefaultDelay = 100;

    // Defaults: "Left", 3 times, 100 ms.
    explicit TarnFireKeyWindow(QWidget* parent = nullptr);
    // Preset from the button when it already holds the fire key, else the defaults.
    explicit TarnFireKeyWindow(const ButtonRecord& button, QWidget* parent = nullptr);
    ~TarnFireKeyWindow() override;

    int shotKind() const { return m_kind; }
    int key() const { return m_key; }          // key code for the keyboard kind, else 0
    int times() const { return m_times; }      // the fields as numbers; empty text gives 0
    int delay() const { return m_delay; }      // milliseconds
    // The record's Res1: 0x81, 0x82, 0x84 or the key's device code (0 without a key).
    quint8 shotCode() const;

    // Fun = 12, Res1 = shotCode(), LoopNumber = times, KeyNumber = delay.
    void StoreInto(ButtonRecord& button) const;

    KeyCapture* capture() const { return m_capture; }
    QCheckBox* kindOption(int kind) const;
    QLineEdit* keyField() const { return m_keyField; }
    QLineEdit* timesField() const;
    QLineEdit* delayField() const;

    int exec() override;
    // Tests drive the dialog through this instead of an event loop; exec() returns what its clicks decided.
    static void SetExecHook(std::function<void(TarnFireKeyWindow&)> hook);

public slots:
    void onKindClicked(int kind);
    void onKeyEvent(const HookKeyEvent& event);
    void onNumbersEdited();

protected:
    bool acceptable() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private slots:
    void updateCapture();

private:
    void build();
    void setKind(int kind, bool moveFocus);
    void showKey(int code);

    int m_kind = LeftShot;
    int m_key = 0;
    int m_times = kDefaultTimes;
    int m_delay = kDefaultDelay;
    int m_lastCode = -1;
    quint32 m_lastFlags = 0;
    bool m_skipNext = false;

    KeyCapture* m_capture = nullptr;
    QButtonGroup* m_kindGroup = nullptr;
    std::array<QCheckBox*, kShotKindCount> m_kindOptions{};
    QLineEdit* m_keyField = nullptr;
    TarnLineEdit* m_timesField = nullptr;
    TarnLineEdit* m_delayField = nullptr;
};
