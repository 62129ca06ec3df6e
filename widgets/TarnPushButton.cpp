#include "TarnPushButton.h"

#include "UiContext.h"

#include <QEvent>
#include <QMouseEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <QPointer>

namespace {
constexpr int kMaxPixmaps = 3;
}

TarnPushButton::TarnPushButton(QWidget* parent)
    : QPushButton(parent)
{
    init();
}

TarnPushButton::TarnPushButton(const QString& normal, QWidget* parent)
    : QPushButton(parent)
{
    init();
    setPixmapFiles({normal});
}

TarnPushButton::TarnPushButton(const QString& normal, const QString& hover, QWidget* parent)
    : QPushButton(parent)
{
    init();
    setPixmapFiles({normal, hover});
}

TarnPushButton::TarnPushButton(const QString& normal, const QString& hover, const QString& pressed, QWidget* parent)
    : QPushButton(parent)
{
    init();
    setPixmapFiles({normal, hover, pressed});
}

TarnPushButton::TarnPushButton(const QList<QPixmap>& pixmaps, QWidget* parent)
    : QPushButton(parent)
{
    init();
    setPixmaps(pixmaps);
}

TarnPushButton::~TarnPushButton() = default;

void TarnPushButton::init()
{
    m_textFont = InterfaceFont();
    m_accent = AccentQColor();
    connect(this, &QAbstractButton::toggled, this, &TarnPushButton::onToggled);
}

void TarnPushButton::setPixmaps(const QList<QPixmap>& pixmaps)
{
    m_pixmaps = pixmaps.mid(0, kMaxPixmaps);
    setState(isEnabled() ? restingState() : Disabled);
    updateGeometry();
}

void TarnPushButton::setPixmapFiles(const QStringList& skinFiles)
{
    QList<QPixmap> pixmaps;
    for (const QString& file : skinFiles.mid(0, kMaxPixmaps))
        pixmaps.append(SkinPixmap(file));
    setPixmaps(pixmaps);
}

QPixmap TarnPushButton::currentPixmap() const
{
    if (m_pixmaps.isEmpty())
        return QPixmap();
    // Disabled draws the normal picture, and so does any state without a picture of its own.
    const int index = (m_state >= Normal && m_state < m_pixmaps.size() && m_state != Disabled) ? m_state : 0;
    return m_pixmaps.at(index);
}

QSize TarnPushButton::sizeHint() const
{
    const QPixmap pixmap = currentPixmap();
    return pixmap.isNull() ? QPushButton::sizeHint() : pixmap.size();
}

int TarnPushButton::restingState() const
{
    return (isCheckable() && isChecked()) ? Hover : Normal;
}

void TarnPushButton::setState(int state)
{
    if (m_state == state)
        return;
    m_state = state;
    update();
}

void TarnPushButton::enterEvent(QEvent* event)
{
    QPushButton::enterEvent(event);
    if (m_pixmaps.size() >= 2 && isEnabled())
        setState(Hover);
    emit OverSignal(this, true);
    update();
}

void TarnPushButton::leaveEvent(QEvent* event)
{
    QPushButton::leaveEvent(event);
    // A press in between means the hover led somewhere; its end is not reported.
    if (m_hoverPending) {
        const QPointer<TarnPushButton> alive(this);
        emit OverSignal(this, false);
        if (!alive)
            return;
    }
    m_hoverPending = true;
    if (isEnabled())
        setState(restingState());
    update();
}

void TarnPushButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QPushButton::mousePressEvent(event);
        return;
    }
    bool becameChecked = false;
    m_toggledByPress = false;
    if (isCheckable()) {
        const bool wasChecked = isChecked();
        m_inPressToggle = true;
        setChecked(!wasChecked);
        m_inPressToggle = false;
        becameChecked = !wasChecked && isChecked();
        // The toggle is done here; the click that follows on release must not undo it.
        m_toggledByPress = true;
    }
    if (m_pixmaps.size() == kMaxPixmaps)
        setState((!isCheckable() || becameChecked) ? Pressed : Normal);

    const QPointer<TarnPushButton> alive(this);
    emit EnterSignal(this);
    if (!alive)
        return;
    m_hoverPending = false;
    QPushButton::mousePressEvent(event);
}

void TarnPushButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QPushButton::mouseReleaseEvent(event);
        return;
    }
    if (m_pixmaps.size() >= 2 && isEnabled())
        setState(Hover);
    const QPointer<TarnPushButton> alive(this);
    QPushButton::mouseReleaseEvent(event);
    if (alive)
        m_toggledByPress = false;
}

void TarnPushButton::nextCheckState()
{
    if (m_toggledByPress) {
        m_toggledByPress = false;
        return;
    }
    QPushButton::nextCheckState();
}

void TarnPushButton::onToggled(bool checked)
{
    Q_UNUSED(checked)
    if (!m_inPressToggle && isEnabled() && !underMouse())
        setState(restingState());
}

void TarnPushButton::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    switch (event->type()) {
    case QEvent::EnabledChange:
        setState(isEnabled() ? restingState() : Disabled);
        break;
    case QEvent::LanguageChange:
        // A language switch may bring another font; re-read it with the new language.
        m_textFont = InterfaceFont();
        update();
        break;
    default:
        break;
    }
}

void TarnPushButton::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    const QPixmap pixmap = currentPixmap();
    QColor textColor = m_state == Disabled ? QColor(140, 140, 140) : QColor(Qt::white);
    if (ColorMode() != 0 || pixmap.isNull()) {
        textColor = paintColorMode(painter);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), pixmap);
    }
    if (!text().isEmpty()) {
        const Caption caption = fittedCaption();
        painter.setFont(caption.font);
        painter.setPen(textColor);
        painter.drawText(rect(), Qt::AlignCenter, caption.text);
    }
}

TarnPushButton::Caption TarnPushButton::fittedCaption() const
{
    Caption caption{m_textFont, text()};
    const int room = width() - 2 * qMax(1, Scaled(3));
    if (caption.text.isEmpty() || room <= 0)
        return caption;
    // Translations run longer than the English captions the buttons were sized for.
    const bool pixels = caption.font.pixelSize() > 0;
    const qreal full = pixels ? caption.font.pixelSize() : caption.font.pointSizeF();
    const qreal smallest = qMax<qreal>(7, full * 0.75);
    for (qreal size = full; size >= smallest; size -= 0.5) {
        if (pixels)
            caption.font.setPixelSize(qRound(size));
        else
            caption.font.setPointSizeF(size);
        if (QFontMetrics(caption.font).horizontalAdvance(caption.text) <= room)
            return caption;
    }
    caption.text = QFontMetrics(caption.font).elidedText(caption.text, Qt::ElideRight, room);
    return caption;
}

bool TarnPushButton::event(QEvent* event)
{
    // A cut caption shows itself whole as tool tip, unless the button has one of its own.
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && fittedCaption().text != text()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        return true;
    }
    return QPushButton::event(event);
}

QColor TarnPushButton::paintColorMode(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal radius = qMax(2, Scaled(3));
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor fill(28, 28, 30);
    QColor border = m_accent;
    QColor text = Qt::white;
    switch (m_state) {
    case Hover: {
        QColor tint = m_accent;
        tint.setAlpha(80);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRoundedRect(frame, radius, radius);
        fill = tint;
        break;
    }
    case Pressed:
        fill = m_accent;
        // Dark text on light accents, white on the dark blue.
        text = qGray(m_accent.rgb()) > 110 ? QColor(Qt::black) : QColor(Qt::white);
        break;
    case Disabled:
        fill = QColor(40, 40, 40);
        border = QColor(90, 90, 90);
        text = QColor(120, 120, 120);
        break;
    default:
        break;
    }
    painter.setPen(QPen(border, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(frame, radius, radius);
    return text;
}
