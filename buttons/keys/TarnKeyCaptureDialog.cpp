#include "TarnKeyCaptureDialog.h"

#include "KeyCapture.h"
#include "UiContext.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kDialogWidth = 400;
constexpr int kDialogHeight = 258;
constexpr int kButtonIconSize = 30;

std::function<int(TarnKeyCaptureDialog&)>& ExecHook()
{
    static std::function<int(TarnKeyCaptureDialog&)> hook;
    return hook;
}

QToolButton* MakeButton(const QString& objectName, const QString& text, const QString& icon, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setText(text);
    // Only a resource that exists gets set: an empty icon would hide the text.
    if (QFile::exists(icon))
        button->setIcon(QIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setIconSize(QSize(Scaled(kButtonIconSize), Scaled(kButtonIconSize)));
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QStringLiteral("QToolButton{background-color:black;color:white;border-radius:3px;"
                                         "border:1px outset %1;padding:2px 8px;}"
                                         "QToolButton:pressed{background-color:rgb(40,40,40);}"
                                         "QToolButton:disabled{color:rgb(90,90,90);border-color:rgb(70,70,70);}")
                              .arg(AccentCss()));
    QFont font = InterfaceFont();
    font.setBold(true);
    button->setFont(font);
    button->setMinimumSize(Scaled(90), Scaled(34));
    return button;
}

} // namespace

TarnKeyCaptureDialog::TarnKeyCaptureDialog(const QString& title, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint)
    , m_capture(new KeyCapture(KeyCapture::Mode::Dialog, this, this))
{
    setWindowTitle(title);
    setFixedSize(Scaled(kDialogWidth), Scaled(kDialogHeight));
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::StrongFocus);
    m_background = SkinPixmap(QStringLiteral("dlg.png"));

    QFont titleFont = InterfaceFont();
    titleFont.setBold(true);
    titleFont.setPixelSize(qMax(1, Scaled(16)));
    m_titleLabel = new QLabel(title, this);
    m_titleLabel->setObjectName(QStringLiteral("keyDialogTitle"));
    m_titleLabel->setFont(titleFont);
    m_titleLabel->setTextFormat(Qt::PlainText);
    m_titleLabel->setStyleSheet(QStringLiteral("color:white;"));

    QFont keyFont = InterfaceFont();
    keyFont.setBold(true);
    keyFont.setPixelSize(qMax(1, Scaled(15)));
    m_keyLabel = new QLabel(this);
    m_keyLabel->setObjectName(QStringLiteral("keyDialogKeyLabel"));
    m_keyLabel->setFont(keyFont);
    m_keyLabel->setTextFormat(Qt::PlainText);
    m_keyLabel->setAlignment(Qt::AlignCenter);
    m_keyLabel->setFixedHeight(Scaled(46));
    m_keyLabel->setStyleSheet(QStringLiteral("color:white;background-color:rgb(8,8,10);"
                                             "border:1px solid %1;border-radius:3px;")
                                  .arg(AccentCss()));

    m_yesButton = MakeButton(QStringLiteral("msgBoxYesBtn"), QObject::tr("OK"), QStringLiteral(":/yes_Btn"), this);
    m_noButton = MakeButton(QStringLiteral("msgBoxNoBtn"), QObject::tr("Cancel"), QStringLiteral(":/no_Btn"), this);
    connect(m_yesButton, &QToolButton::released, this, &TarnKeyCaptureDialog::accept);
    connect(m_noButton, &QToolButton::released, this, &TarnKeyCaptureDialog::reject);
    connect(m_capture, &KeyCapture::keyEvent, this, &TarnKeyCaptureDialog::onKeyEvent);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_yesButton);
    buttons->addStretch(1);
    buttons->addWidget(m_noButton);
    buttons->addStretch(1);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(Scaled(30), Scaled(22), Scaled(30), Scaled(28));
    outer->setSpacing(0);
    outer->addWidget(m_titleLabel, 0, Qt::AlignHCenter);
    outer->addStretch(1);
    outer->addWidget(m_keyLabel);
    if (IsWaylandSession()) {
        m_noteLabel = new QLabel(QObject::tr(kDesktopShortcutsNote), this);
        m_noteLabel->setObjectName(QStringLiteral("keyDialogNote"));
        m_noteLabel->setWordWrap(true);
        m_noteLabel->setAlignment(Qt::AlignCenter);
        m_noteLabel->setStyleSheet(QStringLiteral("color:rgb(170,170,170);"));
        QFont noteFont = InterfaceFont();
        noteFont.setPixelSize(qMax(1, Scaled(11)));
        m_noteLabel->setFont(noteFont);
        outer->addSpacing(Scaled(4));
        outer->addWidget(m_noteLabel);
    }
    outer->addStretch(1);
    outer->addLayout(buttons);
}

QString TarnKeyCaptureDialog::desktopNote() const
{
    return m_noteLabel ? m_noteLabel->text() : QString();
}

TarnKeyCaptureDialog::~TarnKeyCaptureDialog() = default;

int TarnKeyCaptureDialog::exec()
{
    if (ExecHook()) {
        // Copy first: the hook may replace itself while it runs.
        const std::function<int(TarnKeyCaptureDialog&)> hook = ExecHook();
        const int answer = hook(*this) && hasResult() ? 1 : 0;
        QDialog::done(answer);
        return answer;
    }
    return QDialog::exec() == QDialog::Accepted ? 1 : 0;
}

void TarnKeyCaptureDialog::SetExecHook(std::function<int(TarnKeyCaptureDialog&)> hook)
{
    ExecHook() = std::move(hook);
}

QString TarnKeyCaptureDialog::keyText() const
{
    return m_keyLabel->text();
}

void TarnKeyCaptureDialog::accept()
{
    if (!hasResult())
        return;
    QDialog::accept();
}

void TarnKeyCaptureDialog::done(int result)
{
    // The grab must end before the dialog hides, whatever closes it.
    m_capture->setActive(false);
    QDialog::done(result);
}

void TarnKeyCaptureDialog::setKeyText(const QString& text)
{
    m_keyLabel->setText(text);
}

void TarnKeyCaptureDialog::updateOkButton()
{
    m_yesButton->setEnabled(hasResult());
}

void TarnKeyCaptureDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    updateOkButton();
    m_capture->setActive(true);
}

void TarnKeyCaptureDialog::hideEvent(QHideEvent* event)
{
    m_capture->setActive(false);
    QDialog::hideEvent(event);
}

void TarnKeyCaptureDialog::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_background.isNull())
        painter.drawPixmap(rect(), m_background);
    else
        painter.fillRect(rect(), QColor(22, 22, 24));
    const int frame = qMax(2, Scaled(2));
    QPen pen(AccentQColor(), frame);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal inset = frame / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

void TarnKeyCaptureDialog::onKeyEvent(const HookKeyEvent& event)
{
    const CapturedKey key = TranslateForCapture(event);
    OnHookKey(key.code, key.flags);
    updateOkButton();
}
