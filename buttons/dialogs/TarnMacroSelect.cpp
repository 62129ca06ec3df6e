#include "TarnMacroSelect.h"

#include "MouseSession.h"

#include "MacroNameList.h"
#include "SettingsRecord.h"
#include "TarnMenu.h"
#include "UiContext.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 478;
constexpr int kHeight = 309;
constexpr int kMinLoops = 1;
constexpr int kMaxLoops = 255;

std::function<void(TarnMacroSelect&)>& ExecHook()
{
    static std::function<void(TarnMacroSelect&)> hook;
    return hook;
}

QString ChooserStyleSheet()
{
    return QStringLiteral("QPushButton{border-image:url(%1);color:white;text-align:left;padding-left:%2px;"
                          "padding-right:%3px;}"
                          "QPushButton:hover{color:%4;}"
                          "QPushButton::menu-indicator{image:none;width:0px;}")
        .arg(SkinPath(QStringLiteral("profilesel.png")))
        .arg(Scaled(8))
        .arg(Scaled(30))
        .arg(AccentCss());
}

} // namespace

TarnMacroSelect::TarnMacroSelect(const QString& title, const QString& macroName, int loopCount, int mode,
                                 QWidget* parent)
    : TarnSkinDialog(title, kWidth, kHeight, parent)
{
    build(macroName, loopCount, mode);
}

TarnMacroSelect::TarnMacroSelect(const QString& title, const ButtonRecord& button, int function, QWidget* parent)
    : TarnSkinDialog(title, kWidth, kHeight, parent)
{
    if (button.Fun == function)
        build(button.macroname, button.LoopNumber, button.Res1);
    else
        build(QString(), kMinLoops, PlayCount);
}

TarnMacroSelect::~TarnMacroSelect() = default;

void TarnMacroSelect::build(const QString& macroName, int loopCount, int mode)
{
    const QFont font = InterfaceFont();

    auto* nameCaption = new QLabel(QObject::tr("Macro:"), this);
    nameCaption->setStyleSheet(TextStyleSheet());
    nameCaption->setFont(font);

    m_chooser = new QPushButton(this);
    m_chooser->setObjectName(QStringLiteral("macroChooser"));
    m_chooser->setFixedSize(Scaled(220), Scaled(30));
    m_chooser->setFont(font);
    m_chooser->setStyleSheet(ChooserStyleSheet());
    m_chooser->setFocusPolicy(Qt::NoFocus);
    m_menu = new TarnMenu(m_chooser);
    m_menu->setObjectName(QStringLiteral("macroMenu"));
    for (const QString& name : MacroNames()) {
        QAction* action = m_menu->addAction(name);
        connect(action, &QAction::triggered, this, [this, name] { SelectMacro(name); });
    }
    m_menu->setMinimumWidth(m_chooser->width());
    m_chooser->setMenu(m_menu);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameCaption);
    nameRow->addSpacing(Scaled(12));
    nameRow->addWidget(m_chooser);
    nameRow->addStretch(1);

    // The captions of this dialog, spelled as the users know them.
    const QString captions[kModeCount] = {QObject::tr("LOOPS TIME(1-255)"), QObject::tr("REPEAT RUN WHEN KEY DOWN"),
                                          QObject::tr("REPEAT RUN UNTILL THE KEY DOWN")};
    m_modeGroup = new QButtonGroup(this);
    m_modeGroup->setExclusive(true);
    for (int i = 0; i < kModeCount; ++i) {
        m_modeOptions[i] = MakeOption(captions[i], this);
        m_modeOptions[i]->setObjectName(QStringLiteral("macroMode%1").arg(i));
        m_modeGroup->addButton(m_modeOptions[i], i);
    }
    m_modeOptions[(mode >= 0 && mode < kModeCount) ? mode : PlayCount]->setChecked(true);

    m_loopField = new QLineEdit(this);
    m_loopField->setObjectName(QStringLiteral("macroLoopCount"));
    m_loopField->setMaxLength(3);
    m_loopField->setValidator(new QIntValidator(kMinLoops, kMaxLoops, m_loopField));
    m_loopField->setFixedWidth(Scaled(60));
    m_loopField->setFont(font);
    m_loopField->setStyleSheet(FieldStyleSheet());
    m_loopField->setText(QString::number((loopCount >= kMinLoops && loopCount <= kMaxLoops) ? loopCount : kMinLoops));

    auto* options = new QGridLayout;
    options->setHorizontalSpacing(Scaled(12));
    options->setVerticalSpacing(Scaled(10));
    options->addWidget(m_modeOptions[PlayCount], 0, 0);
    options->addWidget(m_loopField, 0, 1, Qt::AlignLeft);
    options->addWidget(m_modeOptions[RepeatWhileHeld], 1, 0, 1, 2);
    options->addWidget(m_modeOptions[RepeatUntilPressed], 2, 0, 1, 2);
    options->setColumnStretch(1, 1);

    contentLayout()->addStretch(1);
    contentLayout()->addLayout(nameRow);
    contentLayout()->addSpacing(Scaled(6));
    contentLayout()->addLayout(options);
    contentLayout()->addStretch(1);

    SelectMacro(macroName);
}

QCheckBox* TarnMacroSelect::modeOption(int mode) const
{
    return (mode >= 0 && mode < kModeCount) ? m_modeOptions[mode] : nullptr;
}

int TarnMacroSelect::mode() const
{
    const int id = m_modeGroup->checkedId();
    return id < 0 ? PlayCount : id;
}

int TarnMacroSelect::loopCount() const
{
    return m_loopField->text().toInt();
}

void TarnMacroSelect::SelectMacro(const QString& name)
{
    m_selectedName = name;
    m_chooser->setText(name);
}

void TarnMacroSelect::StoreInto(ButtonRecord& button, int function) const
{
    button.Fun = function;
    button.macroname = m_selectedName;
    button.LoopNumber = loopCount();
    button.Res1 = quint8(mode());
}

bool TarnMacroSelect::acceptable()
{
    // A name the list no longer holds would be bound to a macro the mouse never receives.
    if (!ContainsMacroName(m_selectedName)) {
        refuse(QObject::tr("Choose a macro first."));
        return false;
    }
    // A macro longer than the mouse holds would reach it as an empty one.
    const EditResult fits = MouseSession::CheckMacroFits(m_selectedName);
    if (!fits.ok) {
        refuse(fits.text());
        return false;
    }
    if (mode() == PlayCount) {
        const int loops = loopCount();
        if (loops < kMinLoops || loops > kMaxLoops) {
            refuse(QObject::tr("Enter a loop count."));
            m_loopField->setFocus();
            return false;
        }
    }
    return true;
}

int TarnMacroSelect::exec()
{
    const std::function<void(TarnMacroSelect&)> hook = ExecHook();
    return runExec(hook ? std::function<void()>([this, hook] { hook(*this); }) : std::function<void()>());
}

void TarnMacroSelect::SetExecHook(std::function<void(TarnMacroSelect&)> hook)
{
    ExecHook() = std::move(hook);
}
