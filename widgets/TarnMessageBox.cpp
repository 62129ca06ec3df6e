#include "TarnMessageBox.h"

#include "UiContext.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kBoxWidth = 478;
constexpr int kBoxHeight = 309;
constexpr int kIconSize = 45;
constexpr int kButtonIconSize = 30;
constexpr int kPlugInCheckMs = 100;

std::function<int(TarnMessageBox&)>& AnswerHook()
{
    static std::function<int(TarnMessageBox&)> hook;
    return hook;
}

QString ButtonStyleSheet()
{
    return QStringLiteral("QToolButton{background-color:black;color:white;border-radius:3px;"
                          "border:1px outset %1;padding:2px 8px;}"
                          "QToolButton:pressed{background-color:rgb(40,40,40);}")
        .arg(AccentCss());
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
    button->setStyleSheet(ButtonStyleSheet());
    QFont font = InterfaceFont();
    font.setBold(true);
    button->setFont(font);
    button->setMinimumSize(Scaled(90), Scaled(34));
    return button;
}

} // namespace

TarnMessageBox::TarnMessageBox(int style, const QString& title, const QString& text1, const QString& text2,
                               QWidget* parent, bool plugIn, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_style(style)
    , m_text1(text1)
    , m_text2(text2)
{
    setWindowTitle(title);
    setFixedSize(Scaled(kBoxWidth), Scaled(kBoxHeight));
    setAttribute(Qt::WA_TranslucentBackground);
    m_background = SkinPixmap(QStringLiteral("dlg.png"));

    m_iconLabel = new QLabel(this);
    m_iconLabel->setFixedSize(Scaled(kIconSize), Scaled(kIconSize));
    m_iconLabel->setPixmap(iconPixmap());

    QFont textFont(QStringLiteral("Consolas"));
    textFont.setStyleHint(QFont::TypeWriter);
    textFont.setBold(true);
    textFont.setPixelSize(qMax(1, Scaled(14)));
    m_label1 = new QLabel(text1, this);
    m_label1->setObjectName(QStringLiteral("msgBoxInfoLabel1"));
    m_label2 = new QLabel(text2, this);
    m_label2->setObjectName(QStringLiteral("msgBoxInfoLabel2"));
    for (QLabel* label : {m_label1, m_label2}) {
        label->setFont(textFont);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        // A message may hold a command to type elsewhere: it can be selected and copied.
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    m_label1->setStyleSheet(QStringLiteral("color:white;"));
    m_label2->setStyleSheet(QStringLiteral("color:rgb(200,200,200);"));
    m_label2->setVisible(!text2.isEmpty());

    m_yesButton = MakeButton(QStringLiteral("msgBoxYesBtn"), style == Question ? tr("Yes") : tr("Ok"),
                             QStringLiteral(":/yes_Btn"), this);
    connect(m_yesButton, &QToolButton::released, this, &QDialog::accept);
    if (style == Question) {
        m_noButton = MakeButton(QStringLiteral("msgBoxNoBtn"), tr("No"), QStringLiteral(":/no_Btn"), this);
        connect(m_noButton, &QToolButton::released, this, &QDialog::reject);
    }

    auto* textBlock = new QVBoxLayout;
    textBlock->addStretch(1);
    textBlock->addWidget(m_label1);
    textBlock->addSpacing(Scaled(8));
    textBlock->addWidget(m_label2);
    textBlock->addStretch(1);

    auto* upper = new QHBoxLayout;
    upper->addSpacing(Scaled(30));
    upper->addWidget(m_iconLabel, 0, Qt::AlignVCenter);
    upper->addSpacing(Scaled(30));
    upper->addLayout(textBlock, 1);
    upper->addSpacing(Scaled(30));

    auto* lower = new QHBoxLayout;
    lower->addStretch(1);
    lower->addWidget(m_yesButton);
    if (m_noButton) {
        lower->addStretch(1);
        lower->addWidget(m_noButton);
    }
    lower->addStretch(1);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addLayout(upper, 1);
    outer->addLayout(lower);
    outer->addSpacing(Scaled(30));

    if (plugIn) {
        m_plugInTimer = new QTimer(this);
        connect(m_plugInTimer, &QTimer::timeout, this, &TarnMessageBox::GetPlugInSignal);
        m_plugInTimer->start(kPlugInCheckMs);
    }
}

TarnMessageBox::~TarnMessageBox() = default;

int TarnMessageBox::exec()
{
    if (AnswerHook()) {
        // Copy first: the hook may replace itself while it runs.
        const std::function<int(TarnMessageBox&)> hook = AnswerHook();
        const int answer = hook(*this) ? 1 : 0;
        if (m_plugInTimer)
            m_plugInTimer->stop();
        done(answer);
        return answer;
    }
    return QDialog::exec() == QDialog::Accepted ? 1 : 0;
}

int TarnMessageBox::Show(int style, const QString& title, const QString& text1, const QString& text2,
                         QWidget* parent, bool plugIn)
{
    TarnMessageBox box(style, title, text1, text2, parent, plugIn);
    return box.exec();
}

void TarnMessageBox::SetAnswerHook(std::function<int(TarnMessageBox&)> hook)
{
    AnswerHook() = std::move(hook);
}

void TarnMessageBox::GetPlugInSignal()
{
    if (ConnectedMouseCount() == 0)
        return;
    m_closedByItself = true;
    m_plugInTimer->stop();
    accept();
}

void TarnMessageBox::paintEvent(QPaintEvent* event)
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

QPixmap TarnMessageBox::iconPixmap() const
{
    const int side = Scaled(kIconSize);
    const QPixmap skin = SkinPixmap(m_style == Dongle ? QStringLiteral("dongle2.png") : QStringLiteral("warn.png"));
    if (!skin.isNull())
        return skin.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);

    // Without the skin picture a plain accent badge keeps the box readable.
    QPixmap badge(side, side);
    badge.fill(Qt::transparent);
    QPainter painter(&badge);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal pen = qMax(2.0, side / 15.0);
    painter.setPen(QPen(AccentQColor(), pen));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(pen, pen, side - 2 * pen, side - 2 * pen));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(qMax(1, side * 3 / 5));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(badge.rect(), Qt::AlignCenter,
                     m_style == Dongle ? QStringLiteral("?") : QStringLiteral("!"));
    return badge;
}
