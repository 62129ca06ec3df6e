#include "TarnGunsetDialog.h"

#include "AppPaths.h"
#include "MacroNameList.h"
#include "TarnLineEdit.h"
#include "TarnMenu.h"
#include "TarnMessageBox.h"
#include "TarnPushButton.h"
#include "UiContext.h"

#include <QAction>
#include <QBitmap>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSpinBox>
#include <QToolButton>

namespace {

// Geometry at scale 1.0; the bullets sit where the picture leaves room for them.
constexpr int kWidth = 619;
constexpr int kHeight = 400;
constexpr int kBulletX = 163;
constexpr int kBulletY = 141;
constexpr int kBulletPitch = 66;
constexpr int kBulletWidth = 9;
constexpr int kBulletHeight = 39;
constexpr int kBoxWidth = 59;
constexpr int kRowHeight = 26;
constexpr int kCaptionX = 36;
constexpr int kCaptionWidth = 100;
constexpr int kDelayRowY = 200;
constexpr int kVerticalRowY = 238;
constexpr int kHorizontalRowY = 276;
constexpr int kButtonIconSize = 30;

std::function<void(TarnGunsetDialog&)>& ExecHook()
{
    static std::function<void(TarnGunsetDialog&)> hook;
    return hook;
}

int ColumnLeft(int shot)
{
    // Each column is centred under its bullet.
    return kBulletX + kBulletWidth / 2 - kBoxWidth / 2 + shot * kBulletPitch;
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
                                         "QToolButton:pressed{background-color:rgb(40,40,40);}")
                              .arg(AccentCss()));
    QFont font = InterfaceFont();
    font.setBold(true);
    button->setFont(font);
    return button;
}

QString FieldStyleSheet()
{
    return QStringLiteral("QLineEdit,QSpinBox{background-color:rgb(12,12,14);color:white;"
                          "border:1px solid rgb(80,80,86);border-radius:3px;padding:1px 4px;"
                          "selection-background-color:%1;}"
                          "QLineEdit:focus,QSpinBox:focus{border:1px solid %1;}")
        .arg(AccentCss());
}

} // namespace

TarnGunsetDialog::TarnGunsetDialog(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint)
{
    setWindowTitle(QObject::tr("Gun Set"));
    setAttribute(Qt::WA_TranslucentBackground);
    setFont(InterfaceFont());
    m_background = SkinPixmap(QStringLiteral("dlg_gun.png"));
    m_bullet = SkinPixmap(QStringLiteral("gunset_bullet.png"));
    build();
    setFixedSize(Scaled(kWidth), Scaled(kHeight));
    applyShape();
    setBulletCount(kDefaultGunShots);
    m_nameField->setFocus();
}

TarnGunsetDialog::~TarnGunsetDialog() = default;

