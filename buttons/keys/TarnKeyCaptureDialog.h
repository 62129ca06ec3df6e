#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <functional>

class KeyCapture;
class QLabel;
class QToolButton;
struct HookKeyEvent;

// The frame both key dialogs share: the message box's skin, a title, the captured-key
// label, OK and Cancel. The keyboard is captured while the dialog is shown.
class TarnKeyCaptureDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnKeyCaptureDialog)

public:
    ~TarnKeyCaptureDialog() override;

    // 1 when accepted, 0 when cancelled.
    int exec() override;
    // Tests answer the dialogs through this: while set, exec() returns its result instead of blocking.
    static void SetExecHook(std::function<int(TarnKeyCaptureDialog&)> hook);

    // Where key events arrive; tests inject events through it.
    KeyCapture* keyCapture() const { return m_capture; }
    QString keyText() const;
    // The note that the desktop may keep its shortcuts; empty outside Wayland.
    QString desktopNote() const;

    // One translated key event (key code and hook flags).
    virtual void OnHookKey(int code, quint32 flags) = 0;

public slots:
    // Without a key there is nothing to store, so OK does nothing then.
    void accept() override;
    void done(int result) override;

protected:
    TarnKeyCaptureDialog(const QString& title, QWidget* parent);

    virtual bool hasResult() const = 0;
    void setKeyText(const QString& text);
    void updateOkButton();

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private slots:
    void onKeyEvent(const HookKeyEvent& event);

private:
    KeyCapture* m_capture = nullptr;
    QPixmap m_background;
    QLabel* m_titleLabel = nullptr;
    QLabel* m_keyLabel = nullptr;
    QLabel* m_noteLabel = nullptr;
    QToolButton* m_yesButton = nullptr;
    QToolButton* m_noButton = nullptr;
};
