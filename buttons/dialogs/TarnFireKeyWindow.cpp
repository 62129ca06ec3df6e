#include "TarnFireKeyWindow.h"

#include "KeyCapture.h"
#include "KeyTables.h"
#include "SettingsRecord.h"
#include "TarnLineEdit.h"
#include "UiContext.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 478;
constexpr int kHeight = 309;
constexpr int kFireKeyFunction = 12;
constexpr int kMinNumber = 1;
constexpr int kMaxNumber = 255;

std::function<void(TarnFireKeyWindow&)>& ExecHook()
{
    static std::function<void(TarnFireKeyWindow&)> hook;
    return hook;
}

TarnLineEdit* MakeNumberField(const QString& objectName, int value, QWidget* parent)
{
    auto* field = new TarnLineEdit(parent);
    field->setObjectName(objectName);
    field->setMaxLength(3);
    field->setValidator(new QIntValidator(kMinNumber, kMaxNumber, field));
    field->setText(QString::number(value));
    field->setFixedWidth(Scaled(60));
    field->setFont(InterfaceFont());
    field->setStyleSheet(TarnSkinDialog::FieldStyleSheet());
    return field;
}

QLabel* MakeCaption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(InterfaceFont());
    label->setStyleSheet(TarnSkinDialog::TextStyleSheet());
    return label;
}

} // namespace

TarnFireKeyWindow::TarnFireKeyWindow(QWidget* parent)
    : TarnSkinDialog(QObject::tr("FireKey Setting"), kWidth, kHeight, parent)
{
    build();
    setKind(LeftShot, false);
}

TarnFireKeyWindow::TarnFireKeyWindow(const ButtonRecord& button, QWidget* parent)
    : TarnSkinDialog(QObject::tr("FireKey Setting"), kWidth, kHeight, parent)
{
    build();
    if (button.Fun != kFireKeyFunction) {
        setKind(LeftShot, false);
        return;
    }
    // Values from a file: only what fits the fields is shown, anything else is the default.
    const auto inRange = [](int value) { return value >= kMinNumber && value <= kMaxNumber; };
    m_timesField->setText(QString::number(inRange(button.LoopNumber) ? button.LoopNumber : kDefaultTimes));
    m_delayField->setText(QString::number(inRange(button.KeyNumber) ? button.KeyNumber : kDefaultDelay));
    onNumbersEdited();
    switch (button.Res1) {
    case 0:
    case kLeftShotCode:
        setKind(LeftShot, false);
        break;
    case kRightShotCode:
        setKind(RightShot, false);
        break;
    case kMiddleShotCode:
        setKind(MiddleShot, false);
        break;
    default: {
        setKind(KeyboardShot, true);
        int code = 0;
        if (CodeFromUsage(button.Res1, code))
            showKey(code);
        break;
    }
    }
}

TarnFireKeyWindow::~TarnFireKeyWindow()
{
    // Focus moves while the children go; this part of the dialog must no longer hear of it.
    disconnect(qApp, nullptr, this, nullptr);
}

void TarnFireKeyWindow::build()
{
    const QString captions[kShotKindCount] = {QObject::tr("Left"), QObject::tr("Right"), QObject::tr("Middle"),
                                              QObject::tr("Keyboard Key")};
    m_kindGroup = new QButtonGroup(this);
    m_kindGroup->setExclusive(true);
    for (int i = 0; i < kShotKindCount; ++i) {
        m_kindOptions[i] = MakeOption(captions[i], this);
        m_kindOptions[i]->setObjectName(QStringLiteral("fireKind%1").arg(i));
        m_kindGroup->addButton(m_kindOptions[i], i);
    }
    connect(m_kindGroup, &QButtonGroup::idClicked, this, &TarnFireKeyWindow::onKindClicked);

    m_keyField = new QLineEdit(this);
    m_keyField->setObjectName(QStringLiteral("fireKeyField"));
    m_keyField->setReadOnly(true);
    m_keyField->setFocusPolicy(Qt::StrongFocus);
    m_keyField->setFixedWidth(Scaled(150));
    m_keyField->setFont(InterfaceFont());
    // The captured name is shown, never marked for editing.
    m_keyField->setStyleSheet(FieldStyleSheet() +
                              QStringLiteral("QLineEdit{selection-background-color:transparent;selection-color:white;}"));
    m_keyField->setAlignment(Qt::AlignCenter);

    m_timesField = MakeNumberField(QStringLiteral("fireTimes"), kDefaultTimes, this);
    m_delayField = MakeNumberField(QStringLiteral("fireDelay"), kDefaultDelay, this);
    for (TarnLineEdit* field : {m_timesField, m_delayField}) {
        connect(field, &QLineEdit::textChanged, this, &TarnFireKeyWindow::onNumbersEdited);
        connect(field, &QLineEdit::returnPressed, this, &TarnFireKeyWindow::onNumbersEdited);
    }

    auto* kinds = new QGridLayout;
    kinds->setHorizontalSpacing(Scaled(24));
    kinds->setVerticalSpacing(Scaled(10));
    kinds->addWidget(m_kindOptions[LeftShot], 0, 0);
    kinds->addWidget(m_kindOptions[RightShot], 0, 1);
    kinds->addWidget(m_kindOptions[MiddleShot], 0, 2);
    kinds->addWidget(m_kindOptions[KeyboardShot], 1, 0);
    kinds->addWidget(m_keyField, 1, 1, 1, 2, Qt::AlignLeft);

    auto* numbers = new QHBoxLayout;
    numbers->addWidget(MakeCaption(QObject::tr("Times:"), this));
    numbers->addWidget(m_timesField);
    numbers->addSpacing(Scaled(30));
    numbers->addWidget(MakeCaption(QObject::tr("Delay:"), this));
    numbers->addWidget(m_delayField);
    numbers->addWidget(MakeCaption(QObject::tr("ms"), this));
    numbers->addStretch(1);

    contentLayout()->addStretch(1);
    contentLayout()->addLayout(kinds);
    contentLayout()->addSpacing(Scaled(10));
    contentLayout()->addLayout(numbers);
    if (IsWaylandSession()) {
        auto* note = new QLabel(QObject::tr(kDesktopShortcutsNote), this);
        note->setObjectName(QStringLiteral("fireKeyNote"));
        note->setWordWrap(true);
        note->setStyleSheet(QStringLiteral("color:rgb(170,170,170);"));
        QFont noteFont = InterfaceFont();
        noteFont.setPixelSize(qMax(1, Scaled(11)));
        note->setFont(noteFont);
        contentLayout()->addSpacing(Scaled(6));
        contentLayout()->addWidget(note);
    }
    contentLayout()->addStretch(1);

    m_capture = new KeyCapture(KeyCapture::Mode::Dialog, this, this);
    connect(m_capture, &KeyCapture::keyEvent, this, &TarnFireKeyWindow::onKeyEvent);
    connect(qApp, &QApplication::focusChanged, this, &TarnFireKeyWindow::updateCapture);
}