void TarnGunsetDialog::build()
{
    auto* title = new QLabel(QObject::tr("GUN SET"), this);
    title->setObjectName(QStringLiteral("gunSetTitle"));
    QFont titleFont = InterfaceFont();
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("color:%1;").arg(AccentCss()));
    title->setGeometry(ScaledRect(0, 12, kWidth, 30));

    makeCaption(QObject::tr("GUNFILE NAME"), 66);
    m_nameField = new TarnLineEdit(this);
    m_nameField->setObjectName(QStringLiteral("gunFileName"));
    m_nameField->setMaxLength(kMaxGunNameLength);
    m_nameField->setStyleSheet(FieldStyleSheet());
    m_nameField->setGeometry(ScaledRect(ColumnLeft(0), 66, ColumnLeft(kMaxGunShots - 1) + kBoxWidth - ColumnLeft(0),
                                        kRowHeight));

    m_bulletButton = new TarnPushButton(QStringLiteral("bulletsel.png"), this);
    m_bulletButton->setObjectName(QStringLiteral("bulletButton"));
    m_bulletButton->setText(QObject::tr("BULLETS"));
    // Enter in the name field must not pop the menu up.
    m_bulletButton->setAutoDefault(false);
    m_bulletButton->setGeometry(ScaledRect(kCaptionX - 6, 148, 100, kRowHeight));
    m_bulletMenu = new TarnMenu(this);
    m_bulletMenu->setObjectName(QStringLiteral("bulletMenu"));
    for (int j = 0; j < kMaxGunShots; ++j) {
        QAction* action = m_bulletMenu->addAction(bulletText(j + 1));
        action->setData(j + 1);
        m_bulletActions[j] = action;
    }
    m_bulletButton->setMenu(m_bulletMenu);
    connect(m_bulletMenu, &QMenu::triggered, this, [this](QAction* action) { setBulletCount(action->data().toInt()); });

    makeCaption(QObject::tr("DELAY(MS)"), kDelayRowY);
    makeCaption(QObject::tr("VERTICAL"), kVerticalRowY)->setToolTip(QObject::tr("+ DOWN / - UP"));
    makeCaption(QObject::tr("HORIZONTAL"), kHorizontalRowY)->setToolTip(QObject::tr("+ RIGHT / - LEFT"));
    for (int k = 0; k < kMaxGunShots; ++k) {
        m_delayBoxes[k] = makeSpinBox(kMinGunDelayMs, kMaxGunDelayMs, kDefaultGunDelayMs, k, kDelayRowY);
        m_verticalBoxes[k] = makeSpinBox(-kMaxGunPull, kMaxGunPull, 0, k, kVerticalRowY);
        m_horizontalBoxes[k] = makeSpinBox(-kMaxGunPull, kMaxGunPull, 0, k, kHorizontalRowY);
        m_delayBoxes[k]->setObjectName(QStringLiteral("gunDelay%1").arg(k));
        m_verticalBoxes[k]->setObjectName(QStringLiteral("gunVertical%1").arg(k));
        m_horizontalBoxes[k]->setObjectName(QStringLiteral("gunHorizontal%1").arg(k));
    }

    auto* hint = new QLabel(QObject::tr("VERTICAL: + DOWN / - UP     HORIZONTAL: + RIGHT / - LEFT"), this);
    hint->setObjectName(QStringLiteral("gunPullHint"));
    QFont hintFont = InterfaceFont();
    hintFont.setPixelSize(qMax(6, hintFont.pixelSize() > 0 ? hintFont.pixelSize() - Scaled(1) : Scaled(11)));
    hint->setFont(hintFont);
    hint->setStyleSheet(QStringLiteral("color:rgb(140,140,146);"));
    hint->setGeometry(ScaledRect(kCaptionX, 312, 440, 18));

    m_yesButton = MakeButton(QStringLiteral("msgBoxYesBtn"), QObject::tr("OK"), QStringLiteral(":/yes_Btn"), this);
    m_noButton = MakeButton(QStringLiteral("msgBoxNoBtn"), QObject::tr("Cancel"), QStringLiteral(":/no_Btn"), this);
    m_yesButton->setGeometry(ScaledRect(190, 346, 100, 34));
    m_noButton->setGeometry(ScaledRect(329, 346, 100, 34));
    connect(m_yesButton, &QToolButton::clicked, this, &TarnGunsetDialog::OnYesClick);
    connect(m_noButton, &QToolButton::clicked, this, &TarnGunsetDialog::OnNoClick);
}

QLabel* TarnGunsetDialog::makeCaption(const QString& text, int y)
{
    auto* caption = new QLabel(text, this);
    caption->setFont(InterfaceFont());
    caption->setStyleSheet(QStringLiteral("color:rgb(220,220,224);"));
    caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    caption->setGeometry(ScaledRect(kCaptionX, y, kCaptionWidth, kRowHeight));
    return caption;
}

QSpinBox* TarnGunsetDialog::makeSpinBox(int minimum, int maximum, int value, int shot, int row)
{
    auto* box = new QSpinBox(this);
    box->setRange(minimum, maximum);
    box->setValue(value);
    // Typed or wheeled; arrows would not fit the column.
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    box->setAlignment(Qt::AlignCenter);
    box->setFont(InterfaceFont());
    box->setStyleSheet(FieldStyleSheet());
    box->setGeometry(ScaledRect(ColumnLeft(shot), row, kBoxWidth, kRowHeight));
    return box;
}

QString TarnGunsetDialog::bulletText(int count) const
{
    return count == 1 ? QObject::tr("1 BULLET") : QObject::tr("%1 BULLETS").arg(count);
}

QAction* TarnGunsetDialog::bulletAction(int index) const
{
    return index >= 0 && index < kMaxGunShots ? m_bulletActions[index] : nullptr;
}

QSpinBox* TarnGunsetDialog::delayBox(int shot) const
{
    return shot >= 0 && shot < kMaxGunShots ? m_delayBoxes[shot] : nullptr;
}

QSpinBox* TarnGunsetDialog::verticalBox(int shot) const
{
    return shot >= 0 && shot < kMaxGunShots ? m_verticalBoxes[shot] : nullptr;
}

QSpinBox* TarnGunsetDialog::horizontalBox(int shot) const
{
    return shot >= 0 && shot < kMaxGunShots ? m_horizontalBoxes[shot] : nullptr;
}

void TarnGunsetDialog::setBulletCount(int count)
{
    m_bulletCount = qBound(1, count, kMaxGunShots);
    m_bulletButton->setText(bulletText(m_bulletCount));
    for (int k = 0; k < kMaxGunShots; ++k) {
        const bool used = k < m_bulletCount;
        m_delayBoxes[k]->setVisible(used);
        m_verticalBoxes[k]->setVisible(used);
        m_horizontalBoxes[k]->setVisible(used);
    }
    update();
}

