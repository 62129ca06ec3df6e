#include "ButtonDialogsDefault.h"

#include "SettingsRecord.h"
#include "TarnComboKeyWindow.h"
#include "TarnFireKeyWindow.h"
#include "TarnMacroSelect.h"
#include "TarnSingleKeyWindow.h"
#include "TarnSniperWindow.h"

#include <QWidget>

namespace {

constexpr int kSingleKeyFunction = 6;
constexpr int kSniperFunction = 55;

} // namespace

ButtonDialogsDefault::ButtonDialogsDefault(QWidget* parent)
    : m_parent(parent)
{
}

ButtonDialogsDefault::~ButtonDialogsDefault() = default;

bool ButtonDialogsDefault::singleKey(int preset, int& code)
{
    TarnSingleKeyWindow dialog(m_parent);
    if (preset >= 0) {
        ButtonRecord button;
        button.Fun = kSingleKeyFunction;
        button.Res1 = quint8(preset);
        dialog.presetFrom(button);
    }
    if (dialog.exec() != 1)
        return false;
    code = dialog.selectedKey();
    return true;
}

bool ButtonDialogsDefault::comboKey(const ButtonRecord& preset, QVector<int>& codes)
{
    TarnComboKeyWindow dialog(m_parent);
    dialog.presetFrom(preset);
    if (dialog.exec() != 1)
        return false;
    codes = dialog.resultCodes().toVector();
    return true;
}

bool ButtonDialogsDefault::fireKey(const ButtonRecord& preset, int& kind, int& keyCode, int& times, int& delay)
{
    TarnFireKeyWindow dialog(preset, m_parent);
    if (dialog.exec() != 1)
        return false;
    kind = dialog.shotKind();
    keyCode = dialog.key();
    times = dialog.times();
    delay = dialog.delay();
    return true;
}

bool ButtonDialogsDefault::sniper(int preset, int& step)
{
    ButtonRecord button;
    if (preset >= 0) {
        button.Fun = kSniperFunction;
        button.Res1 = quint8(preset);
    }
    TarnSniperWindow dialog(button, m_parent);
    if (dialog.exec() != 1)
        return false;
    step = dialog.step();
    return true;
}

bool ButtonDialogsDefault::macroSelect(bool gun, QString& name, int& loops, int& mode)
{
    const QString title = gun ? QObject::tr("GUNFILE SELECT") : QObject::tr("MACRO SELECT");
    TarnMacroSelect dialog(title, name, loops, mode, m_parent);
    if (dialog.exec() != 1)
        return false;
    name = dialog.selectedName();
    loops = dialog.loopCount();
    mode = dialog.mode();
    return true;
}
