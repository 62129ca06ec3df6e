#pragma once

#include "TarnKeyCaptureDialog.h"

struct ButtonRecord;

// Assigns one keyboard key to a mouse button: the key of the last event pressed or released.
class TarnSingleKeyWindow : public TarnKeyCaptureDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnSingleKeyWindow)

public:
    explicit TarnSingleKeyWindow(QWidget* parent = nullptr);
    ~TarnSingleKeyWindow() override;

    // Shows the record's key when the button already holds a single key.
    void presetFrom(const ButtonRecord& button);

    // The chosen key code; 0 while none.
    int selectedKey() const { return m_selectedKey; }

    void OnHookKey(int code, quint32 flags) override;

protected:
    bool hasResult() const override { return m_selectedKey != 0; }

private:
    int m_lastCode = -1;
    quint32 m_lastFlags = 0;
    int m_selectedKey = 0;
};
