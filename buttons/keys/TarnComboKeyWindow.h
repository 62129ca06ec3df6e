#pragma once

#include "TarnKeyCaptureDialog.h"

#include <QList>
#include <array>

struct ButtonRecord;

// Assigns a key combination (up to four modifiers and one key) to a mouse button.
// Modifier slots hold 1 for the left key, 2 for the right one, 3 for both.
class TarnComboKeyWindow : public TarnKeyCaptureDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarnComboKeyWindow)

public:
    enum Slot { ShiftSlot, CtrlSlot, WindowsSlot, AltSlot, KeySlot, SlotCount };
    using Slots = std::array<quint8, SlotCount>;
    using SlotCodes = std::array<int, SlotCount>;

    explicit TarnComboKeyWindow(QWidget* parent = nullptr);
    ~TarnComboKeyWindow() override;

    // Shows the record's combination when the button already holds one.
    void presetFrom(const ButtonRecord& button);

    // The combination shown: its slots and the key code of each (left and right name per modifier).
    Slots keySlots() const { return m_result; }
    SlotCodes slotCodes() const;
    // The key codes to store, in slot order: the left key of each modifier used, then the key.
    QList<int> resultCodes() const;
    QString comboText() const { return keyText(); }

    // The keys held right now, and whether all were released since the last combination began.
    Slots heldSlots() const { return m_held; }
    bool isFinished() const { return m_heldCodes.isEmpty(); }

    void OnHookKey(int code, quint32 flags) override;

protected:
    bool hasResult() const override;

private:
    void showResult();

    Slots m_held{};
    Slots m_result{};
    int m_key = 0;
    QList<int> m_heldCodes;
    int m_lastCode = -1;
    quint32 m_lastFlags = 0;
};
