#include "TarnMoveItem.h"

#include "UiContext.h"

#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace {

constexpr int kDefaultDistance = 10;
constexpr int kFieldWidth = 40;

} // namespace

TarnMoveItem::TarnMoveItem(MoveDirection direction, QWidget* parent)
    : QWidget(parent)
    , m_direction(direction)
{
    setCursor(Qt::PointingHandCursor);
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("moveCaption"));
    m_caption->setFont(InterfaceFont());
    // Presses on the caption belong to the item.
    m_caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_distance = new QLineEdit(QString::number(kDefaultDistance), this);
    m_distance->setObjectName(QStringLiteral("moveDistance"));
    m_distance->setFont(InterfaceFont());
    m_distance->setMaxLength(3);
    m_distance->setValidator(new QIntValidator(1, kMaxStepDistance, m_distance));
    m_distance->setAlignment(Qt::AlignCenter);
    m_distance->setCursor(Qt::IBeamCursor);
    m_distance->setStyleSheet(QStringLiteral("QLineEdit{background:rgb(20,21,23);color:white;"
                                             "border:1px solid rgb(80,82,86);border-radius:2px;}"
                                             "QLineEdit:focus{border:1px solid %1;}")
                                  .arg(AccentCss()));
    setHighlighted(false);
    retranslate();
}

TarnMoveItem::~TarnMoveItem() = default;

int TarnMoveItem::distance() const
{
    return int(m_distance->text().toUInt() & 0xFF);
}

void TarnMoveItem::retranslate()
{
    m_caption->setText(QObject::tr(MoveDirectionText(m_direction)));
}

void TarnMoveItem::setHighlighted(bool on)
{
    m_caption->setStyleSheet(on ? QStringLiteral("color:%1;background:transparent;").arg(AccentCss())
                                : QStringLiteral("color:rgb(220,220,220);background:transparent;"));
}

void TarnMoveItem::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        event->accept();
        emit TarnMousePressed();
        return;
    }
    QWidget::mousePressEvent(event);
}

void TarnMoveItem::enterEvent(QEvent* event)
{
    QWidget::enterEvent(event);
    emit TarnMouseEntered();
}

void TarnMoveItem::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int fieldWidth = Scaled(kFieldWidth);
    const int margin = Scaled(2);
    m_caption->setGeometry(margin, 0, qMax(0, width() - fieldWidth - margin * 3), height());
    m_distance->setGeometry(width() - fieldWidth - margin, margin, fieldWidth, qMax(0, height() - margin * 2));
}