QVector<GunShot> TarnGunsetDialog::shots() const
{
    QVector<GunShot> result;
    for (int k = 0; k < m_bulletCount; ++k)
        result.append(GunShot{m_delayBoxes[k]->value(), m_verticalBoxes[k]->value(), m_horizontalBoxes[k]->value()});
    return result;
}

void TarnGunsetDialog::OnYesClick()
{
    const QString name = m_nameField->text().trimmed();
    if (name.isEmpty()) {
        TarnMessageBox::Show(TarnMessageBox::Warning, QObject::tr("Warning"), QObject::tr("Please input file name."),
                             QString(), this);
        return;
    }
    // The name becomes a file name in the macro folder and must stay there.
    if (!IsSafeFileName(name)) {
        TarnMessageBox::Show(TarnMessageBox::Warning, QObject::tr("Warning"),
                             QObject::tr("This name cannot be used as a file name."),
                             QObject::tr("Do not use / or \\, nor . or .. alone."), this);
        return;
    }
    m_events = GunMacroEvents(shots());
    m_gunFileName = name;
    accept();
}

void TarnGunsetDialog::OnNoClick()
{
    reject();
}

bool TarnGunsetDialog::WriteGunMacroFile(const QString& name) const
{
    return ::WriteGunMacroFile(name, m_events);
}

int TarnGunsetDialog::exec()
{
    if (ExecHook()) {
        // Without an event loop the hook's clicks decide; a hook that clicks nothing cancels.
        setResult(QDialog::Rejected);
        ExecHook()(*this);
        return result();
    }
    return QDialog::exec();
}

void TarnGunsetDialog::SetExecHook(std::function<void(TarnGunsetDialog&)> hook)
{
    ExecHook() = std::move(hook);
}

bool TarnGunsetDialog::Run(QWidget* parent, QString& savedName)
{
    const auto tooMany = [parent] {
        TarnMessageBox::Show(TarnMessageBox::Question, QObject::tr("WARNING"),
                             QObject::tr("TOO MANY MACROS TO BE CREATE!"), QString(), parent);
    };
    if (CountMacroNames() >= kMaxMacros) {
        tooMany();
        return false;
    }
    TarnGunsetDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    QString name;
    switch (CreateGunMacro(dialog.gunFileName(), dialog.events(), &name)) {
    case GunMacroResult::Created:
        savedName = name;
        return true;
    case GunMacroResult::TooManyMacros:
        tooMany();
        return false;
    case GunMacroResult::EmptyName:
    case GunMacroResult::NameTooLong:
    case GunMacroResult::UnsafeName:
    case GunMacroResult::WriteFailed:
        break;
    }
    // Saying nothing here would leave the user looking for a macro that was never made.
    TarnMessageBox::Show(TarnMessageBox::Warning, QObject::tr("Warning"),
                         QObject::tr("The macro file could not be written."), QString(), parent);
    return false;
}

void TarnGunsetDialog::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!m_background.isNull()) {
        painter.drawPixmap(rect(), m_background);
    } else {
        painter.setPen(QPen(AccentQColor(), qMax(1, Scaled(1))));
        painter.setBrush(QColor(22, 22, 24));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

    QFont numberFont = InterfaceFont();
    painter.setFont(numberFont);
    for (int k = 0; k < m_bulletCount; ++k) {
        const QRect bullet = ScaledRect(kBulletX + k * kBulletPitch, kBulletY, kBulletWidth, kBulletHeight);
        if (!m_bullet.isNull()) {
            painter.drawPixmap(bullet, m_bullet);
        } else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(AccentQColor());
            painter.drawRoundedRect(bullet, bullet.width() / 2.0, bullet.width() / 2.0);
        }
        painter.setPen(QColor(150, 150, 156));
        painter.drawText(ScaledRect(ColumnLeft(k), kBulletY - 24, kBoxWidth, 18), Qt::AlignCenter,
                         QString::number(k + 1));
    }
}

void TarnGunsetDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    applyShape();
}

void TarnGunsetDialog::applyShape()
{
    // The dialog takes the outline of its picture.
    if (!m_background.isNull()) {
        const QPixmap scaled = m_background.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QBitmap mask = scaled.mask();
        if (!mask.isNull())
            setMask(mask);
    }
}

void TarnGunsetDialog::mousePressEvent(QMouseEvent* event)
{
    // A frameless dialog is moved by dragging its background.
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragOffset = event->globalPos() - frameGeometry().topLeft();
    }
    QDialog::mousePressEvent(event);
}

void TarnGunsetDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPos() - m_dragOffset);
    QDialog::mouseMoveEvent(event);
}

void TarnGunsetDialog::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}