QCheckBox* TarnFireKeyWindow::kindOption(int kind) const
{
    return (kind >= 0 && kind < kShotKindCount) ? m_kindOptions[kind] : nullptr;
}

QLineEdit* TarnFireKeyWindow::timesField() const
{
    return m_timesField;
}

QLineEdit* TarnFireKeyWindow::delayField() const
{
    return m_delayField;
}

void TarnFireKeyWindow::onKindClicked(int kind)
{
    setKind(kind, true);
}

void TarnFireKeyWindow::setKind(int kind, bool moveFocus)
{
    if (kind < 0 || kind >= kShotKindCount)
        return;
    m_kind = kind;
    m_kindOptions[kind]->setChecked(true);
    // A new choice starts capturing afresh, so the same key can be taken again.
    m_lastCode = -1;
    m_lastFlags = 0;
    if (kind == KeyboardShot) {
        m_keyField->setEnabled(true);
        if (moveFocus) {
            // The event that led here is not a key the user meant to capture.
            m_skipNext = true;
            m_keyField->setFocus(Qt::OtherFocusReason);
        }
    } else {
        m_key = 0;
        m_keyField->clear();
        m_keyField->setEnabled(false);
        m_skipNext = false;
    }
    updateCapture();
}

void TarnFireKeyWindow::showKey(int code)
{
    m_key = code;
    m_keyField->setText(KeyName(code));
}

void TarnFireKeyWindow::updateCapture()
{
    m_capture->setActive(isVisible() && m_kind == KeyboardShot && m_keyField->hasFocus());
}

void TarnFireKeyWindow::onKeyEvent(const HookKeyEvent& event)
{
    // Digits typed into "Times:" and "Delay:" are theirs, not a new fire key.
    if (m_kind != KeyboardShot || !m_keyField->hasFocus())
        return;
    if (m_skipNext) {
        m_skipNext = false;
        return;
    }
    const CapturedKey captured = TranslateForCapture(event);
    if (captured.code == m_lastCode && captured.flags == m_lastFlags)
        return;
    m_lastCode = captured.code;
    m_lastFlags = captured.flags;
    // Only a key the mouse can send may become the fire key.
    quint8 usage = 0;
    if (KeyName(captured.code).isEmpty() || !UsageFromCode(captured.code, usage))
        return;
    showKey(captured.code);
}

void TarnFireKeyWindow::onNumbersEdited()
{
    m_times = m_timesField->text().toInt();
    m_delay = m_delayField->text().toInt();
}

quint8 TarnFireKeyWindow::shotCode() const
{
    switch (m_kind) {
    case LeftShot: return kLeftShotCode;
    case RightShot: return kRightShotCode;
    case MiddleShot: return kMiddleShotCode;
    default: {
        quint8 usage = 0;
        return (m_key != 0 && UsageFromCode(m_key, usage)) ? usage : 0;
    }
    }
}

void TarnFireKeyWindow::StoreInto(ButtonRecord& button) const
{
    button.Fun = kFireKeyFunction;
    button.Res1 = shotCode();
    button.LoopNumber = m_times;
    button.KeyNumber = m_delay;
}

bool TarnFireKeyWindow::acceptable()
{
    if (m_kind == KeyboardShot && shotCode() == 0) {
        refuse(QObject::tr("Press a key first."));
        return false;
    }
    // A burst of no shots, or with no pause, is not something the mouse can be given.
    const auto inRange = [](int value) { return value >= kMinNumber && value <= kMaxNumber; };
    if (!inRange(m_times) || !inRange(m_delay)) {
        refuse(QObject::tr("Enter times and delay from 1 to 255."));
        return false;
    }
    return true;
}

void TarnFireKeyWindow::showEvent(QShowEvent* event)
{
    TarnSkinDialog::showEvent(event);
    updateCapture();
}

void TarnFireKeyWindow::hideEvent(QHideEvent* event)
{
    TarnSkinDialog::hideEvent(event);
    updateCapture();
}

int TarnFireKeyWindow::exec()
{
    const std::function<void(TarnFireKeyWindow&)> hook = ExecHook();
    return runExec(hook ? std::function<void()>([this, hook] { hook(*this); }) : std::function<void()>());
}

void TarnFireKeyWindow::SetExecHook(std::function<void(TarnFireKeyWindow&)> hook)
{
    ExecHook() = std::move(hook);
}
