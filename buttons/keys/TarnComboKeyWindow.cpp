#include "TarnComboKeyWindow.h"

#include "KeyTables.h"
#include "SettingsRecord.h"

#include <QDebug>
#include <QStringList>

namespace {

constexpr int kComboKeyFunction = 7;
constexpr int kPresetEntries = 5;
constexpr quint8 kLeftHeld = 1;
constexpr quint8 kRightHeld = 2;
constexpr quint32 kKeyUpFlag = 0x80;

struct ModifierPair
{
    int left;
    int right;
};

// Shift, Ctrl, Windows, Alt: the slot order of the combination.
constexpr ModifierPair kModifiers[TarnComboKeyWindow::KeySlot] = {
    {42, 54}, {29, KeyCodes::RCtrl}, {91, 92}, {56, KeyCodes::RAlt}};

// The modifier slot of code and the bit it sets there; -1 for any other key.
int ModifierSlot(int code, quint8& bit)
{
    for (int slot = 0; slot < TarnComboKeyWindow::KeySlot; ++slot) {
        if (kModifiers[slot].left == code) {
            bit = kLeftHeld;
            return slot;
        }
        if (kModifiers[slot].right == code) {
            bit = kRightHeld;
            return slot;
        }
    }
    return -1;
}

} // namespace

TarnComboKeyWindow::TarnComboKeyWindow(QWidget* parent)
    : TarnKeyCaptureDialog(QObject::tr("Combo Key"), parent)
{
}

TarnComboKeyWindow::~TarnComboKeyWindow() = default;

void TarnComboKeyWindow::presetFrom(const ButtonRecord& button)
{
    if (button.Fun != kComboKeyFunction)
        return;
    Slots preset{};
    int key = 0;
    for (int i = 0; i < kPresetEntries; ++i) {
        const int usage = button.KeyInfo[i].map;
        int code = 0;
        if (usage == 0 || !CodeFromUsage(usage, code))
            continue;
        quint8 bit = 0;
        const int slot = ModifierSlot(code, bit);
        // A press and its release both name the key; it is held once.
        if (slot >= 0) {
            preset[slot] |= bit;
        } else {
            preset[KeySlot] = 1;
            key = code;
        }
    }
    m_result = preset;
    m_key = key;
    showResult();
    updateOkButton();
}

TarnComboKeyWindow::SlotCodes TarnComboKeyWindow::slotCodes() const
{
    SlotCodes codes{};
    // A combination stores the left key of each modifier, so that is the one shown.
    for (int slot = 0; slot < KeySlot; ++slot)
        codes[slot] = kModifiers[slot].left;
    codes[KeySlot] = m_key;
    return codes;
}

QList<int> TarnComboKeyWindow::resultCodes() const
{
    QList<int> codes;
    for (int slot = 0; slot < KeySlot; ++slot) {
        if (m_result[slot])
            codes.append(kModifiers[slot].left);
    }
    if (m_result[KeySlot] && m_key)
        codes.append(m_key);
    return codes;
}

bool TarnComboKeyWindow::hasResult() const
{
    return !resultCodes().isEmpty();
}

void TarnComboKeyWindow::OnHookKey(int code, quint32 flags)
{
    qDebug("ComboKey %d %u", code, flags);
    if (code == m_lastCode && flags == m_lastFlags)
        return;
    quint8 usage = 0;
    // A key without a device code cannot be part of a stored combination.
    if (!UsageFromCode(code, usage))
        return;
    m_lastCode = code;
    m_lastFlags = flags;

    quint8 bit = 0;
    const int slot = ModifierSlot(code, bit);
    if (!(flags & kKeyUpFlag)) {
        // The first press after everything was released begins a new combination.
        if (m_heldCodes.isEmpty()) {
            m_held = Slots{};
            m_result = Slots{};
        }
        if (!m_heldCodes.contains(code))
            m_heldCodes.append(code);
        if (slot >= 0) {
            m_held[slot] |= bit;
        } else {
            m_held[KeySlot] = 1;
            m_key = code;
        }
        m_result = m_held;
        showResult();
        return;
    }

    // Releases only clear what they held, so a key pressed before the dialog opened cannot underflow a slot.
    m_heldCodes.removeAll(code);
    if (slot >= 0) {
        m_held[slot] &= quint8(~bit);
    } else {
        // Another key still down stays the combination's key.
        m_held[KeySlot] = 0;
        for (int held : m_heldCodes) {
            quint8 heldBit = 0;
            if (ModifierSlot(held, heldBit) < 0) {
                m_held[KeySlot] = 1;
                m_key = held;
            }
        }
    }
}

void TarnComboKeyWindow::showResult()
{
    const SlotCodes codes = slotCodes();
    QStringList names;
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (m_result[slot] && codes[slot])
            names.append(KeyName(codes[slot]));
    }
    setKeyText(names.join(QStringLiteral(" + ")));
}
