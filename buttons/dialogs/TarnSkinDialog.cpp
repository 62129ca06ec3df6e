#include "TarnSkinDialog.h"

#include "TarnMessageBox.h"
#include "UiContext.h"

#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kButtonIconSize = 30;

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
                                         "QToolButton:disabled{color:rgb(110,110,110);}")
                              .arg(AccentCss()));
    QFont font = InterfaceFont();
    font.setBold(true);
    button->setFont(font);
    button->setMinimumSize(Scaled(90), Scaled(34));
    return button;
}

QString SkinUrl(const QString& file)
{
    // Style sheets want forward slashes and no quotes around plain paths.
    return QStringLiteral("url(%1)").arg(SkinPath(file));
}

} // namespace

TarnSkinDialog::TarnSkinDialog(const QString& title, int width, int height, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint)
{
    setWindowTitle(title);
    setFixedSize(Scaled(width), Scaled(height));
    setAttribute(Qt::WA_TranslucentBackground);
    setFont(InterfaceFont());
    m_background = SkinPixmap(QStringLiteral("dlg.png"));

    m_titleLabel = new QLabel(title, this);
    m_titleLabel->setObjectName(QStringLiteral("dialogTitleLabel"));
    m_titleLabel->setTextFormat(Qt::PlainText);
    QFont titleFont = InterfaceFont();
    titleFont.setBold(true);
    m_titleLabel->setFont(titleFont);
    m_titleLabel->setStyleSheet(QStringLiteral("color:%1;").arg(AccentCss()));

    m_yesButton = MakeButton(QStringLiteral("msgBoxYesBtn"), QObject::tr("OK"), QStringLiteral(":/yes_Btn"), this);
    m_noButton = MakeButton(QStringLiteral("msgBoxNoBtn"), QObject::tr("Cancel"), QStringLiteral(":/no_Btn"), this);
    connect(m_yesButton, &QToolButton::released, this, &TarnSkinDialog::OnYesClick);
    connect(m_noButton, &QToolButton::released, this, &TarnSkinDialog::OnNoClick);

    m_content = new QVBoxLayout;
    m_content->setSpacing(Scaled(10));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_yesButton);
    buttons->addStretch(1);
    buttons->addWidget(m_noButton);
    buttons->addStretch(1);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(Scaled(28), Scaled(16), Scaled(28), Scaled(22));
    outer->setSpacing(0);
    outer->addWidget(m_titleLabel, 0, Qt::AlignHCenter);
    outer->addSpacing(Scaled(12));
    outer->addLayout(m_content, 1);
    outer->addSpacing(Scaled(12));
    outer->addLayout(buttons);
}

TarnSkinDialog::~TarnSkinDialog() = default;

QString TarnSkinDialog::title() const
{
    return m_titleLabel->text();
}

QCheckBox* TarnSkinDialog::MakeOption(const QString& text, QWidget* parent)
{
    auto* option = new QCheckBox(text, parent);
    const int side = qMax(8, Scaled(20));
    option->setStyleSheet(QStringLiteral("QCheckBox{color:white;spacing:%1px;}"
                                         "QCheckBox::indicator{width:%2px;height:%2px;}"
                                         "QCheckBox::indicator:unchecked{image:%3;}"
                                         "QCheckBox::indicator:checked{image:%4;}")
                              .arg(Scaled(8))
                              .arg(side)
                              .arg(SkinUrl(QStringLiteral("checkbox2-1.png")),
                                   SkinUrl(QStringLiteral("checkbox2-2.png"))));
    option->setFont(InterfaceFont());
    // Options are chosen with the mouse; the focus stays where typing happens.
    option->setFocusPolicy(Qt::NoFocus);
    return option;
}

QString TarnSkinDialog::TextStyleSheet()
{
    return QStringLiteral("color:rgb(200,200,200);");
}

QString TarnSkinDialog::FieldStyleSheet()
{
    return QStringLiteral("QLineEdit{background-color:rgb(12,12,14);color:white;border:1px solid rgb(80,80,86);"
                          "border-radius:3px;padding:2px 6px;selection-background-color:%1;}"
                          "QLineEdit:focus{border:1px solid %1;}"
                          "QLineEdit:disabled{color:rgb(110,110,110);border:1px solid rgb(50,50,54);}")
        .arg(AccentCss());
}

void TarnSkinDialog::OnYesClick()
{
    if (acceptable())
        accept();
}

void TarnSkinDialog::OnNoClick()
{
    reject();
}

void TarnSkinDialog::refuse(const QString& text)
{
    TarnMessageBox::Show(TarnMessageBox::Warning, QObject::tr("Warning"), text, QString(), this);
}

int TarnSkinDialog::runExec(const std::function<void()>& hook)
{
    if (hook) {
        // Without an event loop the hook's clicks decide; a hook that clicks nothing cancels.
        setResult(QDialog::Rejected);
        hook();
        return result();
    }
    return QDialog::exec();
}

void TarnSkinDialog::paintEvent(QPaintEvent* event)
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
