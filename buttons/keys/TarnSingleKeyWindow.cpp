#include "TarnSingleKeyWindow.h"

#include "KeyTables.h"
#include "SettingsRecord.h"

namespace {
constexpr int kSingleKeyFunction = 6;
}

TarnSingleKeyWindow::TarnSingleKeyWindow(QWidget* parent)
    : TarnKeyCaptureDialog(QObject::tr("Single Key"), parent)
{
}

TarnSingleKeyWindow::~TarnSingleKeyWindow() = default;

void TarnSingleKeyWindow::presetFrom(const ButtonRecord& button)
{
    quint8 usage = 0;
    // A stored code the key table does not know could not be written back; it is not shown.
    if (button.Fun != kSingleKeyFunction || !UsageFromCode(button.Res1, usage))
        return;
    m_selectedKey = button.Res1;
    setKeyText(KeyName(m_selectedKey));
    updateOkButton();
}

void TarnSingleKeyWindow::OnHookKey(int code, quint32 flags)
{
    // Auto-repeat delivers the same event again and again.
    if (code == m_lastCode && flags == m_lastFlags)
        return;
    quint8 usage = 0;
    // A key without a device code cannot be assigned.
    if (!UsageFromCode(code, usage))
        return;
    m_lastCode = code;
    m_lastFlags = flags;
    m_selectedKey = code;
    setKeyText(KeyName(code));
    updateOkButton();
}
